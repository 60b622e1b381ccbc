// Line splitting, fields and the character set. Properties: reading a file block by block gives the lines of
// splitting it in memory; no line holds a line break or a NUL; the fields of a line, each with its '|', put
// together give the line up to its last '|'; FieldOf is the trimmed raw field; Windows-1252 text shown as
// UTF-8 and encoded back for a file is the same bytes; the comparison of pick lists is a consistent order.
#include "core/text/collation.h"
#include "core/text/fields.h"
#include "core/text/text_file.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace dorvik;
using fuzz::Require;

namespace {

void CheckFields(std::string_view line) {
    const auto bars = static_cast<int>(std::count(line.begin(), line.end(), '|'));
    std::string joined;
    for (int n = 1; n <= std::min(bars, 64); ++n) { // each lookup walks the line from its start
        const auto field = RawFieldOf(line, n);
        Require(field.find('|') == std::string_view::npos, "a field holds no '|'");
        Require(FieldOf(line, n) == Trim(field), "FieldOf is the trimmed raw field");
        joined.append(field);
        joined += '|';
    }
    Require(line.substr(0, joined.size()) == joined, "the fields give the line up to its last '|'");
    Require(RawFieldOf(line, bars + 1).empty() && FieldOf(line, 0).empty(),
            "a field without its '|' is empty");
    IsSkippedLine(line);
}

bool HasUnassignedByte(std::string_view text) {
    return text.find_first_of(std::string_view("\x81\x8D\x8F\x90\x9D", 5)) != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::AsText(data, size);
    const auto lines = SplitLines(text);
    const auto file = fuzz::ScratchFolder() / "lines.dat";
    fuzz::WriteFile(file, text);
    Require(ReadTextLines(file) == lines, "reading the file splits as in memory");
    std::size_t bytes = 0;
    for (const auto& line : lines) {
        Require(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                "no break inside a line");
        bytes += line.size();
        CheckFields(line);
    }
    Require(bytes <= text.size(), "lines hold no more than the text");

    const auto shown = DecodeForDisplay(text);
    Require(IsValidUtf8(shown), "shown text is UTF-8");
    if (!IsValidUtf8(text) && !HasUnassignedByte(text))
        Require(EncodeForFile(shown) == text, "Windows-1252 shown and encoded back is the same bytes");

    // Two texts: the first line and the rest.
    const auto cut = std::min(text.find('\n'), text.size());
    const auto a = text.substr(0, cut);
    const auto b = text.substr(std::min(cut + 1, text.size()));
    const int ab = CompareTextIgnoreCase(a, b);
    Require(ab == -CompareTextIgnoreCase(b, a), "the order is antisymmetric");
    Require((ab == 0) == SameTextIgnoreCase(a, b), "equal in order exactly when the same text");
    Require(CompareTextIgnoreCase(a, a) == 0, "a text is the same as itself");
    return 0;
}
