// The user's own catalogue beside the maker's: loaded after it and marked, a maker's part number refused,
// and the user's files rewritten without losing the lines the windows do not edit.
#include "core/catalogue/catalogue_loader.h"
#include "core/catalogue/catalogue_rows.h"
#include "core/catalogue/user_catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace dorvik {
namespace {

using dorvik::testing::Header;
using dorvik::testing::Row;

std::string File(const std::vector<std::string>& parts) {
    std::string text = Header() + "\n";
    for (const auto& part : parts) {
        Row row;
        row.Part = part;
        text += row.Text() + "\n";
    }
    return text;
}

TEST(UserCatalogue, LoadsAfterTheMakersMarkedAndRefusesTheMakersPartNumbers) {
    // VF4-50 twice (two connectors): one problem for its run, not one per line.
    const auto loaded = LoadCatalogue(FileBytes(File({"VF4-50", "VF2-50"})),
                                      FileBytes(File({"MY-1", "VF4-50", "VF4-50", "MY-2"})), '.',
                                      "Freq_TLine_Connectors.dat", "User_TLine_Connectors.dat");
    std::vector<std::pair<std::string, bool>> lines;
    for (const auto& line : loaded.Lines)
        lines.emplace_back(line.PartNumber, line.UserLine);
    EXPECT_THAT(lines, ::testing::ElementsAre(std::pair{"VF4-50", false}, std::pair{"VF2-50", false},
                                              std::pair{"MY-1", true}, std::pair{"MY-2", true}));
    EXPECT_THAT(loaded.Problems, ::testing::ElementsAre(::testing::StartsWith(
                                     "User_TLine_Connectors.dat, line 3: the part number "
                                     "'VF4-50' is one of the maker's")));
}

TEST(UserCatalogue, PutReplacesOnlyItsOwnLinesAndKeepsTheRest) {
    const std::string prices = "# my prices\n1|x|MY-1|ft|old|2|\n1|x|MY-NM|pc|my N male|12.00|\n";
    UserCatalogue catalogue(File({"MY-1", "MY-2"}), prices, '.');
    auto line = catalogue.Line("MY-1");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Description, "old");
    line->PartNumber = "MY-3";
    line->Description = "renamed";
    line->ListPrice = 2.5;
    catalogue.Put(*line, "MY-1");
    EXPECT_EQ(catalogue.PartNumbers(), (std::vector<std::string>{"MY-3", "MY-2"}));
    // The connector's price line and the comment stay; the line's price line is replaced.
    EXPECT_EQ(catalogue.PricesText(),
              "# my prices\n1|x|MY-NM|pc|my N male|12.00|\n1|USER|MY-3|ft|renamed|2.5|\n");
    const UserCatalogue read(catalogue.CatalogueText(), catalogue.PricesText(), '.');
    ASSERT_TRUE(read.Line("MY-3"));
    EXPECT_EQ(read.Line("MY-3")->K1, 0.1);
    EXPECT_EQ(read.Line("MY-3")->Connectors.at(0).PartNumbers[0], "V4NM");
    catalogue.Remove("MY-3");
    EXPECT_EQ(catalogue.PartNumbers(), std::vector<std::string>{"MY-2"});
}

TEST(UserCatalogue, ProblemsOfALineToSave) {
    Catalogue maker = LoadCatalogue(FileBytes(File({"VF4-50"})), '.').Lines;
    UserLineEntry good;
    good.PartNumber = "MY-1";
    good.LowFrequency = 1;
    good.HighFrequency = 3000;
    good.K1 = 0.1;
    good.PeakPower = 10;
    good.Connectors.resize(1);
    EXPECT_THAT(UserLineProblems(good, maker), ::testing::IsEmpty());
    struct Case {
        std::function<void(UserLineEntry&)> Change;
        const char* Problem;
    };
    for (const Case& c : std::vector<Case>{
             {[](UserLineEntry& l) { l.PartNumber = "VF4-50"; }, "one of the maker's"},
             {[](UserLineEntry& l) { l.PartNumber = " MY-1"; }, "blank"},
             {[](UserLineEntry& l) { l.Description = "a|b"; }, "\"|\""},
             {[](UserLineEntry& l) { l.HighFrequency = 0.5; }, "band"},
             {[](UserLineEntry& l) { l.K1 = 0; }, "fit the table"},
             {[](UserLineEntry& l) { l.CableType = "EW", l.K1 = 5; }, "cutoff"},
             {[](UserLineEntry& l) { l.Connectors.clear(); }, "connector"},
         }) {
        UserLineEntry line = good;
        c.Change(line);
        EXPECT_THAT(UserLineProblems(line, maker), ::testing::ElementsAre(::testing::HasSubstr(c.Problem)))
            << c.Problem;
    }
}

} // namespace
} // namespace dorvik
