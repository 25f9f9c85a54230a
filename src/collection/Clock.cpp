#include "Clock.h"

#include <ctime>

namespace {
std::string formatNow(const char* format) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::size_t n = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, n);
}
} // namespace

std::string SystemClock::timeText() const { return formatNow("%H:%M:%S"); }

std::string SystemClock::dateText() const { return formatNow("%d.%m.%Y"); }

std::string clockText(const std::string& timeText) {
    std::string text = timeText.substr(0, 5);
    if (text.rfind(':') == 4)
        text = ("0" + text).substr(0, 5);
    return text;
}

std::string getTime(const Clock& clock) { return clockText(clock.timeText()); }
