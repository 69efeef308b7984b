#pragma once

/// Land or sea at whole degrees: row r is latitude 90 − r (+90 down to −90), and
/// bit (λE mod 8) of byte (λE div 8) is 1 over land at east longitude λE = 0..359.
extern const unsigned char LandSeaMask[181][45];

/// True when the mask marks land at the given row (0..180) and east longitude
/// (0..359); out-of-range arguments are clamped into the table.
bool IsLandAt(int row, int eastLongitudeDeg);
