#include "core/catalogue/data_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace dorvik {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Texts(const std::vector<DataProblem>& problems) {
    std::vector<std::string> out;
    for (const auto& p : problems)
        out.push_back(ProblemText(p));
    return out;
}

const std::string kHeader = "h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|";
const std::string kGood = "800|1000|a|TC-100|FOAM|x|1|0.1|0.001|40|10|N Male|0|0|0|0|NM-1|||||NM-2|";
const std::vector<std::string> kPrices{"# note", "L|1|TC-100|x|cable|10|", "C|1|NM-1|x|connector|45|",
                                       "C|1|NM-2|x|connector|4.5|"};
const std::vector<std::string> kCodes{"EUR", "GBP"};

DataFile File(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return {name, FileBytes(text)};
}

// Every problem, or the first ones until the sink has had `limit`.
std::vector<DataProblem> CheckFiles(const DataFile& catalogue, const DataFile& prices, const DataFile& rates,
                                    char separator = '.', std::size_t limit = 1000) {
    std::vector<DataProblem> problems;
    CheckDataFiles(catalogue, prices, rates, kCodes, separator, [&](const DataProblem& problem) {
        problems.push_back(problem);
        return problems.size() < limit;
    });
    return problems;
}

std::vector<std::string> Check(std::vector<std::string> catalogue, std::vector<std::string> prices = kPrices,
                               std::vector<std::string> rates = {"EUR|0.5|", "XYZ|0|", "GBP|1.25|"},
                               char separator = '.') {
    catalogue.insert(catalogue.begin(), kHeader);
    return Texts(CheckFiles(File("cat.dat", catalogue), File("prices.dat", prices), File("rates.dat", rates),
                            separator));
}

// Without a rates file.
std::vector<std::string> CheckWithoutRates(std::vector<std::string> catalogue, char separator = '.') {
    catalogue.insert(catalogue.begin(), kHeader);
    return Texts(CheckFiles(File("cat.dat", catalogue), File("prices.dat", kPrices), DataFile{}, separator));
}

TEST(DataCheck, CleanFilesHaveNoProblems) {
    EXPECT_THAT(Check({kGood, kGood, ""}), IsEmpty());
    EXPECT_THAT(CheckWithoutRates({kGood}, ','), IsEmpty()); // '.' reads in every locale
}

TEST(DataCheck, CatalogueProblemsNameFileLineAndField) {
    EXPECT_THAT(Check({kGood, "x|1000|a|TC-100|FOAM|x|1|0.1|0.001|40|10|N Male|0|0|0|abc|NM-1||||||",
                       "800|1000|a|TC-100|FOAM|x|1|0.1|0.001|40|10|N Male|0|0|0|0|NM-1"}),
                ElementsAre("cat.dat:3: field 1: 'x' is not a valid floating point value",
                            "cat.dat:3: field 16: 'abc' is not a valid floating point value",
                            "cat.dat:4: the line has 16 of its 22 fields (each field ends with \"|\")"));
}

TEST(DataCheck, PartNumbersWithoutAPriceLineAreNamedOnce) {
    EXPECT_THAT(Check({"800|1000|a|TX-1|FOAM|x|1|0.1|0.001|40|10|N Male|0|0|0|0|NM-1|NOPE||||NM-2|",
                       "800|1000|a|TX-1|FOAM|x|1|0.1|0.001|40|10|N Male|0|0|0|0|NOPE||||||"}),
                ElementsAre("cat.dat:2: part number TX-1 has no price line in prices.dat",
                            "cat.dat:2: part number NOPE has no price line in prices.dat"));
    // A commented-out price line does not count.
    EXPECT_THAT(Check({kGood}, {"#L|1|TC-100|x|cable|10|", "C|1|NM-1|x|c|45|", "C|1|NM-2|x|c|45|"}),
                ElementsAre("cat.dat:2: part number TC-100 has no price line in prices.dat"));
}

TEST(DataCheck, PriceListProblems) {
    EXPECT_THAT(
        Check({kGood}, {"L|1|TC-100|x|cable|10|", "C|1|NM-1|x|connector|", "C|1|NM-2|x|c|4,5|",
                        "L|1|TC-100|x|again|12|", "; skipped|||||x|", ""}),
        ElementsAre("prices.dat:2: the line has 5 of the 6 fields it needs (each field ends with \"|\"): its "
                    "price reads as 0",
                    "prices.dat:3: the price '4,5' is not a valid floating point value: it reads as 0",
                    "prices.dat:4: part number TC-100 has a price line already (line 1, which is used)"));
}

TEST(DataCheck, RatesThatCannotBeUsedAndRepeatedCodes) {
    EXPECT_THAT(
        Check({kGood}, kPrices, {"EUR|0.5", "GBP|0|", "GBP|1.2|", "usd|x|", "EUR|0.9|"}),
        ElementsAre("rates.dat:1: the exchange rate for EUR cannot be used: the rate needs a \"|\" after it",
                    "rates.dat:2: the exchange rate for GBP cannot be used: a rate must be a number above 0",
                    "rates.dat:3: the exchange rate for GBP is given already (line 2, which is used)",
                    "rates.dat:5: the exchange rate for EUR is given already (line 1, which is used)"));
    // No rates file: nothing to check.
    EXPECT_THAT(CheckWithoutRates({kGood}), IsEmpty());
}

// A line without its fields is one problem, not one per field; the fields it has are still read.
TEST(DataCheck, ShortLineIsOneProblem) {
    EXPECT_THAT(Check({"bad", "x|1000|a|"}),
                ElementsAre("cat.dat:2: the line has 0 of its 22 fields (each field ends with \"|\")",
                            "cat.dat:3: the line has 3 of its 22 fields (each field ends with \"|\")",
                            "cat.dat:3: field 1: 'x' is not a valid floating point value"));
}

TEST(DataCheck, QuotedTextsAreCutToAReadableLength) {
    const std::string huge(100000, '7');
    const auto problems =
        Check({"1|2|a|" + huge + "z|FOAM|x|1|" + huge + "x|0.001|40|10|N Male|0|0|0|0|||||||"},
              {"L|1|" + huge + "|x|cable|" + huge + "y|", "L|1|" + huge + "|x|cable|1|"});
    ASSERT_EQ(problems.size(), 4u);
    for (const auto& text : problems) {
        EXPECT_LT(text.size(), 200u) << text.substr(0, 200);
        EXPECT_NE(text.find("777..."), std::string::npos) << text.substr(0, 200);
    }
}

// The sink stops the check: nothing after the problem it refused, not even the next file's.
TEST(DataCheck, StopsWhenTheSinkHasHadEnough) {
    const std::vector<std::string> bad(10, "bad");
    std::vector<std::string> catalogue{kHeader};
    catalogue.insert(catalogue.end(), bad.begin(), bad.end());
    const auto problems = Texts(
        CheckFiles(File("cat.dat", catalogue), File("prices.dat", {"x"}), File("rates.dat", {}), '.', 3));
    EXPECT_THAT(problems,
                ElementsAre(::testing::StartsWith("cat.dat:2: "), ::testing::StartsWith("cat.dat:3: "),
                            ::testing::StartsWith("cat.dat:4: ")));
}

// Each code looked up without a line of its own is named, after the lines' problems; no rates file, no names.
TEST(DataCheck, CodesWithoutARateLine) {
    EXPECT_THAT(
        Check({kGood}, kPrices, {"GBP|0|", "eur|0.5|"}),
        ElementsAre("rates.dat:1: the exchange rate for GBP cannot be used: a rate must be a number above 0",
                    "rates.dat: no line gives the exchange rate for EUR: prices in EUR are shown in US "
                    "dollars"));
    EXPECT_THAT(Check({kGood}, kPrices, {}),
                ElementsAre(::testing::StartsWith("rates.dat: no line gives the exchange rate for EUR"),
                            ::testing::StartsWith("rates.dat: no line gives the exchange rate for GBP")));
}

// Values that read but no catalogue holds are warned about, each with its range; the edges of a range pass.
// Figures that read but that no search can use, each named with its line; a NUL byte and an empty catalogue.
TEST(DataCheck, FiguresNoSearchCanUseAndCutFiles) {
    const auto line = [](const std::string& type, const std::string& low, const std::string& k1,
                         const std::string& k2) {
        return low + "|1000|a|TC-100|" + type + "|x|1|" + k1 + "|" + k2 +
               "|40|10|N Male|0|0|0|0|NM-1|||||NM-2|";
    };
    const struct {
        std::vector<std::string> catalogue;
        const char* problem; // of line 2 or 3
    } cases[] = {{{line("COAX", "800", "0.1", "0.001")},
                  "cat.dat:2: the cable type 'COAX' is none of AIR, FOAM and EW"},
                 {{line("FOAM", "6000", "0.1", "0.001")},
                  "cat.dat:2: the band's low edge 6000 MHz is above its high edge"},
                 {{line("AIR", "800", "0", "0")}, "cat.dat:2: the attenuation (fields 8 and 9) is 0"},
                 {{line("EW", "800", "0", "20")}, "cat.dat:2: the waveguide's cutoff (field 8) is 0 MHz"},
                 {{line("EW", "800", "900", "20")},
                  "cat.dat:2: the waveguide's cutoff of 900 MHz is not below its band"},
                 {{kGood, line("FOAM", "800", "0.2", "0.001")},
                  "cat.dat:3: part number TC-100 has other figures than on"},
                 {{}, "cat.dat: the catalogue holds no lines below its header"},
                 {{kGood, kGood + std::string(1, '\0') + "\r\n" + kGood},
                  "cat.dat:3: the file holds a NUL byte at line 3; the rest was not read"}};
    for (const auto& c : cases)
        EXPECT_THAT(Check(c.catalogue), ::testing::Contains(::testing::StartsWith(c.problem))) << c.problem;
    for (const auto& fine : {line("EW", "800", "700", "20"), line("FOAM", "800", "0", "0.001")})
        EXPECT_THAT(Check({fine}), IsEmpty()) << fine;
    EXPECT_THAT(Check({kGood}, {"L|1|TC-100|x|cable|10|", std::string("C|1|NM-1|x|c|4|") + '\0'}),
                ElementsAre("cat.dat:2: part number NM-2 has no price line in prices.dat",
                            "prices.dat:2: the file holds a NUL byte at line 2; the rest was not read"));
}

TEST(DataCheck, ValuesFarOutsideThePlausibleRangeAreWarnings) {
    const auto line = [](const std::string& low, const std::string& k1, const std::string& peak) {
        return low + "|1000000|a|TC-100|FOAM|x|1|" + k1 + "|0.001|40|" + peak +
               "|N Male|1e300|0|0|0|NM-1||||||";
    };
    EXPECT_THAT(Check({line("0", "1e6", "1e5")}), IsEmpty());
    EXPECT_THAT(
        Check({line("-1", "1e300", "100001")}),
        ElementsAre("cat.dat:2: warning: field 1 reads '-1', far outside the plausible range of 0 to "
                    "1000000: the program uses it as it stands",
                    ::testing::StartsWith("cat.dat:2: warning: field 8 reads '1e300', far outside"),
                    ::testing::StartsWith("cat.dat:2: warning: field 11 reads '100001', far outside")));
    EXPECT_THAT(
        Check({kGood}, {"L|1|TC-100|x|cable|1e300|", "C|1|NM-1|x|c|-5|", "C|1|NM-2|x|c|0|"},
              {"EUR|1e-300|", "GBP|100000|"}),
        ElementsAre(::testing::StartsWith("prices.dat:1: warning: the price reads '1e300', far outside"),
                    ::testing::StartsWith("prices.dat:2: warning: the price reads '-5', far outside"),
                    "rates.dat:1: warning: the exchange rate for EUR reads '1e-300', far outside the "
                    "plausible range of 1e-07 to 100000: the program uses it as it stands"));
    const auto problems = CheckFiles(File("cat.dat", {kHeader, line("0", "1e300", "1")}),
                                     File("prices.dat", kPrices), DataFile{});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems.front().Warning);
}

} // namespace
} // namespace dorvik
