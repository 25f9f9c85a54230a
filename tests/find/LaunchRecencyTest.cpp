// Reading "Last visited" stamps in the date orders of the locales.
#include "find/LaunchRecency.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AccessStamp, ReadsTheStampInTheLocalesDateOrder) {
    const struct {
        const char* stamp;
        DateOrder order;
        std::int64_t value;
    } cases[] = {
        {"Last visited: [08.12.2026] [01:13]", DateOrder::DayMonthYear, 202612080113},
        {"Last visited: [12/08/2026] [01:13]", DateOrder::MonthDayYear, 202612080113},
        {"Last visited: [2026-12-08] [23:59]", DateOrder::DayMonthYear, 202612082359}, // year first wins
        {"Last visited: [08/12/26] [01:13]", DateOrder::DayMonthYear, 202612080113},
        {"", DateOrder::DayMonthYear, 0},
        {"Last visited: [] [01:13]", DateOrder::DayMonthYear, 0},
        {"Last visited: [13/13/2026] [01:13]", DateOrder::MonthDayYear, 0},
        {"Last visited: [08.12.2026] [25:00]", DateOrder::DayMonthYear, 0},
        {"Last visited: [08.12.2026", DateOrder::DayMonthYear, 0},
        {"Last visited: [99999999999999999999.1.1] [1:1]", DateOrder::YearMonthDay, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(accessStamp(c.stamp, c.order), c.value) << c.stamp;
    EXPECT_LT(accessStamp("Last visited: [31.12.2025] [23:59]", DateOrder::DayMonthYear),
              accessStamp("Last visited: [01.01.2026] [00:00]", DateOrder::DayMonthYear));
}

} // namespace
