#pragma once

#include "core/UserMessage.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The layout of the great-circle bearings table: a landscape page of fixed-pitch
// text, the entries in columns of 28 characters, read down each column and then
// across. Everything is counted in characters and lines; a printer only supplies its
// page size and the font's measures, as plain numbers.

inline constexpr int kBearingsMinFontSize = 6;
inline constexpr int kBearingsMaxFontSize = 12;
/// One entry of the table: prefix (7), name (18), bearing (3).
inline constexpr int kBearingsEntryWidth = 28;
/// Heading lines above the rows of every page.
inline constexpr int kBearingsHeadingLines = 7;

/// The measures of the table font at one size, in the printer's units.
struct BearingsFontMetrics {
    double digitsWidth = 0.0; ///< width of the text "0123456789"
    double cellHeight = 0.0;  ///< character cell height
};

/// What one page holds at one font size.
struct BearingsGrid {
    int lineChars = 0;   ///< L: characters per line
    int rowsPerPage = 0; ///< R: table rows per page (page lines less 9)
    int maxColumns = 0;  ///< Cmax: (L + 2) div 34
};

/// The grid of a printed page: L = Trunc(10 · width / digitsWidth), line height
/// H = cellHeight + 2, R = Trunc(height / H) − 9. Sizes in printer units. A page or
/// font that gives nothing sensible (zero or negative measures) gives a zero grid.
BearingsGrid BearingsPrintGrid(double pageWidth, double pageHeight,
                               const BearingsFontMetrics& metrics);

/// The grid of a plain fixed-pitch text page of `pageWidthChars` × `pageLines`.
BearingsGrid BearingsTextGrid(int pageWidthChars, int pageLines);

/// ceil(n / (R · Cmax)): the pages `entryCount` entries take; 0 when the grid holds
/// no row or no column (the page is too small).
int BearingsPageCount(int entryCount, const BearingsGrid& grid);

/// The arrangement of the table on its pages.
struct BearingsLayout {
    bool ok = false;
    /// When not ok: "The page is too small for the bearings table" (error, alert).
    UserMessage message;
    int fontSize = 0; ///< points; 0 for a text page
    BearingsGrid grid;
    int pages = 0;
    int columns = 0;        ///< C: columns actually used, ceil(n / (pages · R))
    int entriesPerPage = 0; ///< E = R · C
    int gap = 0;            ///< blanks between columns
    int margin = 0;         ///< blanks before every table line
    explicit operator bool() const { return ok; }
};

/// Columns, gap and margin for `entryCount` entries (at least 1) on pages of `grid`:
/// C = ceil(n / (pages · R)); free = L − 28·C; one column is centred; otherwise
/// gap = min((free − 4) div (C − 1), 10), margin = (free − gap·(C − 1)) div 2, and a
/// gap of 7 or more shrinks while the margin is narrower than it.
BearingsLayout LayOutBearings(int entryCount, const BearingsGrid& grid);

/// The font size and layout of the printed table: the size starts at `minFontSize`
/// and grows up to 12 while the page count stays that of the minimum size (a size
/// whose page is too small counts as more pages). Not ok when even the minimum size
/// leaves no row or column. `metricsAt(size)` measures the font at a size.
BearingsLayout ChooseBearingsLayout(int entryCount, int minFontSize, double pageWidth,
                                    double pageHeight,
                                    const std::function<BearingsFontMetrics(int)>& metricsAt);

/// The point the bearings are taken from, as the heading shows it.
struct BearingsOrigin {
    std::string name;          ///< may be blank
    double latitudeDeg = 0.0;  ///< north positive
    double longitudeDeg = 0.0; ///< WEST positive
};

/// "From " + name (the two cut to 22 characters), two blanks when the name is not
/// blank, then "|lat| N  " or "|lat| S  " and "|lon| W" or "|lon| E" with 2 decimals.
std::string BearingsFromLine(const BearingsOrigin& origin);

/// One entry's 28 characters: the prefix padded to 7, the name to 18 and the bearing
/// text (3 characters). Padding counts UTF-8 characters.
std::string BearingsEntryText(std::string_view prefix, std::string_view name,
                              std::string_view bearingText);

/// The lines of every page: the seven heading lines (blank, "Hopscope",
/// "SHORT-PATH GREAT CIRCLE BEARINGS", the from line, "Add or subtract 180 degrees for
/// long-path bearings", blank, the column headings) and the rows. Row r of page p
/// holds entries r + E·p + i·rows (i = 0..C−1, counted from 1), where rows is
/// min(ceil(remaining / C), R); entries past the end are left out. Table lines begin
/// with `margin` blanks; centred lines begin at (L − length) div 2.
std::vector<std::vector<std::string>> BearingsPages(const BearingsLayout& layout,
                                                    const BearingsOrigin& origin,
                                                    const std::vector<std::string>& entryTexts);
