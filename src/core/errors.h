#pragma once
// Error values of the core. Every failure that the program reports is one of these; the window models catch
// them at the edge of each event handler and report them through the platform services.
#include <stdexcept>
#include <string>

namespace dorvik {

class DorvikError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not read as a number: "'%s' is not a valid floating point value".
class ConversionError : public DorvikError {
public:
    explicit ConversionError(const std::string& text);
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
