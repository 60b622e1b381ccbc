// The output formats of dorvik-query, and that they agree with the desktop program's exports.
#include "core/store/registry_file_store.h"
#include "tool_runner.h"

namespace dorvik::testing {
namespace {

class QueryToolOutputTest : public QueryToolTest {
protected:
    // The desktop program started with FILE query, over the same files, exporting through its menu.
    std::string DesktopExport(const std::string& query, bool html) {
        MemorySettingsStore store;
        store.CreateKey(kCommonFilesKey);
        store.WriteString(kCommonFilesKey, "Path", data.string());
        FakeServices services;
        TAppEnvironment env;
        env.Params = {"FILE", Data(query)};
        env.ProgramFolder = folder.Path();
        env.OutputFolder = folder.Path();
        env.CatalogueFile = data / "Freq_TLine_Connectors.dat";
        env.PriceFile = data / "M_lom.dat";
        TfrmMain form(env, store, services);
        form.Dispatch([&] { form.FormCreate(); });
        const auto file = folder.Path() / (html ? "export.html" : "export.xls");
        services.DialogAnswers.push_back(file.string());
        form.Dispatch([&] { html ? form.ToAnHTMLFile1Click() : form.ToAMicrosoftExcelFile1Click(); });
        EXPECT_TRUE(services.Messages().empty());
        return ReadBytes(file);
    }
};

TEST_F(QueryToolOutputTest, TextIsAnAlignedTableInUtf8) {
    const auto result = Run(WithTestFiles({Data("band_800_1000.dvk")}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ReadBytes(data / "band_800_1000.txt"));
}

TEST_F(QueryToolOutputTest, TsvAndHtmlAreTheExportsByteForByte) {
    const auto tsv = Run(WithTestFiles({"--format", "tsv", Data("band_800_1000.dvk")}));
    EXPECT_EQ(tsv.status, 0);
    EXPECT_EQ(tsv.out, DesktopExport("band_800_1000.dvk", false));
    // The 8-bit byte of the price list is kept in the spreadsheet file.
    EXPECT_NE(tsv.out.find("90\xB0 bends"), std::string::npos);

    const auto html = Run(WithTestFiles({"--format=html", Data("band_800_1000.dvk")}));
    EXPECT_EQ(html.status, 0);
    EXPECT_EQ(html.out, DesktopExport("band_800_1000.dvk", true));
    EXPECT_NE(html.out.find("90\xC2\xB0 bends &lt;low PIM&gt; &amp; &quot;fire&quot; rated"),
              std::string::npos);
}

TEST_F(QueryToolOutputTest, JsonHasEveryConnectorWithItsPartNumbersInTheChosenCurrency) {
    const auto result = Run(WithTestFiles({"--rates", Data("xcngrate.dat"), "--currency", "EUR", "--format",
                                           "json", Data("band_800_1000.dvk")}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ReadBytes(data / "band_800_1000_eur.json"));
}

TEST_F(QueryToolOutputTest, ChosenCurrencyStandsInPlaceOfTheStoredOne) {
    {
        RegistryFileStore user(config / "Veltrane" / "registry.reg");
        ASSERT_TRUE(user.CreateKey(kSettingsKey));
        ASSERT_TRUE(user.WriteDword(kSettingsKey, "Currency", 20)); // pounds sterling
    }
    const std::string stored = ReadBytes(config / "Veltrane" / "registry.reg");
    const auto args =
        WithTestFiles({"--rates", Data("xcngrate.dat"), "--format", "tsv", Data("band_800_1000.dvk")});
    const auto dollars = Run(args);
    EXPECT_EQ(dollars.status, 0);
    EXPECT_NE(dollars.out.find("List Price Per Foot (USD)\t"), std::string::npos);
    EXPECT_NE(dollars.out.find("\tUSD 10.00\tUSD 32.81\t\r\n"), std::string::npos);

    auto withCurrency = args;
    withCurrency.insert(withCurrency.begin(), {"--currency", "GBP"});
    const auto pounds = Run(withCurrency);
    EXPECT_EQ(pounds.status, 0);
    EXPECT_NE(pounds.out.find("\tGBP 8.00\tGBP 26.25\t\r\n"), std::string::npos);
    // Choosing a currency in the tool never changes the user's settings.
    EXPECT_EQ(ReadBytes(config / "Veltrane" / "registry.reg"), stored);
}

TEST_F(QueryToolOutputTest, PartNumberFormsAsAtTheDesktopStart) {
    const auto plain = Run(WithTestFiles({"--part", "TC-100"}));
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(
        plain.out,
        "Part Number  Frequency Band (MHz)  Description                                            "
        "List Price Per Foot ($US)  List Price Per Meter ($US)\n"
        "-----------  --------------------  -----------------------------------------------------  "
        "-------------------------  --------------------------\n"
        "TC-100       800-1000              Foam cable 1/2 in, 90\xC2\xB0 bends <low PIM> & \"fire\" rated  "
        "$10.00                     $32.81\n");
    // Hidden columns are still exported, empty.
    const auto tsv = Run(WithTestFiles({"--part", "TC-100", "--format", "tsv"}));
    EXPECT_NE(tsv.out.find("\r\r\nTC-100\t800-1000\t"), std::string::npos);
    EXPECT_NE(tsv.out.find("\t\t\t\t\t\t\t\t\t$10.00\t$32.81\t\r\n"), std::string::npos);

    const auto computed = Run(WithTestFiles({"--part", "TC-100|100|F", "--format", "tsv"}));
    EXPECT_EQ(computed.status, 0);
    EXPECT_NE(computed.out.find("\r\r\nTC-100\t800-1000\t"), std::string::npos);
    EXPECT_NE(computed.out.find("\t900\t3.90\t12.80\t3.90\t"), std::string::npos);
}

// A German locale writes decimals with a comma: the tool reads and writes figures as the desktop program
// would there. The locale is compiled into a temporary folder; without the locale sources the test is
// skipped.
TEST_F(QueryToolOutputTest, DecimalSeparatorIsTheLocales) {
    const auto locales = folder.Path() / "locales";
    std::filesystem::create_directories(locales);
    const std::string build =
        "localedef -i de_DE -f UTF-8 " + ShellQuoted((locales / "de_DE.UTF-8").string()) + " >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0 || !std::filesystem::exists(locales / "de_DE.UTF-8"))
        GTEST_SKIP() << "cannot build a German locale here";
    environment["LOCPATH"] = locales.string();
    environment["LC_ALL"] = "de_DE.UTF-8";
    const auto result = Run(WithTestFiles({"--format", "tsv", Data("comma_locale.dvk")}));
    EXPECT_EQ(result.err, "");
    ASSERT_EQ(result.status, 0);
    // Over 100.5 ft: 3.9 dB/100 ft gives 3.92 dB; derated at VSWR 1.5.
    EXPECT_NE(result.out.find("\r\r\nTC-100\t800-1000\t"), std::string::npos);
    EXPECT_NE(result.out.find("\t900\t3,90\t12,80\t3,92\t"), std::string::npos);
    EXPECT_NE(result.out.find("\tUSD 10,00\tUSD 32,81\t\r\n"), std::string::npos);
}

TEST_F(QueryToolOutputTest, JsonOfAQueryByLossCarriesEachRowsLongestRun) {
    std::string query = ReadBytes(data / "band_800_1000.dvk");
    const auto set = [&query](const std::string& key, const std::string& value) {
        const auto at = query.find(key + "=");
        query.replace(at, query.find('\n', at) - at, key + "=" + value);
    };
    set("ByLoss", "True");
    set("MaxLoss", "6");
    set("Length", "10");
    set("Units", "M");
    dorvik::testing::WriteBytes(scratch / "by_loss.dvk", query);
    const auto result = Run(WithTestFiles({"--format", "json", (scratch / "by_loss.dvk").string()}));
    ASSERT_EQ(result.status, 0) << result.err;
    // TC-100: 3.9 dB/100 ft at 900 MHz, (6 - 0.0948683) / 3.9 x 100 ft = 151.41 ft = 46.15 m.
    EXPECT_NE(result.out.find("\"longest_run_within_budget\": {\"unit\": \"m\", \"max_loss_db\": \"6\", "
                              "\"rows\": [\"46.15\""),
              std::string::npos)
        << result.out;

    // Not by loss: no budget, and each line's run is null.
    const auto plain = Run(WithTestFiles({"--format", "json", Data("band_800_1000.dvk")}));
    EXPECT_EQ(plain.out.find("\"longest_run_within_budget\": {"), std::string::npos);
    EXPECT_NE(plain.out.find("\"longest_run_within_budget\": null}"), std::string::npos);
}

} // namespace
} // namespace dorvik::testing

namespace dorvik::testing {
namespace {

// Every output lists the lines in the order of --sort, which stands in place of the query file's Sort=.
TEST_F(QueryToolOutputTest, SortOrdersEveryOutputAndOverridesTheQueryFile) {
    const auto query = folder.Path() / "sorted.dvk";
    WriteBytes(query, ReadBytes(data / "band_800_1000.dvk") + "Sort=part:desc\n");
    const struct {
        std::vector<std::string> args;
        const char* first; // part number of the first line
    } cases[] = {{{"--format", "tsv", query.string()}, "\nTW-300\t"},
                 {{"--sort", "loss", "--format", "tsv", query.string()}, "\nTW-300\t"},
                 {{"--sort", "part", "--format", "html", query.string()}, "<TR><TD>TC-100</TD>"},
                 {{"--sort", "loss:desc", "--format", "json", query.string()},
                  "\"lines\": [\n    {\"part_number\": \"TC-100\""}};
    for (const auto& c : cases) {
        const auto result = Run(WithTestFiles(c.args));
        EXPECT_EQ(result.status, 0);
        const auto first = result.out.find(c.first);
        EXPECT_NE(first, std::string::npos) << result.out;
        // The other line comes after it.
        EXPECT_LT(first,
                  result.out.find(std::string(c.first).find("TC") != std::string::npos ? "TW-300" : "TC-100",
                                  first))
            << result.out;
    }
    const auto json = Run(WithTestFiles({"--sort", "COST:DESC", "--format", "json", query.string()}));
    EXPECT_NE(json.out.find("\"sort\": \"cost:desc\"}"), std::string::npos) << json.out;
}

} // namespace
} // namespace dorvik::testing
