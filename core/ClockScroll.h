#pragma once

// Scrolling the 24-hour table around the clock. The table holds V + 49 data rows
// (V = rows visible at once), numbered from 1: rows 1..48 are the half hours
// "0000".."2330" and the rows after them repeat the first ones, so that the view
// can move past midnight without a seam. Whenever the view would reach either end
// it jumps by 48 rows, which shows the same times.

/// Where the view and the selection are: the top visible row and the selected row.
struct ClockScrollState {
    int topRow = 49;
    int selectedRow = 49;
    bool operator==(const ClockScrollState&) const = default;
};

/// Half hours of the day, the distance of every jump.
inline constexpr int kClockRows = 48;

/// The number of data rows of a table showing `visibleRows` at once: V + 49.
int ClockRowCount(int visibleRows);

/// Home: "0000" (row 49) at the top and selected.
ClockScrollState ClockHome();
/// End: "2330" (row 48) selected as the last visible row (top row 49 − V, at least 1).
ClockScrollState ClockEnd(int visibleRows);
/// Down arrow: the next row; the view follows by one row, and jumps back by 48 when
/// it would reach the last row of the table.
ClockScrollState ClockLineDown(ClockScrollState state, int visibleRows);
/// Up arrow: the previous row; the view follows, and jumps forward by 48 when its
/// top would become row 1 or less.
ClockScrollState ClockLineUp(ClockScrollState state, int visibleRows);
/// Page Down: selection and view move by V − 1 rows, jumping back by 48 at the end.
ClockScrollState ClockPageDown(ClockScrollState state, int visibleRows);
/// Page Up: selection and view move back by V − 1 rows, jumping forward by 48 at the start.
ClockScrollState ClockPageUp(ClockScrollState state, int visibleRows);
/// After the view was moved by other means (scroll bar, mouse): a top row of 1
/// becomes 49, and a top row that shows the last table row moves back by 48. The
/// selection stays where it is.
int ClockNormalTop(int topRow, int visibleRows);
/// The displayed half hour (0..47) of a table row.
int ClockRowHalfHour(int row);
