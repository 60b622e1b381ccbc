#include "core/text/trim.h"

namespace dorvik {

namespace {
template <typename Strip> std::string_view TrimWhere(std::string_view text, Strip strip) {
    while (!text.empty() && strip(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && strip(text.back()))
        text.remove_suffix(1);
    return text;
}
} // namespace

std::string_view Trim(std::string_view text) {
    return TrimWhere(text, IsBlankOrControl);
}

std::string_view TrimBlanks(std::string_view text) {
    return TrimWhere(text, [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace dorvik
