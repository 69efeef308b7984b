#include "text/CsvText.h"

#include "core/Utf8Text.h"

std::string CsvField(std::string_view raw) {
    const std::string text = ToValidUtf8(raw);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
