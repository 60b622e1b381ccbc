#include "core/errors.h"

namespace dorvik {

ConversionError::ConversionError(const std::string& text)
    : DorvikError("'" + text + "' is not a valid floating point value"), text_(text) {}

} // namespace dorvik
