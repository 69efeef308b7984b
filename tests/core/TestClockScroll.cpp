// Scrolling the 24-hour results table around the clock, over many key presses.

#include "core/ClockScroll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <string>

void PrintTo(const ClockScrollState& s, std::ostream* out) {
    *out << "{top " << s.topRow << ", selected " << s.selectedRow << "}";
}

namespace {

std::string Shown(const ClockScrollState& s) {
    return testing::PrintToString(s);
}

class ClockScrollKeys : public testing::TestWithParam<int> {};

} // namespace

TEST_P(ClockScrollKeys, KeepTimesAndViewInRange) {
    // Random keys over a long session: the selected row always shows the time the keys
    // moved to, stays in view, and the view never touches either end row.
    const int visible = GetParam();
    std::mt19937 random(static_cast<unsigned>(visible));
    std::uniform_int_distribution<int> key(0, 5);
    ClockScrollState state = ClockHome();
    int halfHour = 0;
    const int page = std::max(1, visible - 1);
    for (int i = 0; i < 2000; ++i) {
        switch (key(random)) {
        case 0:
            state = ClockLineDown(state, visible);
            halfHour += 1;
            break;
        case 1:
            state = ClockLineUp(state, visible);
            halfHour -= 1;
            break;
        case 2:
            state = ClockPageDown(state, visible);
            halfHour += page;
            break;
        case 3:
            state = ClockPageUp(state, visible);
            halfHour -= page;
            break;
        case 4:
            state = ClockHome();
            halfHour = 0;
            break;
        default:
            state = ClockEnd(visible);
            halfHour = 47;
            break;
        }
        halfHour = ((halfHour % 48) + 48) % 48;
        ASSERT_EQ(ClockRowHalfHour(state.selectedRow), halfHour)
            << "step " << i << " " << Shown(state);
        ASSERT_TRUE(state.topRow > 1 || visible >= 48) << Shown(state);
        ASSERT_LT(state.topRow + visible - 1, ClockRowCount(visible)) << Shown(state);
        ASSERT_GE(state.selectedRow, state.topRow) << Shown(state);
        ASSERT_LE(state.selectedRow, state.topRow + visible - 1) << Shown(state);
    }
}

INSTANTIATE_TEST_SUITE_P(VisibleRows, ClockScrollKeys, testing::Values(1, 2, 5, 20, 30, 47),
                         [](const testing::TestParamInfo<int>& info) {
                             return "V" + std::to_string(info.param);
                         });

TEST(ClockScroll, EndsAndOtherScrolling) {
    EXPECT_EQ(ClockRowCount(20), 69);
    EXPECT_EQ(ClockHome(), (ClockScrollState{49, 49}));
    EXPECT_EQ(ClockEnd(20), (ClockScrollState{29, 48}));
    // Down from the last visible row of the day wraps back by a day.
    EXPECT_EQ(ClockLineDown({49, 68}, 20), (ClockScrollState{2, 21}));
    // Up from row 2 at the top wraps forward by a day.
    EXPECT_EQ(ClockLineUp({2, 2}, 20), (ClockScrollState{49, 49}));
    // The scroll bar moved the view to an end.
    EXPECT_EQ(ClockNormalTop(1, 20), 49);
    EXPECT_EQ(ClockNormalTop(50, 20), 2);
    EXPECT_EQ(ClockNormalTop(30, 20), 30);
}
