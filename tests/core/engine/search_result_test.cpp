#include "core/engine/search_result.h"

#include "core/engine/formulas.h"
#include "core/text/numbers.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

TTransmissionLine Line(std::string_view part, std::string_view type, double k1, double k2, double low = 0.5,
                       double high = 3000) {
    TTransmissionLine line;
    line.PartNumber = part;
    line.CableType = type;
    line.LowFrequency = low;
    line.HighFrequency = high;
    line.AttenuationK1 = k1;
    line.AttenuationK2 = k2;
    line.AveragePowerConstant = 15.6;
    line.PeakPower = 40;
    line.DeratingParameter = 1.6L;
    line.ListPrice = 21.874999999999996; // shown as 21.87, never as 21.88
    return line;
}

SearchCriteria BandQuery(double length) {
    SearchCriteria query;
    query.Band = {824, 960};
    query.Vswr = 1.5;
    query.Length = {length};
    return query;
}

double Shown(double value) {
    return ReadNumber(FormatFixed2(value, '.'), '.');
}

TEST(SearchResultTest, EveryFigureIsTheNumberTheGridShows) {
    TTransmissionLine foam = Line("F", "FOAM", 0.117, 4.333e-4);
    const SearchResult r = ComputeResult(BandQuery(50), {&foam}, {}, {"HKD", 1.0});
    const LineResult& line = r.Lines.at(0);
    EXPECT_EQ(*line[Figure::MidBand].Value, 892);
    EXPECT_EQ(*line[Figure::Attenuation].Value, Shown(Attenuation(foam, {824, 960})));
    EXPECT_EQ(*line[Figure::PricePerFoot].Value, 21.87);
    EXPECT_EQ(*line[Figure::PricePerMeter].Value, Shown(21.874999999999996 * kFeetPerMeter));
    // Derated from the average as shown, not from the unrounded one.
    const double average = *line[Figure::AveragePower].Value;
    EXPECT_EQ(average, Shown(AveragePower(foam, {824, 960})));
    EXPECT_EQ(*line[Figure::DeratedPower].Value,
              Shown(average * VswrDeratingFactor("FOAM", 1.5, {824, 960}, 1.6L, "F")));
    EXPECT_FALSE(line[Figure::LongestRun].Value); // not a query by loss
    EXPECT_TRUE(line[Figure::LongestRun].Reason.empty());
    EXPECT_EQ(r.Note(), "");
}

TEST(SearchResultTest, FiguresWithoutAValueCarryTheirReasonAndOnlyThoseAreCounted) {
    TTransmissionLine waveguide = Line("W", "EW", 1000, 1500); // cutoff 1000 MHz, above the band
    TTransmissionLine foam = Line("F", "FOAM", 0.117, 4.333e-4);
    struct Case {
        const char* name;
        double length;
        std::size_t counted;
        bool lossesOfFoam;
    };
    for (const Case c : {Case{"length 50", 50, 1, true}, Case{"length 0", 0, 1, false}}) {
        const SearchResult r = ComputeResult(BandQuery(c.length), {&waveguide, &foam}, {}, {});
        EXPECT_EQ(r.LinesWithoutFigures, c.counted) << c.name;
        const LineResult& w = r.Lines.at(0);
        EXPECT_FALSE(w[Figure::Attenuation].Value) << c.name;
        EXPECT_NE(w[Figure::Attenuation].Reason.find("cutoff"), std::string::npos) << c.name;
        EXPECT_EQ(w[Figure::DeratedPower].Reason, w[Figure::AveragePower].Reason) << c.name;
        EXPECT_TRUE(w[Figure::PeakPower].Value) << c.name;
        // No length: the losses are not asked for, so they have no reason and are not counted.
        const LineResult& f = r.Lines.at(1);
        EXPECT_EQ(f[Figure::InsertionLoss].Value.has_value(), c.lossesOfFoam) << c.name;
        EXPECT_TRUE(f[Figure::InsertionLoss].Reason.empty()) << c.name;
        EXPECT_EQ(r.Note().rfind("1 line shows N/A: Cannot compute the attenuation of W", 0), 0U) << r.Note();
    }
}

TEST(SearchResultTest, APartNumberLookupComputesOverTheLinesOwnBandOnlyWithALength) {
    TTransmissionLine foam = Line("F", "FOAM", 0.117, 4.333e-4, 800, 1000);
    SearchCriteria query;
    query.PartNumber = "F";
    query.Vswr = kPartLookupVswr;
    SearchResult r = ComputeResult(query, {&foam}, {}, {});
    EXPECT_FALSE(r.FiguresComputed);
    EXPECT_FALSE(r.Lines.at(0)[Figure::Attenuation].Value);
    EXPECT_EQ(*r.Lines.at(0)[Figure::PricePerFoot].Value, 21.87);
    query.PartHasLength = true; // a length of 0 still computes the losses
    r = ComputeResult(query, {&foam}, {}, {});
    EXPECT_EQ(*r.Lines.at(0)[Figure::MidBand].Value, 900);
    EXPECT_EQ(*r.Lines.at(0)[Figure::InsertionLoss].Value,
              Shown(InsertionLoss(foam, {0, LengthUnit::Feet}, {800, 1000})));
}

TEST(SearchResultTest, AQueryByLossGivesTheLongestRunWithinTheBudget) {
    TTransmissionLine foam = Line("F", "FOAM", 0.117, 4.333e-4);
    SearchCriteria query = BandQuery(50);
    query.ByLoss = true;
    query.MaxLoss = 6;
    const SearchResult r = ComputeResult(query, {&foam}, {}, {});
    const double budget = 6 - ConnectorPairLoss({824, 960});
    EXPECT_EQ(*r.Lines.at(0)[Figure::LongestRun].Value, Shown(budget / Attenuation(foam, {824, 960}) * 100));
    query.MaxLoss = 0.01; // the connectors alone exceed it
    EXPECT_FALSE(ComputeResult(query, {&foam}, {}, {}).Lines.at(0)[Figure::LongestRun].Value);
}

} // namespace
} // namespace dorvik
