#include "core/engine/search.h"

#include "core/errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace dorvik {
namespace {

using ::testing::ElementsAre;

// A line with its connectors added to the catalogue, which keeps their texts.
void AddLine(Catalogue& catalogue, std::string_view part, std::string_view type, double low, double high,
             const std::vector<std::string_view>& connectors, double k1 = 0.1, double k2 = 0) {
    TTransmissionLine line;
    line.PartNumber = catalogue.KeepText(part);
    line.CableType = catalogue.KeepText(type);
    line.LowFrequency = low;
    line.HighFrequency = high;
    line.AttenuationK1 = k1;
    line.AttenuationK2 = k2;
    catalogue.AddLine(std::move(line));
    for (const auto name : connectors) {
        TConnector connector;
        connector.ConnectorName = catalogue.KeepText(name);
        catalogue.AddConnector(connector);
    }
}

std::vector<std::string> Parts(const HitList& hits) {
    std::vector<std::string> parts;
    for (const auto* line : hits)
        parts.emplace_back(line->PartNumber);
    return parts;
}

class SearchTest : public ::testing::Test {
protected:
    SearchTest() {
        // Attenuation of A at 900 MHz: sqrt(900) * 1/30 = 1.0 dB/100 ft.
        AddLine(catalogue, "A", "FOAM", 800, 960, {"N Male", "7-16 DIN Female"}, 1.0 / 30);
        AddLine(catalogue, "B", "Air", 0.5, 2700, {"N Male"}, 0.05);
        AddLine(catalogue, "C", "ew", 3400, 4200, {"CPR229G"}, 2800, 800);
        AddLine(catalogue, "A", "FOAM", 824, 960, {"n male"}, 0.1);
    }
    Catalogue catalogue;
};

TEST_F(SearchTest, FrequencyFilterNeedsTheWholeBandCovered) {
    const HitList a{&catalogue[0]};
    EXPECT_EQ(FilterByFrequency(a, {800, 960}).size(), 1U);
    EXPECT_EQ(FilterByFrequency(a, {850, 900}).size(), 1U);
    EXPECT_EQ(FilterByFrequency(a, {790, 960}).size(), 0U);
    EXPECT_EQ(FilterByFrequency(a, {800, 1000}).size(), 0U);
    EXPECT_THAT(Parts(FilterByFrequency(AllLines(catalogue), {850, 900})), ElementsAre("A", "B", "A"));
}

TEST_F(SearchTest, ConnectorFilterIsExactAndCaseSensitive) {
    EXPECT_THAT(Parts(FilterByConnector(AllLines(catalogue), "N Male")), ElementsAre("A", "B"));
    EXPECT_THAT(Parts(FilterByConnector(AllLines(catalogue), "n male")), ElementsAre("A"));
    EXPECT_THAT(Parts(FilterByConnector(AllLines(catalogue), "N")), ElementsAre());
}

TEST_F(SearchTest, LossFilterComparesTheCableLossInclusive) {
    const HitList a{&catalogue[0]};
    constexpr auto meters = LengthUnit::Meters, feet = LengthUnit::Feet;
    EXPECT_EQ(FilterByLoss(a, {100, meters}, 3.3, {800, 1000}).size(), 1U); // 3.2808 dB
    EXPECT_EQ(FilterByLoss(a, {100, meters}, 3.28, {800, 1000}).size(), 0U);
    EXPECT_EQ(FilterByLoss(a, {100, feet}, 1.0, {800, 1000}).size(), 1U); // exactly 1.0 dB passes
    EXPECT_EQ(FilterByLoss(a, {100, feet}, 0.999, {800, 1000}).size(), 0U);
}

TEST_F(SearchTest, LossFilterLeavesOutAndCountsLinesWithoutAnAttenuation) {
    Catalogue other;
    AddLine(other, "VE37-A", "EW", 3400, 4200, {"CPR229G"}, 2800, 800);
    AddLine(other, "VE38-A", "EW", 3400, 4200, {"CPR229G"}, 2900, 800);
    const HitList hits{&catalogue[0], &other[0], &other[1]};
    UnjudgedLines unjudged;
    EXPECT_THAT(Parts(FilterByLoss(hits, {100, LengthUnit::Feet}, 10, {800, 960}, &unjudged)),
                ElementsAre("A"));
    EXPECT_EQ(unjudged.Count, 2U);
    EXPECT_EQ(unjudged.FirstReason,
              "Cannot compute the attenuation of VE37-A at 880 MHz: the frequency is at or "
              "below its cutoff of 2800 MHz.");
    // 2.05 dB for the coax at 3800 MHz (its band is not consulted), 1.01 dB for the waveguide.
    EXPECT_THAT(Parts(FilterByLoss(hits, {100, LengthUnit::Feet}, 1.5, {3400, 4200})),
                ElementsAre("VE37-A", "VE38-A"));
}

TEST_F(SearchTest, CableTypeFilterComparesInUpperCase) {
    const auto all = AllLines(catalogue);
    EXPECT_THAT(Parts(FilterByCableType(all, true, false, false)), ElementsAre("B"));
    EXPECT_THAT(Parts(FilterByCableType(all, false, true, false)), ElementsAre("A", "A"));
    EXPECT_THAT(Parts(FilterByCableType(all, false, false, true)), ElementsAre("C"));
    EXPECT_THAT(Parts(FilterByCableType(all, true, true, true)), ElementsAre("A", "B", "C", "A"));
}

TEST_F(SearchTest, WithNothingSetTheWholeCatalogueIsFound) {
    EXPECT_THAT(Parts(SearchCatalogue(catalogue, SearchCriteria{})), ElementsAre("A", "B", "C", "A"));
}

TEST_F(SearchTest, SearchAppliesEveryFilterInCatalogueOrder) {
    SearchCriteria criteria;
    criteria.ByFrequency = true;
    criteria.Band = {824, 960};
    criteria.ByConnector1 = true;
    criteria.ConnectorName1 = "N Male";
    criteria.ByConnector2 = true;
    criteria.ConnectorName2 = "N Male";
    criteria.ByLoss = true;
    criteria.Length = {100, LengthUnit::Feet};
    criteria.MaxLoss = 1.5;
    criteria.Foam = true;
    EXPECT_THAT(Parts(SearchCatalogue(catalogue, criteria)), ElementsAre("A"));
    criteria.Air = true;
    EXPECT_THAT(Parts(SearchCatalogue(catalogue, criteria)), ElementsAre("A", "B"));
    criteria.ConnectorName2 = "7-16 DIN Female";
    EXPECT_THAT(Parts(SearchCatalogue(catalogue, criteria)), ElementsAre("A"));
    EXPECT_EQ(SearchCatalogue(catalogue, criteria)[0], &catalogue[0]);
}

TEST_F(SearchTest, SearchLeavesOutAWaveguideBelowCutoffWhenTheFrequencyFilterIsOff) {
    catalogue[2].CableType = "EW";
    SearchCriteria criteria;
    criteria.ByLoss = true;
    criteria.Band = {800, 960};
    criteria.Length = {100};
    criteria.MaxLoss = 5;
    UnjudgedLines unjudged;
    EXPECT_THAT(Parts(SearchCatalogue(catalogue, criteria, &unjudged)), ElementsAre("A", "B", "A"));
    EXPECT_EQ(unjudged.Count, 1U);
    // Only lines that meet the other conditions count.
    criteria.Air = criteria.Foam = true;
    unjudged = {};
    SearchCatalogue(catalogue, criteria, &unjudged);
    EXPECT_EQ(unjudged.Count, 0U);
    criteria.Air = criteria.Foam = false;
    criteria.ByFrequency = true; // the second A starts at 824 MHz
    EXPECT_THAT(Parts(SearchCatalogue(catalogue, criteria)), ElementsAre("A", "B"));
}

TEST_F(SearchTest, FindByPartNumberIsExactAndKeepsCatalogueOrder) {
    EXPECT_THAT(Parts(FindByPartNumber(catalogue, "A")), ElementsAre("A", "A"));
    EXPECT_EQ(FindByPartNumber(catalogue, "A")[1], &catalogue[3]);
    EXPECT_TRUE(FindByPartNumber(catalogue, "a").empty());
    EXPECT_TRUE(FindByPartNumber(catalogue, "A|100|Feet").empty());
}

} // namespace
} // namespace dorvik
