#pragma once
// xcngrate.dat: the value of one unit of a currency in US dollars, by code. Whether a rate can be used is
// decided here alone, so the window, the command-line tool and the data check agree on it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

// The first line whose field 1 equals the code, exactly (letter case included).
struct RateLine {
    std::size_t Number = 0; // from 1
    std::string_view Text;  // the whole line
};
std::optional<RateLine> FindRateLine(const std::vector<std::string>& lines, std::string_view code);

// Why the rate of a line (its field 2) cannot divide a price, or nothing when it can. The data files' number
// rule reads it (the locale's separator, '.' also).
std::optional<std::string> RateProblem(std::string_view line, char separator);

// The rate of a line that RateProblem accepts; throws DorvikError with the reason otherwise.
double RateOf(std::string_view line, char separator);

} // namespace dorvik
