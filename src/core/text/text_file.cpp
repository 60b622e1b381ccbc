#include "core/text/text_file.h"

#include "core/errors.h"
#include "core/text/file_bytes.h"
#include "core/text/line_views.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace dorvik {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    return std::string(FileBytes::Read(path).View());
}

std::vector<std::string> ReadTextLines(const std::filesystem::path& path) {
    return SplitLines(FileBytes::Read(path).View());
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static constexpr std::array<char32_t, 4> kMin{0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes, shown as U+FFFD.
constexpr std::array<char32_t, 32> kCp1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::u32string DecodeCodePoints(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    if (!IsValidUtf8(bytes)) {
        for (const char ch : bytes) {
            const auto c = static_cast<unsigned char>(ch);
            out +=
                (c >= 0x80 && c < 0xA0 && kCp1252High[c - 0x80] != 0) ? kCp1252High[c - 0x80] : char32_t{c};
        }
        return out;
    }
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : 3;
        char32_t cp = extra == 0 ? c : c & (extra == 1 ? 0x1F : extra == 2 ? 0x0F : 0x07);
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        out += cp;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string DecodeForDisplay(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char32_t c : DecodeCodePoints(bytes))
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? 0xFFFD : c); // the unassigned bytes
    return out;
}

std::string EncodeForFile(std::string_view utf8) {
    if (!IsValidUtf8(utf8))
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (const char32_t cp : DecodeCodePoints(utf8)) {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        const auto high = std::find(kCp1252High.begin(), kCp1252High.end(), cp);
        if (high == kCp1252High.end())
            return std::string(utf8);
        out += static_cast<char>(0x80 + (high - kCp1252High.begin()));
    }
    return out;
}

} // namespace dorvik
