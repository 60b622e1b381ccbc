#include "core/forms/ancillary/reminder_date.h"
#include "core/text/trim.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <tuple>

namespace dorvik {

namespace {
using namespace std::chrono;

sys_days ToDays(const CalendarDate& date) {
    return sys_days{year{date.year} / month{static_cast<unsigned>(date.month)} /
                    day{static_cast<unsigned>(date.day)}};
}

std::optional<int> Digits(std::string_view text) {
    int value = 0;
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}
} // namespace

CalendarDate AddDays(const CalendarDate& date, long long days) {
    const long long first = ToDays({1, 1, 1}).time_since_epoch().count();
    const long long last = ToDays({9999, 12, 31}).time_since_epoch().count();
    const long long start = ToDays(date).time_since_epoch().count();
    // Clamp before adding: an interval read from a file may be as large as an int.
    const long long target = std::clamp(start + std::clamp(days, first - start, last - start), first, last);
    const year_month_day result{sys_days{sys_days::duration{target}}};
    return {static_cast<int>(result.year()), static_cast<int>(static_cast<unsigned>(result.month())),
            static_cast<int>(static_cast<unsigned>(result.day()))};
}

int CompareDates(const CalendarDate& a, const CalendarDate& b) {
    const auto left = std::tie(a.year, a.month, a.day);
    const auto right = std::tie(b.year, b.month, b.day);
    return left < right ? -1 : right < left ? 1 : 0;
}

std::string FormatIsoDate(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<CalendarDate> ReadIsoDate(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = Digits(text.substr(0, 4));
    const auto m = Digits(text.substr(5, 2));
    const auto d = Digits(text.substr(8, 2));
    if (!y || !m || !d || *y < 1)
        return std::nullopt;
    const year_month_day ymd{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
    if (!ymd.ok())
        return std::nullopt;
    return CalendarDate{*y, *m, *d};
}

} // namespace dorvik
