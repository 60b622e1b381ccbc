#include "core/text/numbers.h"

#include "core/errors.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <system_error>

// Every compiler here builds these two, the WebAssembly one too (its standard library has no floating-point
// std::from_chars/to_chars): every build reads and writes the same bytes.
#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace dorvik {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithSeparator(std::string text, char separator) {
    if (separator != '.') {
        for (char& c : text)
            if (c == '.')
                c = separator;
    }
    return text;
}
// The decimal exponent of the first significant digit of intDigits.fracDigits times 10^exponent, or nothing
// when every digit is zero; the digit texts may hold other characters (the separator), which are skipped.
std::optional<long long> DecimalOrder(std::string_view intDigits, std::string_view fracDigits,
                                      long long exponent) {
    long long significant = 0;
    for (const char c : intDigits)
        if (IsDigit(c) && (significant > 0 || c != '0'))
            ++significant;
    if (significant > 0)
        return significant - 1 + exponent;
    long long leadingZeros = 0;
    for (const char c : fracDigits) {
        if (!IsDigit(c))
            break;
        if (c != '0')
            return -leadingZeros - 1 + exponent;
        ++leadingZeros;
    }
    return std::nullopt;
}

// Exponents saturate here instead of overflowing: far beyond any digit count a text can have, so that a
// saturated exponent still decides between too large and zero.
constexpr long long kExponentLimit = 1'000'000'000'000'000LL;
// Orders of magnitude outside these never need the exact conversion: above, no double holds the value; below,
// it rounds to zero (the smallest double is about 4.9e-324).
constexpr long long kLargestOrder = 308;
constexpr long long kSmallestOrder = -400;

// Digits with at most one '.' between digits, short enough that the value can be neither too large nor too
// small: most figures of the data files ("0", "1.05"), read as they stand to the value the general reading
// gives.
std::optional<double> PlainDecimal(std::string_view text, bool pointReads) {
    if (text.empty() || text.size() > 32 || !IsDigit(text.front()) || !IsDigit(text.back()))
        return std::nullopt;
    int points = 0;
    for (const char c : text) {
        if (c == '.')
            ++points;
        else if (!IsDigit(c))
            return std::nullopt;
    }
    if (points > (pointReads ? 1 : 0))
        return std::nullopt;
    double value = 0.0;
    const auto [ptr, ec] = fast_float::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> TryReadNumber(std::string_view text, char separator, bool alsoPoint) {
    if (const auto plain = PlainDecimal(text, separator == '.' || alsoPoint))
        return plain;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    // The number in a form fast_float reads: sign, digits, '.', digits, 'e', sign, digits.
    std::string canonical;
    canonical.reserve(n + 4);
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            canonical += '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < n && IsDigit(text[i]))
        canonical += text[i++];
    const bool hasInt = i > intStart;
    bool hasSeparator = false;
    if (i < n && (text[i] == separator || (alsoPoint && text[i] == '.'))) {
        hasSeparator = true;
        ++i;
    }
    if (!hasInt)
        canonical += '0';
    canonical += '.';
    const std::size_t fracStart = i;
    while (i < n && IsDigit(text[i]))
        canonical += text[i++];
    if (i == fracStart)
        canonical += '0';
    if (!hasInt && !hasSeparator)
        return std::nullopt;
    long long exponentValue = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            ++i;
        }
        while (i < n && IsDigit(text[i])) {
            if (exponentValue < kExponentLimit)
                exponentValue = exponentValue * 10 + (text[i] - '0');
            ++i;
        }
        if (negative)
            exponentValue = -exponentValue;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    const double zero = canonical.front() == '-' ? -0.0 : 0.0;
    const auto order =
        DecimalOrder(text.substr(intStart, fracStart - intStart), text.substr(fracStart), exponentValue);
    if (!order || *order < kSmallestOrder)
        return zero;
    if (*order > kLargestOrder)
        return std::nullopt;
    canonical += 'e';
    canonical += std::to_string(exponentValue);
    double value = 0.0;
    const auto* first = canonical.data();
    const auto* last = canonical.data() + canonical.size();
    const auto [ptr, ec] = fast_float::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    // Too large to represent does not read (it comes back infinite); too small reads as zero, as it comes.
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

double ReadNumber(std::string_view text, char separator, bool alsoPoint) {
    if (const auto value = TryReadNumber(text, separator, alsoPoint))
        return *value;
    throw ConversionError(text);
}

double ParseNumberOrDefault(std::string_view text, std::string_view defaultText, char separator,
                            bool alsoPoint) {
    double result = TryReadNumber(defaultText, separator, alsoPoint).value_or(0.0);
    if (!text.empty()) {
        if (const auto value = TryReadNumber(text, separator, alsoPoint))
            result = *value;
    }
    return result;
}

std::string FormatFixed2(double value, char separator) {
    if (!std::isfinite(value))
        throw ComputationError("Cannot format a value that is not a finite number.");
    // fmt rounds the exact binary value, ties to even. A tie at the third decimal is x.125, x.375, x.625
    // or x.875, exactly the values whose eightfold is an odd integer: those are rounded away from zero here,
    // at every magnitude (such a value is below 2^50, so its whole part fits).
    const double magnitude = std::fabs(value);
    const double eighths = magnitude * 8.0;
    if (eighths < 9007199254740992.0 && std::fmod(eighths, 2.0) == 1.0) {
        static constexpr std::array<const char*, 8> kRoundedEighths{"", "13", "", "38", "", "63", "", "88"};
        std::string out = value < 0 ? "-" : "";
        out += std::to_string(static_cast<std::uint64_t>(magnitude));
        out += separator;
        out += kRoundedEighths[static_cast<std::size_t>(std::fmod(eighths, 8.0))];
        return out;
    }
    std::string out = fmt::format("{:.2f}", value);
    // A negative value that rounds to zero shows no sign.
    if (out.front() == '-' && out.find_first_of("123456789") == std::string::npos)
        out.erase(0, 1);
    return WithSeparator(std::move(out), separator);
}

std::string FormatGeneral(double value, char separator) {
    if (!std::isfinite(value))
        throw ComputationError("Cannot format a value that is not a finite number.");
    return WithSeparator(fmt::format("{:.15g}", value), separator);
}

std::string FormatRoundTrip(double value) {
    if (!std::isfinite(value))
        throw ComputationError("Cannot format a value that is not a finite number.");
    // The shortest text that reads back as the same double.
    return fmt::format("{}", value);
}

} // namespace dorvik
