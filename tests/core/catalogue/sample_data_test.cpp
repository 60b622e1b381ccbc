// The catalogue, price list and exchange rates that a new user starts with.
#include "core/catalogue/catalogue_loader.h"
#include "core/catalogue/price_list.h"
#include "core/engine/formulas.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace dorvik {
namespace {

const std::filesystem::path kData = DORVIK_SAMPLE_DATA;

std::vector<std::string> Lines(const char* name) {
    return ReadTextLines(kData / name);
}

TEST(SampleData, FilesUseCrLfLineEnds) {
    for (const char* name : {"Freq_TLine_Connectors.dat", "M_lom.dat", "xcngrate.dat"}) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadWholeFile(kData / name);
        ASSERT_FALSE(bytes.empty());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "at byte " << i;
            }
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "at byte " << i;
            }
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    }
}

TEST(SampleData, CatalogueLoadsInEveryLocaleWithoutProblems) {
    const auto lines = Lines("Freq_TLine_Connectors.dat");
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '|'), 22) << "line " << i + 1;
    for (const char separator : {'.', ','}) {
        const auto loaded = LoadCatalogue(lines, separator);
        EXPECT_THAT(loaded.Problems, ::testing::IsEmpty());
        EXPECT_GE(loaded.Lines.size(), 40U);
        std::size_t connectors = 0;
        std::set<std::string> types;
        for (const auto& line : loaded.Lines) {
            SCOPED_TRACE(line.PartNumber);
            EXPECT_GE(line.ConnectorCount(), 2);
            EXPECT_LE(line.ConnectorCount(), 8);
            EXPECT_LT(line.LowFrequency, line.HighFrequency);
            connectors += static_cast<std::size_t>(line.ConnectorCount());
            types.emplace(line.CableType);
        }
        EXPECT_EQ(connectors, lines.size() - 1);
        EXPECT_EQ(types, (std::set<std::string>{"AIR", "EW", "FOAM"}));
        // Every part number has one run.
        std::set<std::string> parts;
        for (const auto& line : loaded.Lines)
            EXPECT_TRUE(parts.emplace(line.PartNumber).second) << line.PartNumber;
    }
    const auto comma = LoadCatalogue(lines, ',');
    EXPECT_THAT(TextsOf(comma.BeginFrequencyList), ::testing::Contains("0,5"));
}

TEST(SampleData, EveryPartNumberHasADescriptionAndAPrice) {
    const auto loaded = LoadCatalogue(Lines("Freq_TLine_Connectors.dat"), '.');
    const PriceList prices(Lines("M_lom.dat"), '.');
    auto expectPriced = [&](std::string_view partNumber) {
        const auto entry = prices.FindPriceLine(partNumber);
        ASSERT_TRUE(entry) << partNumber;
        EXPECT_FALSE(entry->Description.empty()) << partNumber;
        EXPECT_GT(entry->Price, 0) << partNumber;
    };
    for (const auto& line : loaded.Lines) {
        expectPriced(line.PartNumber);
        for (const auto& connector : line.Connectors) {
            EXPECT_GE(connector.PartNumberCount(), 1);
            for (const auto partNumber : connector.PartNumbers())
                expectPriced(partNumber);
        }
    }
    // The commented-out older entry of VF4-50 stands first in the file but is never read.
    EXPECT_EQ(prices.FindPriceLine("VF4-50")->Price, 2.35);
}

TEST(SampleData, AttenuationsAreLikeADatasheets) {
    const auto loaded = LoadCatalogue(Lines("Freq_TLine_Connectors.dat"), '.');
    auto line = [&](std::string_view part) -> const TTransmissionLine& {
        for (const auto& l : loaded.Lines)
            if (l.PartNumber == part)
                return l;
        throw std::runtime_error("missing " + std::string(part));
    };
    EXPECT_NEAR(Attenuation(line("VF4-50"), {900, 900}), 2.2, 0.05);
    EXPECT_NEAR(Attenuation(line("VF7-50"), {900, 900}), 0.75, 0.02);
    // Every line has a value over its own band, with waveguides above cutoff.
    for (const auto& l : loaded.Lines) {
        SCOPED_TRACE(l.PartNumber);
        const double attenuation = Attenuation(l, {l.LowFrequency, l.HighFrequency});
        EXPECT_GT(attenuation, 0.1);
        EXPECT_LT(attenuation, 20);
        EXPECT_GT(AveragePower(l, {l.LowFrequency, l.HighFrequency}), 0);
        EXPECT_GT(
            VswrDeratingFactor(l.CableType, 1.5, {l.LowFrequency, l.HighFrequency}, l.DeratingParameter), 0);
    }
}

TEST(SampleData, ExchangeRatesCoverEveryCurrencyButTheDollar) {
    const std::vector<std::string> codes{"ZAR", "RMB", "HKD", "INR", "JPY", "KRW", "PHP", "SGD", "TWD",
                                         "ATS", "BEF", "CHF", "DEM", "DKK", "ESP", "EUR", "FIM", "FRF",
                                         "GBP", "GRD", "IEP", "ITL", "NLG", "NOK", "PTE", "SEK", "AED",
                                         "SAR", "CAD", "MXP", "AUD", "IDR", "NZD", "BRL", "ARS"};
    const auto lines = Lines("xcngrate.dat");
    std::vector<std::string> found;
    for (const auto& line : lines) {
        found.push_back(FieldOf(line, 1));
        const double rate = ReadNumber(FieldOf(line, 2), ',', /*alsoPoint=*/true);
        EXPECT_GT(rate, 0) << line;
        EXPECT_LT(rate, 2) << line;
    }
    EXPECT_EQ(found, codes);
    EXPECT_NEAR(ReadNumber(FieldOf(lines[4], 2), '.'), 0.0067, 1e-4); // JPY
}

} // namespace
} // namespace dorvik
