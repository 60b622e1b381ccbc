// The number module. Properties: reading never throws and gives a finite value or nothing; the general format
// of a value reads back to the same general format (15 digits are stable), except above the largest double;
// "%.2f" reads back within half a hundredth, never shows a negative zero, and rounds an exact tie away from
// zero (checked against the exact three-decimal expansion).
#include "core/text/numbers.h"
#include "fuzz_support.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

using namespace dorvik;
using fuzz::Require;

namespace {

// "%.2f" of an exact tie, from its exact three-decimal digits: the two-decimal part plus one hundredth.
std::string TieRoundedAway(double value) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 3);
    Require(ec == std::errc() && end[-1] == '5', "a tie has an exact third decimal of 5");
    std::string digits(buffer, end - 1); // without the 5
    digits.erase(digits.find('.'), 1);
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
        digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0)
        digits.insert(digits.begin(), '1');
    else
        ++digits[static_cast<std::size_t>(i)];
    digits.insert(digits.size() - 2, ".");
    return (value < 0 ? "-" : "") + digits;
}

void CheckFormats(double value, char separator) {
    const std::string general = FormatGeneral(value, separator);
    if (const auto again = TryReadNumber(general, separator))
        Require(FormatGeneral(*again, separator) == general, "the general format is stable");
    else
        Require(std::fabs(value) > 1.797693134862315e308,
                "only values rounding above the largest double do not read back");

    const std::string fixed = FormatFixed2(value, separator);
    Require(fixed.find(separator) == fixed.size() - 3, "two decimals after the separator");
    const auto back = TryReadNumber(fixed, separator);
    Require(back.has_value(), "\"%.2f\" reads back");
    const double tolerance = 0.005 + std::fabs(value) * 4.5e-16 + std::numeric_limits<double>::denorm_min();
    Require(std::fabs(*back - value) <= tolerance, "\"%.2f\" is within half a hundredth");
    if (*back == 0)
        Require(fixed.front() != '-', "no negative zero");
    const double eighths = std::fabs(value) * 8;
    if (eighths < 9007199254740992.0 && std::fmod(eighths, 2.0) == 1.0) {
        std::string expected = TieRoundedAway(value);
        if (separator != '.')
            expected[expected.find('.')] = separator;
        Require(fixed == expected, "an exact tie rounds away from zero");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::AsText(data, size);
    for (const char separator : {'.', ','}) {
        const auto value = TryReadNumber(text, separator, /*alsoPoint=*/separator == ',');
        if (!value)
            continue;
        Require(std::isfinite(*value), "a value read is finite");
        Require(ParseNumberOrDefault(text, "7", separator, separator == ',') == *value,
                "ParseNumberOrDefault takes a text that reads");
        CheckFormats(*value, separator);
    }
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            CheckFormats(raw, '.');
    }
    return 0;
}
