#include "core/Terminal.h"

#include "core/Utf8Text.h"

#include <algorithm>

std::string CutText(std::string_view text, std::size_t capacity) {
    if (text.size() <= capacity)
        return std::string(text);
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(text, end), 1);
        if (end + length > capacity)
            break;
        end += length;
    }
    return std::string(text.substr(0, end));
}
