// The timer's timed actions: every item due at the current "hh:mm" fires once per run.
#pragma once

#include "collection/Clock.h"
#include "collection/Outline.h"

#include <functional>
#include <string>

struct TimedActionServices {
    // A balloon at the notification-area icon: title, text, time-out in seconds.
    std::function<void(const std::string&, const std::string&, int)> balloon;
    // Launches one item (BrowseNodeURL with launch mode 0).
    std::function<void(Node*)> launch;
};

inline constexpr const char* kReminderTitle = "Notification:";
inline constexpr const char* kReminderSuffix = " is about to be opened";
inline constexpr int kReminderSeconds = 10;
inline constexpr int kTimerIntervalMs = 2000;

// Walks every item (collapsed and hidden ones too) whose Time equals getTime and whose Fired is 0:
// a balloon when Remind is set, a launch when Execute is set, and Fired := 255 in any case.
void FireTimedActions(Outline& outline, const Clock& clock, const TimedActionServices& services);
