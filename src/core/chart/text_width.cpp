#include "core/chart/text_width.h"

#include <array>

namespace dorvik {

namespace {

// Advance widths in thousandths of an em for the printable ASCII characters, space to tilde.
constexpr std::array<short, 95> kAsciiWidths{
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr double kOtherWidth = 667; // accented capitals and wider; lower-case letters are narrower
constexpr double kBoldFactor = 1.1;
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

double Thousandths(std::string_view utf8) {
    double total = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            total += kAsciiWidths[static_cast<std::size_t>(byte - 0x20)];
        else if (byte >= 0x80 && !IsContinuation(c))
            total += kOtherWidth;
    }
    return total;
}

} // namespace

double TextWidth(std::string_view utf8, double size, bool bold) {
    return Thousandths(utf8) * size / 1000 * (bold ? kBoldFactor : 1.0);
}

std::string ElideText(std::string_view utf8, double size, double maxWidth) {
    if (TextWidth(utf8, size) <= maxWidth)
        return std::string(utf8);
    const double room = maxWidth - TextWidth(kEllipsis, size);
    std::size_t end = utf8.size();
    while (end > 0 && TextWidth(utf8.substr(0, end), size) > room) {
        --end;
        while (end > 0 && IsContinuation(utf8[end]))
            --end;
    }
    return std::string(utf8.substr(0, end)) + std::string(kEllipsis);
}

} // namespace dorvik
