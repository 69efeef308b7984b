#include "graphs/CairoPicture.h"

#include "core/OutputFile.h"

#include <algorithm>
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <cctype>
#include <cmath>
#include <memory>

namespace {

struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

void SelectFont(cairo_t* cr, const FontStyle& font) {
    cairo_select_font_face(cr, PictureFontFamily(font.face), CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, std::max(1.0, font.pixelSize));
}

/// Grey anti-aliasing and slight hinting, as a stock Debian has them, given here so
/// that a desktop's own choice does not change the pictures; and advances unhinted, so
/// that a text is as wide as measured at any size (hinted, each character's advance
/// is rounded to whole pixels and a line of 101 grows by up to 50 of them).
void SetFontOptions(cairo_t* cr) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void SetColour(cairo_t* cr, Rgb c) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

/// Lines of an odd width sit on pixel centres, so that they stay sharp.
double Snap(double v, double width) {
    const long w = std::lround(width);
    return (w % 2 == 1 && std::fabs(width - w) < 1e-9) ? std::floor(v) + 0.5 : v;
}

void Replay(cairo_t* cr, const Drawing& drawing) {
    SetFontOptions(cr);
    SetColour(cr, drawing.background);
    cairo_paint(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const DrawItem& item : drawing.items) {
        if (const auto* line = std::get_if<LineItem>(&item)) {
            SetColour(cr, line->colour);
            cairo_set_line_width(cr, line->width);
            cairo_move_to(cr, Snap(line->x1, line->width), Snap(line->y1, line->width));
            cairo_line_to(cr, Snap(line->x2, line->width), Snap(line->y2, line->width));
            cairo_stroke(cr);
        } else if (const auto* poly = std::get_if<PolylineItem>(&item)) {
            if (poly->points.size() < 2)
                continue;
            SetColour(cr, poly->colour);
            cairo_set_line_width(cr, poly->width);
            cairo_move_to(cr, poly->points[0].x, poly->points[0].y);
            for (std::size_t i = 1; i < poly->points.size(); ++i)
                cairo_line_to(cr, poly->points[i].x, poly->points[i].y);
            cairo_stroke(cr);
        } else if (const auto* rect = std::get_if<RectItem>(&item)) {
            if (rect->filled) {
                SetColour(cr, rect->fill);
                cairo_rectangle(cr, rect->x, rect->y, rect->w, rect->h);
                cairo_fill(cr);
            }
            if (rect->outlined) {
                const double w = rect->outlineWidth;
                SetColour(cr, rect->outline);
                cairo_set_line_width(cr, w);
                const double x = Snap(rect->x, w), y = Snap(rect->y, w);
                cairo_rectangle(cr, x, y, Snap(rect->x + rect->w, w) - x,
                                Snap(rect->y + rect->h, w) - y);
                cairo_stroke(cr);
            }
        } else if (const auto* text = std::get_if<TextItem>(&item)) {
            SelectFont(cr, text->font);
            cairo_font_extents_t fe;
            cairo_font_extents(cr, &fe);
            cairo_text_extents_t te;
            cairo_text_extents(cr, text->text.c_str(), &te);
            double x = text->x;
            if (text->hAlign == HAlign::Centre)
                x -= te.x_advance / 2;
            else if (text->hAlign == HAlign::Right)
                x -= te.x_advance;
            double baseline = text->y;
            if (text->vAlign == VAlign::Top)
                baseline += fe.ascent;
            else if (text->vAlign == VAlign::Middle)
                baseline += (fe.ascent - fe.descent) / 2;
            SetColour(cr, text->colour);
            cairo_move_to(cr, x, baseline);
            cairo_show_text(cr, text->text.c_str());
        }
    }
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

const char* PictureFontFamily(FontFace face) {
    return face == FontFace::Mono ? "DejaVu Sans Mono" : "DejaVu Sans";
}

std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".png")
        return PictureFormat::Png;
    if (ext == ".svg")
        return PictureFormat::Svg;
    if (ext == ".pdf")
        return PictureFormat::Pdf;
    return std::nullopt;
}

TextMeasure CairoTextMeasure() {
    auto surface = std::shared_ptr<cairo_surface_t>(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1), cairo_surface_destroy);
    auto cr = std::shared_ptr<cairo_t>(cairo_create(surface.get()), cairo_destroy);
    SetFontOptions(cr.get());
    TextMeasure measure;
    measure.width = [surface, cr](const std::string& text, const FontStyle& font) {
        SelectFont(cr.get(), font);
        cairo_text_extents_t te;
        cairo_text_extents(cr.get(), text.c_str(), &te);
        return te.x_advance;
    };
    measure.height = [surface, cr](const FontStyle& font) {
        SelectFont(cr.get(), font);
        cairo_font_extents_t fe;
        cairo_font_extents(cr.get(), &fe);
        return fe.ascent + fe.descent;
    };
    return measure;
}

std::string RenderCairoPicture(const Drawing& drawing, PictureFormat format) {
    const double w = std::max(1.0, drawing.width), h = std::max(1.0, drawing.height);
    std::string bytes;
    SurfacePtr surface;
    if (format == PictureFormat::Png)
        surface.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(std::ceil(w)),
                                                 static_cast<int>(std::ceil(h))));
    else if (format == PictureFormat::Svg)
        surface.reset(cairo_svg_surface_create_for_stream(AppendBytes, &bytes, w, h));
    else
        surface.reset(cairo_pdf_surface_create_for_stream(AppendBytes, &bytes, w, h));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return {};
    {
        ContextPtr cr(cairo_create(surface.get()));
        Replay(cr.get(), drawing);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
            return {};
    }
    if (format == PictureFormat::Png) {
        if (cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &bytes) !=
            CAIRO_STATUS_SUCCESS)
            return {};
    } else {
        cairo_surface_finish(surface.get());
        if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
            return {};
    }
    return bytes;
}

PictureResult WriteCairoPicture(const std::filesystem::path& path, const Drawing& drawing,
                                PictureFormat format) {
    const std::string bytes = RenderCairoPicture(drawing, format);
    if (bytes.empty())
        return {false, "the picture could not be drawn"};
    if (const FileWriteResult written = WriteOutputFile(path, bytes); !written)
        return {false, "could not write the file " + path.string() + ": " + written.error};
    return {true, {}};
}
