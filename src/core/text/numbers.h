#pragma once
// Reading and writing every number of the program. The decimal separator is always a parameter: the core
// never looks at a global locale.
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

// The program's number rule: leading spaces, an optional sign, digits, optionally the decimal separator and
// more digits, optionally an exponent (E or e, optional sign, digits; no digits counts as 0), then nothing
// but spaces. At least one digit or the separator must follow the sign. No digit grouping; a value too large
// to represent does not read. With alsoPoint, '.' is accepted besides the separator (the data files).
std::optional<double> TryReadNumber(std::string_view text, char separator, bool alsoPoint = false);

// As TryReadNumber; throws ConversionError naming the text when it does not read.
double ReadNumber(std::string_view text, char separator, bool alsoPoint = false);

// The value of defaultText; then, when text is not empty and reads, the value of text. Never fails on text.
double ParseNumberOrDefault(std::string_view text, std::string_view defaultText, char separator,
                            bool alsoPoint = false);

// "%.2f": two decimals, halves away from zero on the exact binary value (0.125 -> 0.13, 1.005 -> 1.00),
// no thousands separator.
std::string FormatFixed2(double value, char separator);

// General format: up to 15 significant digits, no trailing zeros (as %.15g).
std::string FormatGeneral(double value, char separator);

// The shortest text with '.' that reads back as exactly the value (machine-read outputs such as JSON).
std::string FormatRoundTrip(double value);

} // namespace dorvik
