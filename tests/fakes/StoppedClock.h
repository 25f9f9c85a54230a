// A clock stopped at 8 December 2026, 01:13:45, in the day.month.year short date form; tests may
// set another time.
#pragma once

#include "collection/Clock.h"

#include <string>

struct StoppedClock : Clock {
    std::string time = "01:13:45";
    std::string timeText() const override { return time; }
    std::string dateText() const override { return "08.12.2026"; }
};
