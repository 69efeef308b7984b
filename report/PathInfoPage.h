#pragma once

#include "core/Constants.h"
#include "core/Dates.h"
#include "engine/Propagation.h"

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
inline constexpr double kPathInfoNmiPerRad = DisplayRadiusNmi;

/// The lines of the path information page for a prepared prediction: the terminal
/// names and the date, both terminals' coordinates, their sunrise and sunset times
/// and gray-line bearings (for the Sun of the request's date and its time zone),
/// the bearings of both paths, and both path lengths in km, nmi and statute miles
/// with "(Polar)" on the polar path's line. Column 30 starts terminal B's half of
/// the two-column lines, so every label lines up with its value in a fixed-pitch
/// font. `dates` gives the four-digit date text of line 1.
std::vector<PathInfoLine> PathInfoLines(const PredictionRequest& request,
                                        const DateConventions& dates);

/// Where the path information window goes and how large it is, in pixels.
struct PathInfoGeometry {
    int lineHeight = 1; ///< one of the page's 21 line heights
    int width = 0;
    int height = 0; ///< 21 lines, plus the Close panel when there is one
    int left = 0;
    int top = 0;
    int closeTop = 0; ///< top of the Close panel, which is centred horizontally
};

/// The page's geometry from its font's measurements: the line height (`lineHeightPx`,
/// the taller of the font's height and its ink) shrinks while 21 lines would take more
/// than 0.6 of the screen height, but not below `fontPixelHeight`; the width is 3.45
/// times the width of 20 digits; `closePanelHeight` (0 for none) is added below the
/// lines with the panel's top 1.5 panel heights above the bottom. The window is centred
/// horizontally, 100/768 of the screen height from the top.
PathInfoGeometry PathInfoPageGeometry(int lineHeightPx, int fontPixelHeight, int twentyDigitsPx,
                                      int closePanelHeight, int screenWidth, int screenHeight);

/// The top of line `line`'s text: 0.68 of a line height below the line's own top, so
/// that the 21 lines sit evenly on the page.
int PathInfoTextTop(int line, int lineHeight);

/// Line 0: "<name A> (A) to <name B> (B)"; an empty name leaves just "(A) to " or "(B)".
std::string PathInfoTitle(const std::string& nameA, const std::string& nameB);

/// A length line (17 blanks, km, nmi, statute miles) with the polar marker: "   (Polar)"
/// when this path is polar, 10 blanks when only the other one is, nothing otherwise.
std::string PathLengthLine(double lengthRad, bool thisPolar, bool otherPolar);
