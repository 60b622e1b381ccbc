#include "core/catalogue/price_list.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace dorvik {
namespace {

struct Lookup {
    std::string PartNumber;
    bool Found;
    std::string Description;
    double Price;
};

// Each lookup as the index of the whole list answers it, and as one pass for all of them does.
void ExpectLookups(const PriceList& prices, const std::vector<Lookup>& lookups) {
    PriceList prepared = prices;
    std::vector<std::string_view> partNumbers;
    for (const auto& l : lookups)
        partNumbers.push_back(l.PartNumber);
    prepared.PrepareLookups(partNumbers);
    for (const PriceList* list : {&prices, static_cast<const PriceList*>(&prepared)}) {
        for (const auto& l : lookups) {
            SCOPED_TRACE(l.PartNumber + (list == &prepared ? " (prepared)" : ""));
            const auto entry = list->FindPriceLine(l.PartNumber);
            ASSERT_EQ(entry.has_value(), l.Found);
            if (entry) {
                EXPECT_EQ(entry->Description, l.Description);
                EXPECT_EQ(entry->Price, l.Price);
            }
            EXPECT_EQ(list->FindPrice(l.PartNumber), l.Found ? std::optional(l.Price) : std::nullopt);
        }
    }
}

TEST(PriceList, FindsTheFirstNonSkippedLineByTrimmedField3) {
    const PriceList prices(
        {
            "# VEL|CAB|VF4-50|FT|commented out|9.99|",
            " VEL|CAB|VF4-50|FT|indented|8.88|",
            "",
            ";|x|VF5-50|FT|semicolon|1|",
            "[Prices]",
            "^|x|VF5-50|FT|caret|1|",
            "`|x|VF5-50|FT|grave|1|",
            "{|x|VF5-50|FT|brace|1|",
            "~|x|VF5-50|FT|tilde|1|",
            "VEL|CAB|  VF4-50 \t|FT|  1/2 in foam coax  |  2.35 |",
            "VEL|CAB|VF4-50|FT|second entry|3.00|",
            "VEL|CAB|VF5-50|FT|7/8 in foam coax|4.90|",
            "VEL|CON|V4NM|EA|N male|not a price|",
            "VEL|CON|V4NF|EA|N female|",
            "VEL|CON|V4DM|EA|7-16 DIN male|45.5",
            "VEL|CON|V4DF|EA|7-16 DIN female||",
            "VEL|CON|V4QM|EA|4.3-10 male|4.25e1|extra|fields|",
        },
        '.');
    ExpectLookups(prices, {
                              {"VF4-50", true, "1/2 in foam coax", 2.35},
                              {"VF5-50", true, "7/8 in foam coax", 4.90},
                              {"V4NM", true, "N male", 0},
                              {"V4NF", true, "N female", 0},
                              {"V4DM", true, "7-16 DIN male", 0},
                              {"V4DF", true, "7-16 DIN female", 0},
                              {"V4QM", true, "4.3-10 male", 42.5},
                              {"vf4-50", false, "", 0},
                              {" VF4-50", false, "", 0},
                              {"VF7-50", false, "", 0},
                          });
}

// Part numbers that share their first 16 bytes, or all of a shorter one's, differ only in their tails.
TEST(PriceList, LongPartNumbersAreToldApartPastTheirFirstBytes) {
    const PriceList prices({"V|C|VB000123-C01-LPG|EA|sixteen|1|", "V|C|VB000123-C01-LPG1|EA|seventeen|2|",
                            "V|C|VB000123-C01-LPG2|EA|other tail|3|",
                            "V|C|VB000123-C01-LPG2-ANTENNA-MOUNT|EA|long|4|",
                            "V|C|VB000123-C01-LPG2-ANTENNA-MOUNS|EA|last byte|5|"},
                           '.');
    ExpectLookups(prices, {
                              {"VB000123-C01-LPG", true, "sixteen", 1},
                              {"VB000123-C01-LPG1", true, "seventeen", 2},
                              {"VB000123-C01-LPG2", true, "other tail", 3},
                              {"VB000123-C01-LPG2-ANTENNA-MOUNT", true, "long", 4},
                              {"VB000123-C01-LPG2-ANTENNA-MOUNS", true, "last byte", 5},
                              {"VB000123-C01-LPG3", false, "", 0},
                              {"VB000123-C01-LPG2-ANTENNA-MOUNX", false, "", 0},
                              {"VB000123-C01-LP", false, "", 0},
                          });
}

TEST(PriceList, PricesReadWithTheLocaleSeparatorOrPoint) {
    const PriceList prices({"a|b|P1|c|one|2,5|", "a|b|P2|c|two|3.25|", "a|b|P3|c|three|1.000,5|"}, ',');
    ExpectLookups(prices, {{"P1", true, "one", 2.5}, {"P2", true, "two", 3.25}, {"P3", true, "three", 0}});
}

// Read from the file's bytes: a line ends at a lone CR as at a LF, so a field never runs on into the next
// line, and nothing after a NUL is ever found.
TEST(PriceList, TheFileSplitsAtEveryLineBreakAndEndsAtTheNul) {
    using namespace std::string_literals;
    const PriceList prices(FileBytes("V|C|P1|EA|one\rtwo|3|\r\nV|C|P2|EA|two|2.5|\rV|C|P3|EA|three|3|\n"
                                     "V|C|P4|EA|four|4|\0V|C|P5|EA|five|5|\n"s),
                           '.');
    ExpectLookups(prices, {
                              {"P1", true, "", 0}, // its line is "V|C|P1|EA|one": no field 5
                              {"P2", true, "two", 2.5},
                              {"P3", true, "three", 3},
                              {"P4", true, "four", 4},
                              {"P5", false, "", 0},
                              {"two", false, "", 0},
                          });
    EXPECT_EQ(prices.LineCount(), 5U);
}

// A pass stops once every part number it asks for has its line; a later pass finds the first line of each new
// part number all the same, and a part number never asked for is still found.
TEST(PriceList, PassesInTurnKeepTheFirstLineOfEachPartNumber) {
    PriceList prices({"V|C|A|EA|first A|1|", "V|C|B|EA|first B|2|", "V|C|A|EA|second A|3|",
                      "V|C|C|EA|first C|4|", "V|C|B|EA|second B|5|", "V|C|D|EA|only D|6|"},
                     '.');
    const std::vector<std::vector<std::string_view>> passes{{"A", "A"}, {"B", "C", "A"}, {"E", "B"}, {"D"}};
    for (const auto& pass : passes)
        prices.PrepareLookups(pass);
    EXPECT_EQ(prices.FindPriceLine("A")->Description, "first A");
    EXPECT_EQ(prices.FindPriceLine("B")->Description, "first B");
    EXPECT_EQ(prices.FindPriceLine("C")->Description, "first C");
    EXPECT_EQ(prices.FindPriceLine("D")->Description, "only D");
    EXPECT_FALSE(prices.FindPriceLine("E"));
    EXPECT_FALSE(prices.FindPriceLine("F"));
}

TEST(PriceList, EmptyListFindsNothing) {
    EXPECT_FALSE(PriceList().FindPriceLine("VF4-50"));
    EXPECT_FALSE(PriceList(std::vector<std::string>{}, '.').FindPriceLine(""));
    EXPECT_FALSE(PriceList(FileBytes(), '.').FindPriceLine(""));
}

TEST(PriceList, ManyLinesAndCopiesKeepTheirIndex) {
    std::vector<std::string> lines;
    for (int i = 0; i < 5000; ++i)
        lines.push_back("V|C|P" + std::to_string(i) + "|EA|part " + std::to_string(i) + "|" +
                        std::to_string(i) + "|");
    lines.push_back("V|C|P17|EA|duplicate|0|");
    // Copies of a key at every distance the loader may hold lines back over, also among the last lines.
    const std::vector<std::size_t> distances{1, 2, 15, 16, 17, 33, 200};
    for (std::size_t d : distances) {
        const std::string key = "D" + std::to_string(d);
        lines.insert(lines.begin() + 1000, "V|C|" + key + "|EA|first|1|");
        lines.insert(lines.begin() + 1000 + static_cast<std::ptrdiff_t>(d), "V|C|" + key + "|EA|later|2|");
    }
    for (const char* text :
         {"V|C|E|EA|first|1|", "V|C|E|EA|later|2|", "V|C|F|EA|first|1|", "V|C|F|EA|later|2|"})
        lines.push_back(text);
    PriceList original(std::move(lines), '.');
    const PriceList copy = original;
    // The same lookups after one pass for them all (its lines are held back as the index's are).
    PriceList prepared = original;
    std::vector<std::string> asked{"P17", "D1", "D2", "D15", "D16", "D17", "D33", "D200", "E", "F", "P5000"};
    for (int i = 0; i < 5000; i += 7)
        asked.push_back("P" + std::to_string(i));
    prepared.PrepareLookups(std::vector<std::string_view>(asked.begin(), asked.end()));
    const PriceList moved = std::move(original);
    for (const PriceList* prices : {&copy, &moved, static_cast<const PriceList*>(&prepared)}) {
        for (int i = 0; i < 5000; i += 7) {
            const auto entry = prices->FindPriceLine("P" + std::to_string(i));
            ASSERT_TRUE(entry);
            EXPECT_EQ(entry->Description, "part " + std::to_string(i));
            EXPECT_EQ(entry->Price, i);
        }
        EXPECT_EQ(prices->FindPriceLine("P17")->Description, "part 17");
        for (const std::string key : {"D1", "D2", "D15", "D16", "D17", "D33", "D200", "E", "F"}) {
            const auto entry = prices->FindPriceLine(key);
            ASSERT_TRUE(entry) << key;
            EXPECT_EQ(entry->Description, "first") << key;
        }
        EXPECT_FALSE(prices->FindPriceLine("P5000"));
        EXPECT_EQ(prices->LineCount(), 5001U + 2 * distances.size() + 4);
    }
}

enum class Order { Catalogue, Sorted, Shuffled };
enum class Place { Start, Middle, Last, Absent };

// A maker's list of other part numbers in the given order (the search's own "V" family first, sorted after
// the "U" accessories, or shuffled), with the lines of VF4-50 placed in it: its line, skipped copies before
// it and a later copy after it where there is room. CR LF line breaks, none after the last line.
std::string ListWith(Order order, Place place, std::vector<std::string>& family) {
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i) {
        family.push_back("V" + std::to_string(1000 + i));
        lines.push_back("VEL|CON|" + family.back() + "|EA|family " + std::to_string(i) + "|" +
                        std::to_string(i) + "|");
    }
    for (int i = 0; i < 3000; ++i)
        lines.push_back("VEL|ACC|U" + std::to_string(10000 + i) + "|EA|accessory|1|");
    if (order == Order::Sorted)
        std::sort(lines.begin(), lines.end(),
                  [](const std::string& a, const std::string& b) { return a.substr(8) < b.substr(8); });
    if (order == Order::Shuffled)
        std::shuffle(lines.begin(), lines.end(), std::mt19937(7));
    const std::vector<std::string> skipped{"# VEL|CAB|VF4-50|FT|commented|9|",
                                           " VEL|CAB|VF4-50|FT|indented|8|", "VEL|CAB|VF4-500|FT|longer|7|",
                                           "VEL|CAB|vf4-50|FT|lower case|6|"};
    const auto at = [&lines](std::size_t index) {
        return lines.begin() + static_cast<std::ptrdiff_t>(index);
    };
    const std::size_t middle = lines.size() / 2;
    if (place == Place::Start || place == Place::Middle)
        lines.insert(at(place == Place::Middle ? lines.size() : middle), "VEL|CAB|VF4-50|FT|later|5|");
    if (place != Place::Absent)
        lines.insert(at(place == Place::Start    ? 0
                        : place == Place::Middle ? middle
                                                 : lines.size()),
                     "VEL|CAB| VF4-50\t|FT|wanted|2.35|");
    if (place != Place::Start)
        lines.insert(at(0), skipped.begin(), skipped.end());
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

TEST(PriceList, FirstMatchingLineWinsInEveryOrderAndPlace) {
    for (const Order order : {Order::Catalogue, Order::Sorted, Order::Shuffled}) {
        for (const Place place : {Place::Start, Place::Middle, Place::Last, Place::Absent}) {
            SCOPED_TRACE("order " + std::to_string(static_cast<int>(order)) + ", place " +
                         std::to_string(static_cast<int>(place)));
            std::vector<std::string> family;
            const std::string text = ListWith(order, place, family);
            EXPECT_EQ(text.starts_with("VEL|CAB| VF4-50"), place == Place::Start);
            EXPECT_EQ(text.ends_with("|wanted|2.35|"), place == Place::Last);
            std::vector<Lookup> lookups{{"VF4-50", place != Place::Absent, "wanted", 2.35}};
            for (std::size_t i = 0; i < family.size(); i += 37)
                lookups.push_back({family[i], true, "family " + std::to_string(i), static_cast<double>(i)});
            lookups.push_back({"U9999", false, "", 0});
            ExpectLookups(PriceList(FileBytes(text), '.'), lookups);
            // The whole family asked at once, as a search asks for the lines it shows, of the list in memory
            // and of the list read from its file in blocks.
            const testing::TempFolder folder;
            testing::WriteBytes(folder / "M_lom.dat", text);
            for (const auto access : {FileBytes::Access::Copy, FileBytes::Access::Map}) {
                PriceList prices(FileBytes::Read(folder / "M_lom.dat", access), '.');
                std::vector<std::string_view> asked(family.begin(), family.end());
                asked.push_back("VF4-50");
                prices.PrepareLookups(asked);
                EXPECT_EQ(prices.FindPriceLine(family.back())->Description, "family 299");
                const auto wanted = prices.FindPriceLine("VF4-50");
                EXPECT_EQ(wanted.has_value(), place != Place::Absent);
                EXPECT_EQ(wanted ? wanted->Description : "", place != Place::Absent ? "wanted" : "");
            }
        }
    }
}

// A pass over many blocks, its line breaks across their ends: the bytes read into memory stay for the index
// that follows, and a mapped file is indexed from its mapping.
TEST(PriceList, LongPassesKeepTheirLinesReadOrMapped) {
    std::string text;
    for (int i = 0; i < 140'000; ++i)
        text += "VEL|ACC|U" + std::to_string(i) + "|EA|accessory with a long enough description|1.5|\r\n";
    text += "VEL|CAB|LAST|FT|last line|4|";
    ASSERT_GT(text.size(), std::size_t{8} << 20);
    const testing::TempFolder folder;
    testing::WriteBytes(folder / "M_lom.dat", text);
    for (const auto access : {FileBytes::Access::Copy, FileBytes::Access::Map}) {
        PriceList prices(FileBytes::Read(folder / "M_lom.dat", access), '.');
        const std::vector<std::string_view> asked{"U0", "U123456", "LAST", "NONE"};
        prices.PrepareLookups(asked);
        EXPECT_EQ(prices.FindPriceLine("U0")->Price, 1.5);
        EXPECT_EQ(prices.FindPriceLine("LAST")->Description, "last line");
        EXPECT_FALSE(prices.FindPriceLine("NONE"));
        // Not asked for: the whole list is indexed from its bytes.
        EXPECT_EQ(prices.FindPriceLine("U139999")->Description, "accessory with a long enough description");
        EXPECT_EQ(prices.LineCount(), 140'001U);
    }
}

} // namespace
} // namespace dorvik
