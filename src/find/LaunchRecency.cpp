#include "LaunchRecency.h"

#include <locale>
#include <stdexcept>

namespace {

// Up to `count` numbers of the text, in order; answers how many were found.
int numbers(std::string_view text, std::int64_t* out, int count, int* digits) {
    int found = 0;
    std::size_t i = 0;
    while (i < text.size() && found < count) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        std::int64_t value = 0;
        int n = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++n)
            if (n < 9)
                value = value * 10 + (text[i] - '0');
        digits[found] = n;
        out[found++] = value;
    }
    return found;
}

} // namespace

DateOrder localeDateOrder() {
    try {
        const std::locale user("");
        switch (std::use_facet<std::time_get<char>>(user).date_order()) {
        case std::time_base::mdy:
            return DateOrder::MonthDayYear;
        case std::time_base::ymd:
        case std::time_base::ydm:
            return DateOrder::YearMonthDay;
        default:
            return DateOrder::DayMonthYear;
        }
    } catch (const std::runtime_error&) {
        return DateOrder::DayMonthYear; // a locale named in the environment but not installed
    }
}

std::int64_t accessStamp(std::string_view accessInfo, DateOrder order) {
    const std::size_t open = accessInfo.find('[');
    const std::size_t close = accessInfo.find(']', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos)
        return 0;
    std::int64_t date[3];
    int digits[3];
    if (numbers(accessInfo.substr(open + 1, close - open - 1), date, 3, digits) != 3)
        return 0;
    std::int64_t time[2] = {0, 0};
    int timeDigits[2];
    numbers(accessInfo.substr(close + 1), time, 2, timeDigits);
    if (digits[0] == 4)
        order = DateOrder::YearMonthDay;
    std::int64_t year, month, day;
    switch (order) {
    case DateOrder::YearMonthDay:
        year = date[0], month = date[1], day = date[2];
        break;
    case DateOrder::MonthDayYear:
        month = date[0], day = date[1], year = date[2];
        break;
    default:
        day = date[0], month = date[1], year = date[2];
        break;
    }
    if (year < 100)
        year += 2000; // a two-digit year
    if (year > 9999 || month < 1 || month > 12 || day < 1 || day > 31 || time[0] > 23 || time[1] > 59)
        return 0;
    return (((year * 100 + month) * 100 + day) * 100 + time[0]) * 100 + time[1];
}
