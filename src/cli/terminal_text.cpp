#include "cli/terminal_text.h"

#include "core/text/text_file.h"

namespace dorvik::cli {

std::string TerminalText(std::string_view bytes, bool keepLineBreaks) {
    std::string text = DecodeForDisplay(bytes);
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c1)
            ++i; // U+0080 to U+009F: two bytes, one character
        if ((c < 0x20 && !(keepLineBreaks && c == '\n')) || c == 0x7F || c1)
            shown += '?';
        else
            shown += text[i];
    }
    return shown;
}

} // namespace dorvik::cli
