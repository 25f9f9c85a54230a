// The clock text "hh:mm" that item times are compared with and stamps are written with.
#pragma once

#include <string>

// Source of the local time of day; tests set their own.
class Clock {
public:
    virtual ~Clock() = default;
    // The local time as "hh:mm:ss" (24-hour) in the system's own form; the hour may have one digit.
    virtual std::string timeText() const = 0;
    // The local date in the system's short form, for "Last visited" stamps.
    virtual std::string dateText() const = 0;
};

// The real local clock.
class SystemClock : public Clock {
public:
    std::string timeText() const override;
    std::string dateText() const override;
};

// The first five characters of the clock's time text, with a leading "0" added to a one-digit hour.
std::string getTime(const Clock& clock);
// The same rule applied to a given time text.
std::string clockText(const std::string& timeText);
