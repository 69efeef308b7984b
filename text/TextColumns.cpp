#include "text/TextColumns.h"

std::string RightAligned(std::string_view text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    std::string out(length < width ? width - length : 0, ' ');
    out.append(text);
    return out;
}

std::string Centered(std::string_view text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    std::string out(length < width ? (width - length) / 2 : 0, ' ');
    out.append(text);
    return out;
}
