#include "atlas/ui/AtlasPicker.h"

#include "atlas/ui/AtlasSearchDialog.h"

AtlasPicker AtlasSearchPicker(const Atlas& atlas, StatusLine* statusLine) {
    return [&atlas, statusLine](QWidget* parent) -> std::optional<std::string> {
        AtlasSearchDialog form(atlas, statusLine, parent);
        if (form.exec() != QDialog::Accepted || form.selectedPrefix().isEmpty())
            return std::nullopt;
        return form.selectedPrefix().toStdString();
    };
}
