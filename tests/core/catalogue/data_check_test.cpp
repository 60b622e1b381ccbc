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
        out.push_back(p.File + ":" + std::to_string(p.Line) + ": " + p.Message);
    return out;
}

const std::string kHeader = "h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|h|";
const std::string kGood = "800|1000|a|TC-100|FOAM|x|1|0.1|0.001|40|10|N Male|0|0|0|0|NM-1|||||NM-2|";
const std::vector<std::string> kPrices{"# note", "L|1|TC-100|x|cable|10|", "C|1|NM-1|x|connector|45|",
                                       "C|1|NM-2|x|connector|4.5|"};
const std::vector<std::string> kCodes{"EUR", "GBP"};

std::vector<std::string> Check(std::vector<std::string> catalogue, std::vector<std::string> prices = kPrices,
                               std::vector<std::string> rates = {"EUR|0.5|", "XYZ|0|"},
                               char separator = '.') {
    catalogue.insert(catalogue.begin(), kHeader);
    return Texts(CheckDataFiles({"cat.dat", catalogue}, {"prices.dat", prices}, {"rates.dat", rates}, kCodes,
                                separator));
}

TEST(DataCheck, CleanFilesHaveNoProblems) {
    EXPECT_THAT(Check({kGood, kGood, ""}), IsEmpty());
    EXPECT_THAT(Check({kGood}, kPrices, {}, ','), IsEmpty()); // '.' reads in every locale
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
    EXPECT_THAT(
        Texts(CheckDataFiles({"cat.dat", {kHeader, kGood}}, {"prices.dat", kPrices}, {}, kCodes, '.')),
        IsEmpty());
}

} // namespace
} // namespace dorvik
