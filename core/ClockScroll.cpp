#include "core/ClockScroll.h"

#include <algorithm>

namespace {

int LastRow(int visibleRows) {
    return ClockRowCount(visibleRows);
}

/// Keeps the view off both ends of the table, moving the selection with it.
ClockScrollState Wrapped(ClockScrollState state, int visibleRows) {
    const int v = std::max(1, visibleRows);
    if (state.topRow + v - 1 >= LastRow(v)) {
        state.topRow -= kClockRows;
        state.selectedRow -= kClockRows;
    } else if (state.topRow <= 1) {
        state.topRow += kClockRows;
        state.selectedRow += kClockRows;
    }
    // A view taller than a day cannot wrap cleanly: hold it inside the table.
    state.topRow = std::clamp(state.topRow, 1, std::max(1, LastRow(v) - v));
    state.selectedRow = std::clamp(state.selectedRow, 1, LastRow(v));
    return state;
}

} // namespace

int ClockRowCount(int visibleRows) {
    return std::max(1, visibleRows) + kClockRows + 1;
}

ClockScrollState ClockHome() {
    return {kClockRows + 1, kClockRows + 1};
}

ClockScrollState ClockEnd(int visibleRows) {
    return {std::max(1, kClockRows + 1 - std::max(1, visibleRows)), kClockRows};
}

ClockScrollState ClockLineDown(ClockScrollState state, int visibleRows) {
    const int v = std::max(1, visibleRows);
    ++state.selectedRow;
    if (state.selectedRow > state.topRow + v - 1)
        state.topRow = state.selectedRow - v + 1;
    if (state.selectedRow < state.topRow)
        state.topRow = state.selectedRow;
    return Wrapped(state, v);
}

ClockScrollState ClockLineUp(ClockScrollState state, int visibleRows) {
    const int v = std::max(1, visibleRows);
    --state.selectedRow;
    if (state.selectedRow < state.topRow)
        state.topRow = state.selectedRow;
    if (state.selectedRow > state.topRow + v - 1)
        state.topRow = state.selectedRow - v + 1;
    return Wrapped(state, v);
}

ClockScrollState ClockPageDown(ClockScrollState state, int visibleRows) {
    const int v = std::max(1, visibleRows);
    const int step = std::max(1, v - 1);
    state.selectedRow += step;
    state.topRow += step;
    return Wrapped(state, v);
}

ClockScrollState ClockPageUp(ClockScrollState state, int visibleRows) {
    const int v = std::max(1, visibleRows);
    const int step = std::max(1, v - 1);
    state.selectedRow -= step;
    state.topRow -= step;
    return Wrapped(state, v);
}

int ClockNormalTop(int topRow, int visibleRows) {
    const int v = std::max(1, visibleRows);
    if (topRow <= 1)
        return topRow + kClockRows;
    if (topRow + v - 1 >= LastRow(v))
        return topRow - kClockRows;
    return topRow;
}

int ClockRowHalfHour(int row) {
    return ((row - 1) % kClockRows + kClockRows) % kClockRows;
}
