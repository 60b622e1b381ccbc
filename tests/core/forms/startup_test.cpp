#include "core/forms/main_window_fixture.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class StartupTest : public MainWindowTest {
protected:
    void SearchBand() {
        form->cbxBeginningFrequency.SetTextByProgram("800");
        form->cbxEndingFrequency.SetTextByProgram("1000");
        Search();
    }
};

// The rates file is optional: one that exists but fails every read is reported, and the program runs in US
// dollars on the whole catalogue.
TEST_F(StartupTest, UnreadableRatesFileLeavesTheCatalogueLoaded) {
    std::filesystem::create_symlink("/proc/self/mem", programFolder / "xcngrate.dat");
    store.CreateKey(kSettingsKey);
    store.WriteDword(kSettingsKey, "Currency", 17);
    auto& f = Start();
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_THAT(services.Messages().front(), HasSubstr("warning: "));
    EXPECT_THAT(services.Messages().front(), HasSubstr((programFolder / "xcngrate.dat").string()));
    EXPECT_THAT(services.Messages().front(), HasSubstr("US dollars"));
    EXPECT_TRUE(f.Loaded);
    EXPECT_TRUE(f.btnSearch.Enabled());
    EXPECT_FALSE(f.CurrencyAvailable);
    EXPECT_FALSE(f.cbxConnector.Items().empty());
    SearchBand();
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 1);
    EXPECT_EQ(f.grdSpecs.Cell(13, 1), "USD 10.00");
    EXPECT_FALSE(f.CurrencySettings1->Visible());
}

// A catalogue with many bad lines: the message names the first 20 and counts the rest; the details hold all.
TEST_F(StartupTest, CatalogueProblemReportIsBounded) {
    const auto path = programFolder / "Freq_TLine_Connectors.dat";
    std::string text = dorvik::testing::ReadBytes(path);
    for (int i = 1; i <= 23; ++i)
        text += "x" + std::to_string(i) + "|1|a|BAD" + std::to_string(i) +
                "|FOAM|a|1|0.1|0.001|1|1|N Male|0|0|0|0|P||||||\r\n";
    WriteFile(path, text);
    auto& f = Start();
    ASSERT_EQ(services.Messages().size(), 1u);
    const std::string message = services.Messages().front();
    EXPECT_THAT(message, HasSubstr("'x20' is not"));
    EXPECT_THAT(message, ::testing::Not(HasSubstr("'x21'")));
    EXPECT_THAT(message, ::testing::EndsWith("'x20' is not a valid floating point value\rand 3 more"));
    ASSERT_EQ(services.Details.size(), 1u);
    for (int i = 1; i <= 23; ++i)
        EXPECT_THAT(services.Details.front(), HasSubstr("'x" + std::to_string(i) + "' is not")) << i;
    EXPECT_EQ(std::count(services.Details.front().begin(), services.Details.front().end(), '\r'), 22);
    EXPECT_TRUE(f.Loaded);
    EXPECT_EQ(f.TheCatalogue.size(), 3u);
}

TEST_F(StartupTest, TwentyProblemsAreAllNamedWithoutACount) {
    const auto path = programFolder / "Freq_TLine_Connectors.dat";
    std::string text = dorvik::testing::ReadBytes(path);
    for (int i = 1; i <= 20; ++i)
        text += "x" + std::to_string(i) + "|1|a|BAD|FOAM|a|1|0.1|0.001|1|1|N Male|0|0|0|0|P||||||\r\n";
    WriteFile(path, text);
    Start();
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_THAT(services.Messages().front(), HasSubstr("'x20' is not"));
    EXPECT_THAT(services.Messages().front(), ::testing::Not(HasSubstr("more")));
}

} // namespace
} // namespace dorvik::testing
