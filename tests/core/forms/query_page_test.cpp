#include "core/forms/main_window_fixture.h"

#include <limits>

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kNumeric = "info: This field must contain a numeric value.";

class QueryPageTest : public MainWindowTest {
protected:
    // Typed, then completed (the focus leaves the field).
    void Enter(TComboBox& combo, const std::string& text) {
        User([&] {
            combo.UserType(text);
            combo.CompleteEntry();
        });
    }
};

TEST_F(QueryPageTest, StartFillsPickListsAndDefaults) {
    auto& f = Start();
    EXPECT_TRUE(services.Events.empty());
    EXPECT_THAT(f.cbxBeginningFrequency.Items(), ElementsAre("100", "200", "800"));
    EXPECT_THAT(f.cbxEndingFrequency.Items(), ElementsAre("300", "1000", "3000"));
    EXPECT_THAT(f.cbxConnector.Items(), ElementsAre("7-16 DIN Female", "CPR Flange", "N Male"));
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "100");
    EXPECT_EQ(f.cbxEndingFrequency.Text(), "300");
    EXPECT_EQ(f.cbxConnector.Text(), "7-16 DIN Female");
    EXPECT_EQ(f.edtMaxLoss.Text(), "0");
    EXPECT_EQ(f.edtVSWR.Text(), "1.1");
    EXPECT_TRUE(f.rbFeet.Checked());
    EXPECT_TRUE(f.chkFrequency.Checked());
    EXPECT_FALSE(f.chkInsertionLoss.Checked());
    EXPECT_TRUE(f.btnSearch.Enabled());
    EXPECT_TRUE(f.SaveSettingsOnExit1->Checked());
    EXPECT_FALSE(f.CurrencyAvailable);
}

TEST_F(QueryPageTest, MissingPriceFileDisablesSearch) {
    std::filesystem::remove(sharedFolder / "M_lom.dat");
    auto& f = Start();
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_EQ(services.Messages()[0].rfind("error: One or more files needed", 0), 0u);
    EXPECT_TRUE(f.cbxBeginningFrequency.Items().empty());
    EXPECT_FALSE(f.btnSearch.Enabled());
}

TEST_F(QueryPageTest, MissingRegistryKeyGivesBothMessages) {
    store = MemorySettingsStore();
    Start();
    EXPECT_THAT(services.Messages(), ElementsAre("error: Unable to locate Registry Key",
                                                 "error: Unable to create path from Registry",
                                                 ::testing::StartsWith("error: One or more files")));
}

TEST_F(QueryPageTest, EditRulesReplaceNonNumbersByZero) {
    auto& f = Start();
    User([&] { f.edtVSWR.SetText("abc"); });
    EXPECT_EQ(f.edtVSWR.Text(), "0");
    User([&] { f.edtMaxLoss.SetText("1-"); });
    EXPECT_EQ(f.edtMaxLoss.Text(), "0");
    EXPECT_THAT(services.Messages(), ElementsAre(kNumeric, kNumeric));
    services.Events.clear();
    User([&] { f.edtLength.SetText(""); });
    EXPECT_EQ(f.edtLength.Text(), "");
    // What may still become a number while typing, and '.' in a comma locale too.
    for (const char separator : {'.', ','}) {
        auto& g = Start({}, separator);
        for (const char* text : {".", "-", "+", "1.5e", "2.5", "-.", "1e-"}) {
            User([&] { g.edtVSWR.SetText(text); });
            EXPECT_EQ(g.edtVSWR.Text(), text) << separator;
        }
        EXPECT_TRUE(services.Events.empty()) << separator;
    }
}

TEST_F(QueryPageTest, BeginningFrequencyNarrowsEndingList) {
    auto& f = Start();
    f.BeginFrequencyList = {{"100", 100}, {"200", 200}, {"300", 300}};
    f.EndFrequencyList = f.BeginFrequencyList;
    struct Case {
        std::string ending;
        std::vector<std::string> items;
        std::string selected;
    };
    for (const Case& c :
         {Case{"100", {"300"}, "300"}, Case{"300", {"300"}, "300"}, Case{"200", {"300", "200"}, "200"}}) {
        f.cbxEndingFrequency.SetItems(TextsOf(f.EndFrequencyList));
        f.cbxEndingFrequency.SetTextByProgram(c.ending);
        Enter(f.cbxBeginningFrequency, "200");
        EXPECT_EQ(f.cbxEndingFrequency.Items(), c.items) << c.ending;
        EXPECT_EQ(f.cbxEndingFrequency.Text(), c.selected) << c.ending;
    }
}

TEST_F(QueryPageTest, EndingFrequencyNarrowsBeginningList) {
    auto& f = Start();
    f.BeginFrequencyList = {{"100", 100}, {"200", 200}, {"300", 300}};
    f.cbxBeginningFrequency.SetTextByProgram("300");
    Enter(f.cbxEndingFrequency, "200");
    EXPECT_THAT(f.cbxBeginningFrequency.Items(), ElementsAre("100"));
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "100");
}

TEST_F(QueryPageTest, FrequencyRulesUseTheValuesKeptBesideTheEntries) {
    // The largest double's general format does not read back; the rules never read an entry's text.
    auto& f = Start();
    const std::string huge = "1.79769313486232e+308";
    f.BeginFrequencyList = {{"100", 100}, {huge, std::numeric_limits<double>::max()}};
    f.EndFrequencyList = f.BeginFrequencyList;
    Enter(f.cbxBeginningFrequency, "150");
    EXPECT_THAT(f.cbxEndingFrequency.Items(), ElementsAre(huge, "300"));
    Enter(f.cbxEndingFrequency, "200");
    EXPECT_THAT(f.cbxBeginningFrequency.Items(), ElementsAre("100", "150"));
    EXPECT_TRUE(services.Events.empty());
}

TEST_F(QueryPageTest, NonNumericFrequencyTakesFirstEntry) {
    auto& f = Start();
    Enter(f.cbxBeginningFrequency, "abc");
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "100");
    EXPECT_THAT(services.Messages(), ElementsAre(kNumeric));
}

TEST_F(QueryPageTest, ClearedFrequencyTakesFirstEntryWithoutMessage) {
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    for (TComboBox* own : {&f.cbxBeginningFrequency, &f.cbxEndingFrequency}) {
        User([&] { own->UserType(""); });
        EXPECT_EQ(own->Text(), "") << own->Name; // still typing
        User([&] { own->CompleteEntry(); });
        EXPECT_EQ(own->Text(), own->Items().front()) << own->Name;
    }
    EXPECT_TRUE(services.Events.empty());
}

TEST_F(QueryPageTest, FrequencyRuleWaitsForTheCompletedEntry) {
    // Typing "1000" into the ending field runs no rule on "1", so 800 stays the beginning.
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    for (const char* typed : {"1", "10", "100", "1000"})
        User([&] { f.cbxEndingFrequency.UserType(typed); });
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "800");
    EXPECT_THAT(f.cbxBeginningFrequency.Items(), ElementsAre("100", "200", "800"));
    User([&] { f.cbxEndingFrequency.CompleteEntry(); });
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "800");
    EXPECT_THAT(f.cbxBeginningFrequency.Items(), ElementsAre("100", "200", "800"));
    // A second completion without typing runs nothing; a pick from the list completes at once.
    f.cbxBeginningFrequency.SetTextByProgram("900");
    User([&] { f.cbxEndingFrequency.CompleteEntry(); });
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "900");
    User([&] { f.cbxEndingFrequency.UserPick(0); }); // 300
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "100");
    EXPECT_THAT(f.cbxBeginningFrequency.Items(), ElementsAre("100", "200"));
    EXPECT_TRUE(services.Events.empty());
}

TEST_F(QueryPageTest, SearchCompletesTheEntryBeingTyped) {
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("3000");
    User([&] { f.cbxEndingFrequency.UserType("500"); });
    Search();
    // The rule ran on 500: 800 no longer fits below it, so the beginning took the first entry.
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "100");
    EXPECT_FALSE(f.cbxEndingFrequency.EntryPending());
}

TEST_F(QueryPageTest, SwitchesAreCoupled) {
    auto& f = Start();
    User([&] { f.chkInsertionLoss.SetChecked(true); });
    User([&] { f.chkFrequency.SetChecked(false); });
    EXPECT_FALSE(f.chkInsertionLoss.Checked());
    EXPECT_FALSE(f.chkInsertionLoss.Enabled());
    EXPECT_FALSE(f.edtMaxLoss.Enabled());
    User([&] { f.chkInsertionLoss.SetChecked(true); });
    EXPECT_TRUE(f.chkFrequency.Checked());
    EXPECT_TRUE(f.chkInsertionLoss.Enabled());
    EXPECT_TRUE(f.edtMaxLoss.Enabled());
}

TEST_F(QueryPageTest, CheckFrequencies) {
    auto& f = Start();
    struct Case {
        std::string begin, end;
        bool ok;
        std::string message;
    };
    const Case cases[] = {
        {"900", "900", true, ""},
        {"960", "900", false,
         "info: The beginning frequency value cannot be greater than the ending frequency value.\r\rPlease "
         "check your "
         "frequency values."},
        {"900", "abc", false,
         "info: One or both frequency values contain invalid values.\r\rPlease check your frequency values."},
    };
    for (const auto& c : cases) {
        services.Events.clear();
        f.cbxBeginningFrequency.SetTextByProgram(c.begin);
        f.cbxEndingFrequency.SetTextByProgram(c.end);
        EXPECT_EQ(f.CheckFrequencies(), c.ok);
        EXPECT_EQ(services.Messages(),
                  c.ok ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    }
}

TEST_F(QueryPageTest, MenusPerPage) {
    auto& f = Start();
    f.SetResultsMenus(false);
    EXPECT_TRUE(f.OpenFile1->Visible());
    EXPECT_TRUE(f.GetTransmissionLines1->Visible());
    EXPECT_FALSE(f.Print1->Visible());
    EXPECT_FALSE(f.N1->Visible());
    EXPECT_FALSE(f.CurrencySettings1->Visible());
    f.SetResultsMenus(true);
    EXPECT_FALSE(f.OpenFile1->Visible());
    EXPECT_TRUE(f.ExportData1->Visible());
    EXPECT_TRUE(f.CurrencySettings1->Enabled());
    EXPECT_EQ(f.SaveQuerySettingsToFile1->ShortCut, "Ctrl+S");
    EXPECT_EQ(f.SaveSettingsOnExit1->ShortCut, "");
}

TEST_F(QueryPageTest, HintGoesToStatusBarAndLogoOpensHomePage) {
    auto& f = Start();
    f.ApplicationEvents1Hint(f.edtLength.Hint);
    EXPECT_EQ(f.StatusBar1.Caption(), "Enter A Length");
    f.Image1Click();
    EXPECT_THAT(services.Events, ElementsAre(std::string("open: ") + kMakerHomePage));
}

} // namespace
} // namespace dorvik::testing

namespace dorvik::testing {
namespace {

TEST_F(QueryPageTest, UnreadableCatalogueLinesAreReportedTogether) {
    WriteFile(programFolder / "Freq_TLine_Connectors.dat",
              "header\r\n800|1000|A|TC-100|FOAM|x|1.0|0.1|0.001|40|10|N Male|0|0|0|0|NM-1||||||\r\n"
              "abc|1000|A|TB-1|FOAM|x|1.0|0.1|0.001|40|10|N Male|0|0|0|0|NM-1||||||\r\n"
              "800|1000|A|TB-2|FOAM|x|1.0|0.1||40|10|N Male|0|0|0|0|NM-1||||||\r\n");
    auto& f = Start();
    ASSERT_EQ(services.Messages().size(), 1u);
    const std::string message = services.Messages()[0];
    EXPECT_THAT(message, ::testing::StartsWith("warning: "));
    EXPECT_THAT(message, ::testing::HasSubstr("line 3"));
    EXPECT_THAT(message, ::testing::HasSubstr("'abc' is not a valid floating point value"));
    EXPECT_THAT(message, ::testing::HasSubstr("line 4"));
    EXPECT_EQ(f.TheCatalogue.size(), 1u);
    EXPECT_TRUE(f.btnSearch.Enabled());
}

} // namespace
} // namespace dorvik::testing
