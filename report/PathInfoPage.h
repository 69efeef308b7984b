#pragma once

#include "core/Dates.h"
#include "engine/PredictionRecord.h"

#include <string>
#include <vector>

/// One text line of the path information page: its line number (0..18, the page
/// has 21 line heights), whether it is bold, and the text. A label is drawn over
/// the line before it (same line number and the same left edge as that line).
struct PathInfoLine {
    int line = 0;
    bool bold = false;
    bool overPrevious = false; ///< a label sharing the left edge of the line before it
    std::string text;
};

/// Nautical miles per radian as the path information shows them.
inline constexpr double kPathInfoNmiPerRad = 3440.19;

/// The lines of the path information page for a prepared prediction: the terminal
/// names and the date, both terminals' coordinates, their sunrise and sunset times
/// and gray-line bearings (for the Sun of the request's date and its time zone),
/// the bearings of both paths, and both path lengths in km, nmi and statute miles
/// with "(Polar)" on the polar path's line. Column 30 starts terminal B's half of
/// the two-column lines, so every label lines up with its value in a fixed-pitch
/// font. `dates` gives the four-digit date text of line 1.
std::vector<PathInfoLine> PathInfoLines(const PredictionRequest& request,
                                        const DateConventions& dates);

/// Line 0: "<name A> (A) to <name B> (B)"; an empty name leaves just "(A) to " or "(B)".
std::string PathInfoTitle(const std::string& nameA, const std::string& nameB);

/// A length line (17 blanks, km, nmi, statute miles) with the polar marker: "   (Polar)"
/// when this path is polar, 10 blanks when only the other one is, nothing otherwise.
std::string PathLengthLine(double lengthRad, bool thisPolar, bool otherPolar);
