#include "core/Terminal.h"

std::string CutText(std::string_view text, std::size_t capacity) {
    return std::string(text.substr(0, capacity));
}
