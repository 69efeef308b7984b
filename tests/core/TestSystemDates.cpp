#include "core/SystemDates.h"

#include <gtest/gtest.h>

TEST(DateConventionsFromPosixFormat, OrderAndSeparator) {
    struct Row {
        const char* format;
        DateOrder order;
        char separator;
    };
    const Row rows[] = {
        {"%m/%d/%y", DateOrder::MonthDayYear, '/'},     // C and en_US
        {"%d.%m.%Y", DateOrder::DayMonthYear, '.'},     // de_DE
        {"%d/%m/%Y", DateOrder::DayMonthYear, '/'},     // en_GB, fr_FR
        {"%Y-%m-%d", DateOrder::YearMonthDay, '-'},     // sv_SE
        {"%Y年%m月%d日", DateOrder::YearMonthDay, '/'}, // ja_JP: no ASCII separator
        {"%D", DateOrder::MonthDayYear, '/'},           {"%F", DateOrder::YearMonthDay, '-'},
        {"%e.%m.%Y", DateOrder::DayMonthYear, '.'},     {"", DateOrder::YearMonthDay, '/'},
    };
    for (const Row& row : rows) {
        const DateConventions d = DateConventionsFromPosixFormat(row.format);
        EXPECT_EQ(d.order, row.order) << row.format;
        EXPECT_EQ(d.separator, row.separator) << row.format;
    }
}
