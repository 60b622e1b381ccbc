#pragma once
// Calendar days of the update reminder, written in ISO form (YYYY-MM-DD) so that update.ini reads the same
// whatever the user's date format.
#include "core/forms/services.h"

#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

// The date n calendar days later (earlier for a negative n), kept within the years 1 to 9999.
CalendarDate AddDays(const CalendarDate& date, long long days);

// -1, 0 or 1 as a is before, equal to or after b.
int CompareDates(const CalendarDate& a, const CalendarDate& b);

std::string FormatIsoDate(const CalendarDate& date);

// "YYYY-MM-DD" naming a real day (blanks around allowed); nothing otherwise.
std::optional<CalendarDate> ReadIsoDate(std::string_view text);

} // namespace dorvik
