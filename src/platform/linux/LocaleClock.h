// The local clock, with dates in the short date form of the user's locale (LC_TIME), as the
// "Last visited" stamps show them: 08.12.2026 in a German locale, 12/08/2026 in an American one.
#pragma once

#include "collection/Clock.h"

class LocaleClock : public SystemClock {
public:
    std::string dateText() const override;
};
