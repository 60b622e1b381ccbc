#include "core/errors.h"

namespace dorvik {

namespace {
constexpr std::size_t kExcerptLength = 60;
} // namespace

std::string QuotedExcerpt(std::string_view text) {
    if (text.size() <= kExcerptLength)
        return std::string(text);
    std::size_t cut = kExcerptLength;
    // Not inside a UTF-8 sequence: step back over continuation bytes (a few at most).
    for (int step = 0; step < 3 && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80; ++step)
        --cut;
    return std::string(text.substr(0, cut)) + "...";
}

ConversionError::ConversionError(std::string_view text)
    : DorvikError("'" + QuotedExcerpt(text) + "' is not a valid floating point value"),
      text_(QuotedExcerpt(text)) {}

} // namespace dorvik
