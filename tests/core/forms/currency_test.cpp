#include "core/forms/main_window_fixture.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

class CurrencyTest : public MainWindowTest {
protected:
    TfrmMain& SearchWithRates(const std::string& rates = {}) {
        WithRates(rates);
        auto& f = Start();
        f.cbxBeginningFrequency.SetTextByProgram("800");
        f.cbxEndingFrequency.SetTextByProgram("1000");
        Search();
        return f;
    }
    TMenuItem& Item(const std::string& name) { return *form->MainMenu1.Find(name); }
    void Pick(const std::string& name) {
        User([&] { Item(name).Click(); });
    }
    std::string Selected() { return form->GetCurrencyCode().first; }
};

TEST_F(CurrencyTest, MenuHasThirtySevenItemsInSevenSubmenus) {
    auto& f = Start();
    ASSERT_EQ(f.CurrencyItems.size(), 37u);
    EXPECT_EQ(f.CurrencyItems.front()->Name, "USDollarsUSD1");
    EXPECT_EQ(f.CurrencyItems.back()->Caption(), "Argentina Pesos (ARS)");
    EXPECT_EQ(f.CurrencySettings1->Items().size(), 8u);
    EXPECT_EQ(Item("Euro1").Tag, 17);
    EXPECT_EQ(Item("Euro1").Parent()->Caption(), "Europe");
    EXPECT_TRUE(Item("US1").Checked());
    EXPECT_FALSE(Item("USDollarsUSD1").Checked());
}

TEST_F(CurrencyTest, EuroPricesAndHeadings) {
    auto& f = SearchWithRates("EUR|0.5|\r\n");
    Pick("Euro1");
    EXPECT_EQ(f.grdSpecs.Cell(13, 1), "EUR 20.00");
    EXPECT_EQ(f.grdSpecs.Cell(14, 1), "EUR 65.62");
    EXPECT_EQ(f.grdSpecs.Heading(13), "List Price Per Foot (EUR)");
    EXPECT_EQ(f.grdConnectors.Cell(3, 1), "EUR 90.00");
    EXPECT_EQ(f.grdConnectors.Heading(3), "Price (EUR)");
    EXPECT_TRUE(services.Events.empty());
}

// A currency without a line of its own (a lower-case code is not its line) is an unusable rate: reported, and
// the dollar figures stay under "USD" rather than under the picked code.
TEST_F(CurrencyTest, CurrencyWithoutItsLineStaysInUsDollars) {
    for (const std::string rates : {"eur|0.5|\r\n", "GBP|2|\r\n", "\r\n"}) {
        std::filesystem::remove(programFolder / "xcngrate.dat");
        store.CreateKey(kSettingsKey);
        store.WriteDword(kSettingsKey, "Currency", 1);
        services.Events.clear();
        auto& f = SearchWithRates(rates);
        Pick("Euro1");
        ASSERT_EQ(services.Messages().size(), 1u) << rates;
        EXPECT_EQ(services.Messages().front(), "warning: The exchange rate for EUR cannot be used: " +
                                                   (programFolder / "xcngrate.dat").string() +
                                                   " has no line for EUR.\rPrices are shown in US dollars.");
        EXPECT_EQ(Selected(), "USD") << rates;
        EXPECT_EQ(f.grdSpecs.Cell(13, 1), "USD 10.00") << rates;
        EXPECT_EQ(f.grdSpecs.Heading(13), "List Price Per Foot (USD)") << rates;
        EXPECT_EQ(f.grdConnectors.Cell(3, 1), "USD 45.00") << rates;
    }
}

TEST_F(CurrencyTest, EveryItemsCodeIsTheOneItsCaptionNames) {
    auto& f = Start();
    for (const TMenuItem* item : f.CurrencyItems)
        EXPECT_TRUE(item->Caption().ends_with("(" + f.CurrencyCodeOf(*item) + ")")) << item->Caption();
    EXPECT_EQ(f.CurrencyCodeOf(Item("Euro1")), "EUR");
}

// The query tool reads every line's connectors without steering the page: the same rows the page shows, in
// the chosen currency, and the page's selection stays where it was.
TEST_F(CurrencyTest, ConnectorRowsAreWhatThePageShowsAndLeaveTheSelection) {
    auto& f = SearchWithRates("EUR|0.5|\r\n");
    Pick("Euro1");
    EXPECT_THAT(f.ConnectorHeadings(), ElementsAre("Part Number", "Description", "Price (EUR)"));
    for (int row = 1; row <= f.grdSpecs.RowCount(); ++row) {
        User([&] { f.grdSpecs.UserClick(1); });
        const auto connectors = f.ConnectorRowsOf(row);
        EXPECT_EQ(f.grdSpecs.CurrentRow(), 1);
        EXPECT_EQ(f.lstConnectors.ItemIndex(), f.lstConnectors.Items().empty() ? -1 : 0);
        User([&] { f.grdSpecs.UserClick(row); });
        ASSERT_EQ(connectors.size(), f.lstConnectors.Items().size()) << row;
        for (std::size_t c = 0; c < connectors.size(); ++c) {
            User([&] { f.lstConnectors.UserClick(static_cast<int>(c)); });
            EXPECT_EQ(connectors[c].Name, f.lstConnectors.Items()[c]);
            std::vector<std::vector<std::string>> shown;
            for (int r = 1; r <= f.grdConnectors.RowCount(); ++r)
                shown.push_back(Row(f.grdConnectors, r));
            std::vector<std::vector<std::string>> asked;
            for (const auto& part : connectors[c].PartNumbers)
                asked.emplace_back(part.begin(), part.end());
            EXPECT_EQ(asked, shown) << "row " << row << ", connector " << c;
        }
    }
    EXPECT_EQ(f.ConnectorRowsOf(1).front().PartNumbers.front()[2], "EUR 90.00");
}

TEST_F(CurrencyTest, FirstOfTwoRateLinesOfACodeWins) {
    auto& f = SearchWithRates("EUR|0.5|\r\nEUR|0.25|\r\n");
    Pick("Euro1");
    EXPECT_EQ(f.grdSpecs.Cell(13, 1), "EUR 20.00");
    // An unusable first line is not passed over for a later one.
    std::filesystem::remove(programFolder / "xcngrate.dat");
    store.WriteDword(kSettingsKey, "Currency", 1);
    auto& g = SearchWithRates("EUR|0|\r\nEUR|0.25|\r\n");
    Pick("Euro1");
    EXPECT_EQ(g.grdSpecs.Cell(13, 1), "USD 10.00");
}

// A rate that cannot divide a price is reported once, naming the file, the code and the line; US dollars
// stand in for it as the selection and as the stored currency, and the grids are filled.
TEST_F(CurrencyTest, UnusableRateFallsBackToUsDollars) {
    struct Case {
        std::string rates, reason;
    };
    const Case cases[] = {
        {"EUR|0.5\r\n", "reads \"EUR|0.5\", and the rate needs a \"|\" after it."},
        {"EUR||\r\n", "reads \"EUR||\", and the rate is empty."},
        {"GBP|2|\r\nEUR|0|\r\n", "line 2 of "},
        {"EUR|0|\r\n", "reads \"EUR|0|\", and a rate must be a number above 0."},
        {"EUR|-2|\r\n", "a rate must be a number above 0"},
        {"EUR|1,5x|\r\n", "'1,5x' is not a valid floating point value"},
        // Dividing a price by it overflows.
        {"EUR|1e-320|\r\n", "reads \"EUR|1e-320|\", and a price divided by it has no finite value."},
        // A long line is quoted cut to a readable length.
        {"EUR|0|" + std::string(5000, 'x') + "|\r\n",
         "reads \"EUR|0|" + std::string(54, 'x') + "...\", and a rate must be a number above 0."},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(programFolder / "xcngrate.dat");
        store.CreateKey(kSettingsKey);
        store.WriteDword(kSettingsKey, "Currency", 1);
        services.Events.clear();
        auto& f = SearchWithRates(c.rates);
        Pick("Euro1");
        ASSERT_EQ(services.Messages().size(), 1u) << c.rates;
        const std::string message = services.Messages().front();
        EXPECT_THAT(message,
                    ::testing::StartsWith("warning: The exchange rate for EUR cannot be used: line "))
            << c.rates;
        EXPECT_THAT(message, ::testing::HasSubstr((programFolder / "xcngrate.dat").string())) << c.rates;
        EXPECT_THAT(message, ::testing::HasSubstr(c.reason)) << c.rates;
        EXPECT_THAT(message, ::testing::EndsWith("\rPrices are shown in US dollars.")) << c.rates;
        EXPECT_EQ(Selected(), "USD") << c.rates;
        EXPECT_TRUE(Item("US1").Checked() && Item("USDollarsUSD1").Checked()) << c.rates;
        EXPECT_EQ(f.grdSpecs.Cell(13, 1), "USD 10.00") << c.rates;
        EXPECT_EQ(f.grdConnectors.Cell(3, 1), "USD 45.00") << c.rates;
        EXPECT_EQ(store.ReadValue(kSettingsKey, "Currency")->number, 1u) << c.rates;
    }
}

TEST_F(CurrencyTest, StoredUnusableCurrencyNoLongerStopsTheSearch) {
    // An earlier run stored euros while their line was unusable.
    store.CreateKey(kSettingsKey);
    store.WriteDword(kSettingsKey, "Currency", 17);
    WithRates("EUR|0.5\r\n");
    auto& f = Start();
    f.SaveSettingsOnExit1Click(); // off: the broken value is still replaced
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    Search();
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_THAT(services.Messages().front(), ::testing::HasSubstr("EUR"));
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 1);
    EXPECT_EQ(f.grdSpecs.Cell(13, 1), "USD 10.00");
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Currency")->number, 1u);
    f.btnNewQueryClick();
    Search();
    EXPECT_EQ(services.Messages().size(), 1u); // reported once
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 1);
}

TEST_F(CurrencyTest, BothDollarItemsMoveTogether) {
    SearchWithRates("USD|2|\r\n");
    Pick("Euro1");
    Pick("US1");
    EXPECT_TRUE(Item("USDollarsUSD1").Checked());
    EXPECT_FALSE(Item("Euro1").Checked());
    EXPECT_EQ(form->grdSpecs.Cell(13, 1), "USD 10.00"); // a USD line is never used
}

TEST_F(CurrencyTest, ChoiceIsStoredAndRestoredAtEverySearch) {
    auto& f = SearchWithRates();
    Pick("GBP1");
    const auto stored = store.ReadValue(kSettingsKey, "Currency");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->number, 20u);
    f.SaveSettingsOnExit1Click(); // off: a pick lasts until the next search
    Pick("Euro1");
    EXPECT_EQ(Selected(), "EUR");
    f.btnNewQueryClick();
    Search();
    EXPECT_EQ(Selected(), "GBP");
    EXPECT_EQ(f.grdSpecs.Cell(13, 1), "GBP 8.00");
}

TEST_F(CurrencyTest, FirstRunWithoutSettingsKey) {
    WithRates();
    auto& f = Start();
    f.SaveSettingsOnExit1Click();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    Pick("Euro1");
    Search();
    EXPECT_TRUE(Item("US1").Checked());
    EXPECT_EQ(Selected(), "EUR"); // euros come first in menu order
    Pick("AustralianDollarsAUD1");
    f.btnNewQueryClick();
    Search();
    EXPECT_EQ(Selected(), "USD");
    EXPECT_FALSE(store.KeyExists(kSettingsKey));
}

TEST_F(CurrencyTest, KeyWithoutCurrencyValueLeavesSelection) {
    store.CreateKey(kSettingsKey);
    auto& f = SearchWithRates();
    f.SaveSettingsOnExit1Click();
    Pick("GBP1");
    Search();
    EXPECT_EQ(Selected(), "GBP");
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Currency"));
}

TEST_F(CurrencyTest, WithoutRateFileEverythingIsDollars) {
    store.CreateKey(kSettingsKey);
    store.WriteDword(kSettingsKey, "Currency", 17);
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    Search();
    EXPECT_FALSE(f.CurrencySettings1->Visible());
    EXPECT_EQ(f.grdSpecs.Heading(13), "List Price Per Foot (USD)");
    EXPECT_EQ(f.grdConnectors.Heading(3), "Price (USD)");
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Currency")->number, 1u); // tag 1 written back
}

} // namespace
} // namespace dorvik::testing
