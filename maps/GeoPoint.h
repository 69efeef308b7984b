#pragma once

/// A point on the Earth for the maps: degrees, latitude positive north, longitude
/// positive WEST (the program's convention).
struct GeoPoint {
    double lat = 0.0;
    double lon = 0.0;
};
