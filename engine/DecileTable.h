#pragma once

#include <cstdint>

/// The lower and upper decile of the day-to-day spread of the F2 MUF, in percent
/// of the median MUF.
struct DecilePair {
    std::uint8_t lower = 0;
    std::uint8_t upper = 0;
};

/// Deciles by [solar level 0: Ssn < 50, 1: 50..100, 2: above 100][season 0: months
/// 1, 2, 11, 12; 1: months 3, 4, 9, 10; 2: months 5..8][local-time block of four
/// hours, the first centred on local midnight][latitude band 1..8 at index 0..7].
extern const DecilePair DecileTable[3][3][6][8];
