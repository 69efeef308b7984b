#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

/// The layer of each hop of a propagation mode: bit (128 shr (i mod 8)) of byte
/// (i div 8) is set for an F hop and clear for an E hop, hops i = 0..39.
using HopLayers = std::array<std::uint8_t, 5>;

/// The most hops a mode can have.
constexpr int kMaxHops = 40;

/// One letter per hop, "F" for a set bit and "E" for a clear one, e.g. "EFF".
/// The count is clamped into 0..40.
std::string ModeToLetters(const HopLayers& bits, int count);

/// The hop layers of a text of E/F letters: an empty text gives five zero bytes;
/// otherwise all bytes start at 255 and each "E" clears its hop's bit (any other
/// letter leaves it set). Letters beyond the 40th are ignored.
HopLayers LettersToMode(std::string_view letters);
