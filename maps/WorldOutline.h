#pragma once

#include <array>
#include <cstdint>

#include "maps/GeoPoint.h"

/// One point of the world outline, as stored (4 bytes).
struct OutlinePoint {
    /// Bits 0-13: colatitude in minutes of arc, 0..10800. Bit 14: this point starts a
    /// new polyline (pen up). Bit 15: unused by the drawing code.
    std::uint16_t colatitude = 0;
    /// Longitude in minutes of arc, positive EAST, −10800..10800.
    std::int16_t longitude = 0;
};

inline constexpr std::uint16_t kPenUpBit = 0x4000;
inline constexpr std::uint16_t kColatitudeBits = 0x3FFF;

/// The coastlines of the world: 490 polylines of land, islands and the seeded lakes,
/// read in order. Natural Earth (public domain), converted by tools/make-outline.py.
extern const std::array<OutlinePoint, 8287> WorldOutline;

/// True when the point starts a new polyline.
inline bool IsPenUp(OutlinePoint p) {
    return (p.colatitude & kPenUpBit) != 0;
}

/// The point in the maps' convention: latitude 90 − colatitude/60 degrees, longitude
/// −longitude/60 degrees (west positive).
inline GeoPoint ToGeoPoint(OutlinePoint p) {
    return {90.0 - (p.colatitude & kColatitudeBits) / 60.0, -p.longitude / 60.0};
}

/// A point inside a sea or lake that the base maps flood-fill from: degrees, longitude
/// west positive, each a 32-bit float.
struct SeaSeed {
    float lat = 0.0f;
    float lon = 0.0f;
};

/// The 43 seeds: the oceans, enclosed seas and the great lakes of Africa and Asia.
extern const std::array<SeaSeed, 43> SeaSeeds;
