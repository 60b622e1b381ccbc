#pragma once
// The line rules of the data files over a text in memory, as views into it: split at CR LF, at a lone CR and
// at a lone LF; a NUL ends the text; a line break after the last line does not make an empty last line.
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dorvik {

// The first CR, LF or NUL in [p, end), or end. Sixteen bytes at a time where the processor allows: this scan
// is most of the cost of reading a large file.
inline const char* FindLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i nul = _mm_setzero_si128();
    while (end - p >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)),
                                          _mm_cmpeq_epi8(chunk, nul));
        if (const int mask = _mm_movemask_epi8(hits); mask != 0)
            return p + __builtin_ctz(static_cast<unsigned>(mask));
        p += 16;
    }
#endif
    while (p < end && *p != '\r' && *p != '\n' && *p != '\0')
        ++p;
    return p;
}

// Visits the lines of a text in order, as views into the text, up to its first NUL, while visit returns true.
template <typename Visit> void ForEachLineWhile(std::string_view text, Visit&& visit) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* lineEnd = FindLineEnd(p, end);
        // At a NUL the text ends: a line cut there still counts, an empty one after a break does not.
        if (lineEnd < end && *lineEnd == '\0') {
            if (lineEnd > p)
                visit(std::string_view(p, static_cast<std::size_t>(lineEnd - p)));
            return;
        }
        if (!visit(std::string_view(p, static_cast<std::size_t>(lineEnd - p))) || lineEnd == end)
            return;
        p = lineEnd + 1;
        if (*lineEnd == '\r' && p < end && *p == '\n')
            ++p;
    }
}

// Visits every line of a text in order, as a view into the text, up to its first NUL.
template <typename Visit> void ForEachLine(std::string_view text, Visit&& visit) {
    ForEachLineWhile(text, [&visit](std::string_view line) {
        visit(line);
        return true;
    });
}

// The line (from 1) of the text's first NUL, where the text ends for its readers; 0 when it holds none.
inline std::size_t NulByteLine(std::string_view text) {
    const std::size_t at = text.find('\0');
    if (at == std::string_view::npos)
        return 0;
    std::size_t lines = 0;
    ForEachLine(text.substr(0, at), [&lines](std::string_view) { ++lines; });
    // A NUL between the CR and the LF of a line break belongs to the line they end.
    const bool inBreak = at + 1 < text.size() && text[at + 1] == '\n';
    const bool atLineStart = at == 0 || text[at - 1] == '\n' || (text[at - 1] == '\r' && !inBreak);
    return atLineStart ? lines + 1 : lines;
}

// What a reader says of a file cut at a NUL, so the lines it lost are never lost silently.
inline std::string NulByteMessage(std::size_t line) {
    return "the file holds a NUL byte at line " + std::to_string(line) + "; the rest was not read";
}

// "NAME: " and that message when the text holds a NUL, else nothing: what every loader of a file says.
inline std::optional<std::string> NulByteProblem(std::string_view text, std::string_view fileName) {
    const std::size_t line = NulByteLine(text);
    if (line == 0)
        return std::nullopt;
    return std::string(fileName) + ": " + NulByteMessage(line);
}

// The line that starts at p, up to its line break, its NUL or the end of the text.
inline std::string_view LineFrom(std::string_view text, std::size_t start) {
    const char* p = text.data() + start;
    return {p, static_cast<std::size_t>(FindLineEnd(p, text.data() + text.size()) - p)};
}

// The lines of a text, as views into it.
inline std::vector<std::string_view> LineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

} // namespace dorvik
