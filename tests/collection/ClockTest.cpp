#include "collection/Clock.h"

#include <gtest/gtest.h>

namespace {

struct FixedClock : Clock {
    std::string time;
    std::string timeText() const override { return time; }
    std::string dateText() const override { return "10.12.2026"; }
};

TEST(GetTime, KeepsHoursAndMinutesAndPadsAOneDigitHour) {
    const std::pair<const char*, const char*> cases[] = {
        {"09:05:07", "09:05"}, {"9:05:07", "09:05"}, {"23:59:59", "23:59"}, {"0:00:00", "00:00"}, {"12:00:00", "12:00"},
    };
    FixedClock clock;
    for (auto [time, expected] : cases) {
        clock.time = time;
        EXPECT_EQ(getTime(clock), expected) << time;
    }
}

TEST(GetTime, AStoredOneDigitHourNeverMatches) {
    FixedClock clock;
    clock.time = "9:05:07";
    EXPECT_NE(getTime(clock), "9:05");
}

TEST(GetTime, TheSystemClockGivesFiveCharacters) {
    std::string t = getTime(SystemClock{});
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[2], ':');
}

} // namespace
