#include "LocaleClock.h"

#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>

std::string LocaleClock::dateText() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::ostringstream out;
    try {
        out.imbue(std::locale("")); // the user's locale, whatever the program's own is set to
    } catch (const std::runtime_error&) {
        // A locale named in the environment but not installed: the C locale's form.
    }
    out << std::put_time(&local, "%x");
    return out.str();
}
