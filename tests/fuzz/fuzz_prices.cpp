// The price list. Properties: the indexed lookup of every part number of the file (and of a few that are
// not in it) gives exactly what the one rule gives by walking the lines: the first line that is not skipped
// whose trimmed field 3 equals the part number, its field 5 and its field 6 as a price or 0.
#include "core/catalogue/price_list.h"
#include "core/text/fields.h"
#include "core/text/file_bytes.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"
#include "fuzz_support.h"

#include <cmath>

using namespace dorvik;
using fuzz::Require;

namespace {

std::optional<PriceEntry> WalkingTheLines(const std::vector<std::string>& lines, std::string_view partNumber,
                                          char separator) {
    for (const auto& line : lines) {
        if (IsSkippedLine(line) || FieldOf(line, 3) != partNumber)
            continue;
        return PriceEntry{FieldOf(line, 5), ParseNumberOrDefault(FieldOf(line, 6), "0", separator, true)};
    }
    return std::nullopt;
}

void Check(const PriceList& prices, const std::vector<std::string>& lines, std::string_view partNumber,
           char separator) {
    const auto found = prices.FindPriceLine(partNumber);
    const auto expected = WalkingTheLines(lines, partNumber, separator);
    Require(found.has_value() == expected.has_value(), "found exactly when a line matches");
    if (found) {
        Require(found->Description == expected->Description, "the description of the first matching line");
        Require(found->Price == expected->Price || (std::isnan(found->Price) && std::isnan(expected->Price)),
                "the price of the first matching line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::AsText(data, size);
    const char separator = size > 0 && (data[0] & 1) ? ',' : '.';
    const auto lines = SplitLines(text);
    // The whole file's bytes, as the program reads it, and the same file given as lines.
    const PriceList prices(FileBytes(std::string(text)), separator);
    const PriceList fromLines(lines, separator);
    for (const PriceList* list : {&prices, &fromLines}) {
        for (std::size_t i = 0; i < std::min<std::size_t>(lines.size(), 200); ++i)
            Check(*list, lines, FieldOf(lines[i], 3), separator);
        for (const std::string_view absent : {"", " ", "TC-100", "|"})
            Check(*list, lines, absent, separator);
    }
    return 0;
}
