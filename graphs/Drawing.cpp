#include "graphs/Drawing.h"

#include "text/TextColumns.h"

void Drawing::Line(double x1, double y1, double x2, double y2, Rgb colour, double width) {
    items.emplace_back(LineItem{x1, y1, x2, y2, colour, width});
}

void Drawing::Text(double x, double y, std::string text, const FontStyle& font, Rgb colour,
                   HAlign hAlign, VAlign vAlign) {
    items.emplace_back(TextItem{x, y, std::move(text), font, colour, hAlign, vAlign});
}

TextMeasure ApproximateTextMeasure() {
    TextMeasure measure;
    measure.width = [](const std::string& text, const FontStyle& font) {
        return 0.6 * font.pixelSize * static_cast<double>(Utf8Length(text));
    };
    measure.height = [](const FontStyle& font) { return 1.15 * font.pixelSize; };
    return measure;
}
