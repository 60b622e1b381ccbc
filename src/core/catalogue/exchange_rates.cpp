#include "core/catalogue/exchange_rates.h"

#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dorvik {

namespace {

// A rule that makes a rate which reads as a number unusable: the reason, or nothing.
using RateRule = std::optional<std::string> (*)(double rate);

std::optional<std::string> NotAboveZero(double rate) {
    if (!(rate > 0) || !std::isfinite(rate))
        return "a rate must be a number above 0";
    return std::nullopt;
}

// So small that dividing by it overflows (1e-320): every converted price would have no value.
std::optional<std::string> QuotientNotFinite(double rate) {
    if (!std::isfinite(1.0 / rate))
        return "a price divided by it has no finite value";
    return std::nullopt;
}

// Checked in order; the first that applies is the reason given.
constexpr std::array<RateRule, 2> kRateRules{{NotAboveZero, QuotientNotFinite}};

} // namespace

std::optional<RateLine> FindRateLine(const std::vector<std::string>& lines, std::string_view code) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (FieldOf(lines[i], 1) == code)
            return RateLine{i + 1, lines[i]};
    return std::nullopt;
}

std::optional<std::string> RateProblem(std::string_view line, char separator) {
    const std::string text = FieldOf(line, 2);
    if (text.empty()) {
        if (std::count(line.begin(), line.end(), '|') < 2)
            return "the rate needs a \"|\" after it";
        return "the rate is empty";
    }
    const auto rate = TryReadNumber(text, separator, /*alsoPoint=*/true);
    if (!rate)
        return ConversionError(text).what();
    for (const RateRule rule : kRateRules)
        if (auto reason = rule(*rate))
            return reason;
    return std::nullopt;
}

double RateOf(std::string_view line, char separator) {
    if (const auto problem = RateProblem(line, separator))
        throw DorvikError(*problem);
    return ReadNumber(FieldOf(line, 2), separator, /*alsoPoint=*/true);
}

} // namespace dorvik
