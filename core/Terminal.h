#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

/// Capacities of a terminal's texts, in bytes as the record fields of the files hold
/// them; longer texts are cut (CutText) when stored.
constexpr std::size_t kPrefixCapacity = 7;
constexpr std::size_t kLatitudeTextCapacity = 10;
constexpr std::size_t kLongitudeTextCapacity = 11;
constexpr std::size_t kNameCapacity = 17;

/// The prefix a terminal carries when it is the default terminal of the settings.
inline constexpr const char* kDefaultPrefix = "DEFAULT";
/// The prefix that stands for a terminal whose coordinates are typed by hand.
inline constexpr const char* kManualPrefix = "<Ins>";

/// The text cut to fit a record field of `capacity` bytes, on whole UTF-8 characters:
/// the longest beginning of the text that fits without splitting a character (a byte
/// that is not part of a well-formed UTF-8 sequence counts as one character). The one
/// cutting function of every layer (terminals, settings, atlas, batch rows, command
/// line), so no cut ever leaves half a character behind.
std::string CutText(std::string_view text, std::size_t capacity);

/// One end of a path. The four texts are its identity (what dialogs fill in and
/// files store); the six reals are derived from them by ComputePathGeometry or
/// DeriveTerminalCoordinates and are valid only after one of them succeeded.
/// Longitudes are positive WEST.
struct Terminal {
    std::string Prefix;        ///< prefix, grid locator, "DEFAULT" or "<Ins>", ≤ 7
    std::string LatitudeText;  ///< coordinate syntax, ≤ 10
    std::string LongitudeText; ///< coordinate syntax, ≤ 11
    std::string Name;          ///< place name, may be empty, ≤ 17
    double LatitudeRad = 0.0;
    double LongitudeRad = 0.0; ///< west positive
    double LatitudeDeg = 0.0;
    double LongitudeDeg = 0.0; ///< west positive
    double SinLatitude = 0.0;
    double CosLatitude = 0.0;
};

/// Which coordinate a value or text is.
enum class CoordinateKind { Latitude = 0, Longitude = 1 };

/// Which of the two great-circle paths.
enum class PathKind { Short = 0, Long = 1 };

/// One path between the terminals. Bearings are radians clockwise from true north
/// and may lie outside [0, 2π) (long-path bearings are short minus π); displays
/// reduce them with PositiveMod(360, bearing·180/π).
struct PathGeometry {
    double BearingAtA = 0.0; ///< direction in which the path leaves A toward B
    double BearingAtB = 0.0; ///< direction in which the path leaves B toward A
    double Length = 0.0;     ///< central angle, radians
    bool IsPolar = false;    ///< passes near a polar reference point
};

/// The three 101-character lines above each path's tables, graphs and reports.
constexpr std::size_t kHeaderLineWidth = 101;
using HeaderLines = std::array<std::string, 3>;
