#include "text/JsonText.h"

#include "text/TextColumns.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

template <typename T> std::string ShortestNumber(T value) {
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

} // namespace

std::string JsonNumber(double value) {
    return ShortestNumber(value);
}

std::string JsonNumber(float value) {
    return ShortestNumber(value);
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : ToValidUtf8(text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}
