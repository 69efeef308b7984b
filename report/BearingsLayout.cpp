#include "report/BearingsLayout.h"

#include "core/Numeric.h"
#include "core/Syntax.h"
#include "core/Terminal.h"
#include "text/TextColumns.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kPageLinesBesidesRows = 9;
constexpr int kColumnPitch = 34;
constexpr int kMaxGap = 10;

int CeilDiv(long long a, long long b) {
    return static_cast<int>((a + b - 1) / b);
}

// A measure turned into a whole count, safe for any double.
int Trunc(double x) {
    if (!(x > 0.0))
        return 0;
    return x >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                : static_cast<int>(x);
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    const std::size_t length = Utf8Length(text);
    if (length < width)
        padded.append(width - length, ' ');
    return padded;
}

BearingsLayout TooSmall() {
    BearingsLayout layout;
    layout.message = ErrorMessage("The page is too small for the bearings table");
    return layout;
}

} // namespace

BearingsGrid BearingsPrintGrid(double pageWidth, double pageHeight,
                               const BearingsFontMetrics& metrics) {
    BearingsGrid grid;
    if (!(metrics.digitsWidth > 0.0) || !(metrics.cellHeight >= 0.0))
        return grid;
    grid.lineChars = Trunc(10.0 * pageWidth / metrics.digitsWidth);
    grid.rowsPerPage =
        std::max(0, Trunc(pageHeight / (metrics.cellHeight + 2.0)) - kPageLinesBesidesRows);
    grid.maxColumns = (grid.lineChars + 2) / kColumnPitch;
    return grid;
}

BearingsGrid BearingsTextGrid(int pageWidthChars, int pageLines) {
    BearingsGrid grid;
    grid.lineChars = std::max(0, pageWidthChars);
    grid.rowsPerPage = std::max(0, pageLines - kPageLinesBesidesRows);
    grid.maxColumns = (grid.lineChars + 2) / kColumnPitch;
    return grid;
}

int BearingsPageCount(int entryCount, const BearingsGrid& grid) {
    if (grid.rowsPerPage <= 0 || grid.maxColumns <= 0)
        return 0;
    const long long perPage = static_cast<long long>(grid.rowsPerPage) * grid.maxColumns;
    return CeilDiv(std::max(entryCount, 0), perPage);
}

BearingsLayout LayOutBearings(int entryCount, const BearingsGrid& grid) {
    const int pages = BearingsPageCount(entryCount, grid);
    if (pages == 0 && entryCount > 0)
        return TooSmall();
    if (grid.rowsPerPage <= 0 || grid.maxColumns <= 0)
        return TooSmall();
    BearingsLayout layout;
    layout.ok = true;
    layout.grid = grid;
    layout.pages = std::max(pages, 1);
    layout.columns =
        std::max(1, CeilDiv(entryCount, static_cast<long long>(layout.pages) * grid.rowsPerPage));
    layout.entriesPerPage = grid.rowsPerPage * layout.columns;
    const int free = grid.lineChars - kBearingsEntryWidth * layout.columns;
    if (layout.columns <= 1) {
        layout.gap = 0;
        layout.margin = std::max(0, free / 2);
        return layout;
    }
    const int between = layout.columns - 1;
    layout.gap = std::min((free - 4) / between, kMaxGap);
    layout.margin = (free - layout.gap * between) / 2;
    while (layout.gap >= 7 && layout.margin < layout.gap) {
        --layout.gap;
        layout.margin = (free - layout.gap * between) / 2;
    }
    return layout;
}

BearingsLayout ChooseBearingsLayout(int entryCount, int minFontSize, double pageWidth,
                                    double pageHeight,
                                    const std::function<BearingsFontMetrics(int)>& metricsAt) {
    const int first = std::clamp(minFontSize, kBearingsMinFontSize, kBearingsMaxFontSize);
    const BearingsGrid firstGrid = BearingsPrintGrid(pageWidth, pageHeight, metricsAt(first));
    const int firstPages = BearingsPageCount(entryCount, firstGrid);
    if (firstPages == 0)
        return TooSmall();
    int size = first;
    BearingsGrid grid = firstGrid;
    for (int next = first + 1; next <= kBearingsMaxFontSize; ++next) {
        const BearingsGrid nextGrid = BearingsPrintGrid(pageWidth, pageHeight, metricsAt(next));
        const int pages = BearingsPageCount(entryCount, nextGrid);
        if (pages == 0 || pages > firstPages)
            break;
        size = next;
        grid = nextGrid;
    }
    BearingsLayout layout = LayOutBearings(entryCount, grid);
    layout.fontSize = size;
    return layout;
}

std::string BearingsFromLine(const BearingsOrigin& origin) {
    const bool named = !TrimBlanks(origin.name).empty();
    std::string line = CutText("From " + origin.name, 22);
    if (named)
        line += "  ";
    line += FormatFixed(std::fabs(origin.latitudeDeg), 0, 2);
    line += origin.latitudeDeg >= 0.0 ? " N  " : " S  ";
    line += FormatFixed(std::fabs(origin.longitudeDeg), 0, 2);
    line += origin.longitudeDeg >= 0.0 ? " W" : " E";
    return line;
}

std::string BearingsEntryText(std::string_view prefix, std::string_view name,
                              std::string_view bearingText) {
    return Padded(prefix, 7) + Padded(name, 18) + std::string(bearingText);
}

std::vector<std::vector<std::string>> BearingsPages(const BearingsLayout& layout,
                                                    const BearingsOrigin& origin,
                                                    const std::vector<std::string>& entryTexts) {
    std::vector<std::vector<std::string>> pages;
    if (!layout.ok)
        return pages;
    const std::size_t width = static_cast<std::size_t>(layout.grid.lineChars);
    const std::string margin(static_cast<std::size_t>(layout.margin), ' ');
    const std::string gap(static_cast<std::size_t>(layout.gap), ' ');
    std::string columnHeadings = margin;
    for (int i = 0; i < layout.columns; ++i) {
        if (i > 0)
            columnHeadings += gap;
        columnHeadings += "PREFIX LOCATION          DEG";
    }
    const std::vector<std::string> heading = {
        "",
        Centered("Hopscope", width),
        Centered("SHORT-PATH GREAT CIRCLE BEARINGS", width),
        Centered(BearingsFromLine(origin), width),
        Centered("Add or subtract 180 degrees for long-path bearings", width),
        "",
        columnHeadings};

    const long long n = static_cast<long long>(entryTexts.size());
    const long long perPage = layout.entriesPerPage;
    for (long long first = 0; first < n || (n == 0 && pages.empty()); first += perPage) {
        std::vector<std::string> page = heading;
        const long long remaining = n - first;
        const long long rows =
            std::min<long long>(CeilDiv(remaining, layout.columns), layout.grid.rowsPerPage);
        for (long long r = 0; r < rows; ++r) {
            std::string line = margin;
            for (long long i = 0; i < layout.columns; ++i) {
                const long long index = first + r + i * rows;
                if (index >= n)
                    break;
                if (i > 0)
                    line += gap;
                line += entryTexts[static_cast<std::size_t>(index)];
            }
            page.push_back(std::move(line));
        }
        pages.push_back(std::move(page));
        if (n == 0)
            break;
    }
    return pages;
}
