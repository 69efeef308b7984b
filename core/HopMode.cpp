#include "core/HopMode.h"

#include <algorithm>

std::string ModeToLetters(const HopLayers& bits, int count) {
    count = std::clamp(count, 0, kMaxHops);
    std::string letters;
    for (int i = 0; i < count; ++i)
        letters += (bits[static_cast<std::size_t>(i / 8)] & (128 >> (i % 8))) ? 'F' : 'E';
    return letters;
}

HopLayers LettersToMode(std::string_view letters) {
    HopLayers bits{};
    if (letters.empty())
        return bits;
    bits.fill(255);
    const std::size_t count = std::min<std::size_t>(letters.size(), kMaxHops);
    for (std::size_t a = 0; a < count; ++a)
        if (letters[a] == 'E')
            bits[a / 8] = static_cast<std::uint8_t>(bits[a / 8] & ~(128 >> (a % 8)));
    return bits;
}
