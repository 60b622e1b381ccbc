#pragma once
// Error values of the core. Every failure that the program reports is one of these; the window models catch
// them at the edge of each event handler and report them through the platform services.
#include <stdexcept>
#include <string>
#include <string_view>

namespace dorvik {

// A text of the data as it is quoted in a message: cut to a readable length ("..." marks the cut), so that a
// field of megabytes never makes a message of megabytes.
std::string QuotedExcerpt(std::string_view text);

class DorvikError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not read as a number: "'%s' is not a valid floating point value", the text cut as by
// QuotedExcerpt; Text() keeps that excerpt.
class ConversionError : public DorvikError {
public:
    explicit ConversionError(std::string_view text);
    const std::string& Text() const noexcept { return text_; }

private:
    std::string text_;
};

// A computation without a value (logarithm of a non-positive number, division by zero, NaN, infinity).
class ComputationError : public DorvikError {
public:
    using DorvikError::DorvikError;
};

// A file that cannot be read or written; the message names the file.
class FileError : public DorvikError {
public:
    using DorvikError::DorvikError;
};

} // namespace dorvik
