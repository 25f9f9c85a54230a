// How recently an item was launched, read from its "Last visited: [date] [hh:mm]" stamp. The date is
// in the short form of the user's locale, so its order of day, month and year is the locale's.
#pragma once

#include <cstdint>
#include <string_view>

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The order of the short date form of the user's locale (LC_TIME); day, month, year where the locale
// does not say.
DateOrder localeDateOrder();

// A number that grows with the time of the stamp (year, month, day, hour, minute), 0 for an empty or
// unreadable stamp. A date whose first number has four digits is read as year first whatever the order.
std::int64_t accessStamp(std::string_view accessInfo, DateOrder order);
