#include "core/engine/curves.h"

#include "core/engine/formulas.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dorvik {
namespace {

TTransmissionLine Coax() {
    TTransmissionLine line;
    line.PartNumber = "VF4-50";
    line.CableType = "FOAM";
    line.LowFrequency = 1;
    line.HighFrequency = 1000;
    line.AttenuationK1 = 0.1;
    line.AttenuationK2 = 0.001;
    line.AveragePowerConstant = 40;
    line.PeakPower = 10;
    return line;
}

TTransmissionLine Waveguide() {
    TTransmissionLine line;
    line.PartNumber = "VE60-A";
    line.CableType = "EW";
    line.LowFrequency = 500; // below its cutoff: the curve starts just above 600 MHz
    line.HighFrequency = 1200;
    line.AttenuationK1 = 600;
    line.AttenuationK2 = 1500;
    line.AveragePowerConstant = 30;
    line.PeakPower = 100;
    return line;
}

TEST(LogFrequencyGrid, SpansTheRangeWithEqualRatios) {
    const std::vector<double> grid = LogFrequencyGrid(1, 1000, 4);
    ASSERT_EQ(grid.size(), 4u);
    EXPECT_EQ(grid.front(), 1);
    EXPECT_EQ(grid.back(), 1000); // exact, not a rounded exp
    EXPECT_NEAR(grid[1], 10, 1e-9);
    EXPECT_NEAR(grid[2], 100, 1e-9);
}

TEST(LogFrequencyGrid, DegenerateRanges) {
    EXPECT_EQ(LogFrequencyGrid(5, 5, 10), std::vector<double>{5});
    EXPECT_TRUE(LogFrequencyGrid(0, 100, 10).empty());
    EXPECT_TRUE(LogFrequencyGrid(-1, 100, 10).empty());
    EXPECT_TRUE(LogFrequencyGrid(200, 100, 10).empty());
    EXPECT_TRUE(LogFrequencyGrid(1, INFINITY, 10).empty());
    EXPECT_EQ(LogFrequencyGrid(1, 100, 1), std::vector<double>{1});
}

TEST(Curves, PointsEqualTheFormulasAtTheSampledFrequencies) {
    const TTransmissionLine line = Coax();
    for (const LengthUnit per : {LengthUnit::Feet, LengthUnit::Meters}) {
        const std::vector<CurvePoint> curve = AttenuationCurve(line, per, 31);
        ASSERT_EQ(curve.size(), 31u);
        EXPECT_EQ(curve.front().FrequencyMHz, 1);
        EXPECT_EQ(curve.back().FrequencyMHz, 1000);
        for (const CurvePoint& p : curve)
            EXPECT_DOUBLE_EQ(p.Value, Attenuation(line, {p.FrequencyMHz, p.FrequencyMHz}) *
                                          (per == LengthUnit::Meters ? kFeetPerMeter : 1.0));
    }
    const std::vector<CurvePoint> power = AveragePowerCurve(line, 31);
    ASSERT_EQ(power.size(), 31u);
    for (const CurvePoint& p : power) {
        EXPECT_DOUBLE_EQ(p.Value, AveragePower(line, {p.FrequencyMHz, p.FrequencyMHz}));
        EXPECT_LE(p.Value, line.PeakPower);
    }
    // Low frequencies are capped by the peak power, high ones are not.
    EXPECT_EQ(power.front().Value, 10);
    EXPECT_LT(power.back().Value, 10);
}

TEST(Curves, WaveguideStartsJustAboveItsCutoff) {
    const TTransmissionLine line = Waveguide();
    const std::vector<CurvePoint> curve = AttenuationCurve(line, LengthUnit::Feet, 20);
    ASSERT_EQ(curve.size(), 20u);
    EXPECT_GT(curve.front().FrequencyMHz, 600);
    EXPECT_LT(curve.front().FrequencyMHz, 610);
    EXPECT_EQ(curve.back().FrequencyMHz, 1200);
    // Attenuation falls as the frequency leaves the cutoff behind.
    EXPECT_GT(curve.front().Value, curve.back().Value);
    // A waveguide whose band lies wholly below its cutoff has no curve.
    TTransmissionLine below = line;
    below.HighFrequency = 590;
    EXPECT_TRUE(AttenuationCurve(below, LengthUnit::Feet).empty());
    EXPECT_FALSE(ChartableBand(below));
}

TEST(Curves, FrequenciesWithoutAValueAreLeftOut) {
    TTransmissionLine line = Coax();
    line.AttenuationK1 = 0;
    line.AttenuationK2 = 0; // average power divides by zero everywhere
    EXPECT_TRUE(AveragePowerCurve(line).empty());
    EXPECT_EQ(AttenuationCurve(line, LengthUnit::Feet).size(), static_cast<std::size_t>(kCurvePoints));
}

TEST(Curves, BandFromZeroStartsAtAHundredthOfItsTop) {
    TTransmissionLine line = Coax();
    line.LowFrequency = 0;
    const std::optional<FrequencyBand> band = ChartableBand(line);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->Low, 10);
    EXPECT_EQ(band->High, 1000);
}

TEST(LongestRunWithinBudget, WorkedLine) {
    TTransmissionLine line = Coax(); // 3.9 dB/100 ft at 900 MHz, connector allowance 0.0948683 dB
    const std::optional<double> feet = LongestRunWithinBudget(line, LengthUnit::Feet, 6, {800, 1000});
    ASSERT_TRUE(feet);
    EXPECT_NEAR(*feet, 151.41, 0.005);
    EXPECT_NEAR(InsertionLoss(line, {*feet, LengthUnit::Feet}, {800, 1000}), 6, 1e-9);
    const std::optional<double> meters = LongestRunWithinBudget(line, LengthUnit::Meters, 6, {800, 1000});
    ASSERT_TRUE(meters);
    EXPECT_NEAR(*meters, *feet / 3.2808, 1e-9);
    EXPECT_NEAR(InsertionLoss(line, {*meters, LengthUnit::Meters}, {800, 1000}), 6, 1e-9);
}

TEST(LongestRunWithinBudget, ConnectorAllowanceAgainstTheBudget) {
    const TTransmissionLine line = Coax();
    const double allowance = ConnectorPairLoss({800, 1000});
    EXPECT_FALSE(LongestRunWithinBudget(line, LengthUnit::Feet, allowance - 0.001, {800, 1000}));
    EXPECT_FALSE(LongestRunWithinBudget(line, LengthUnit::Feet, -1, {800, 1000}));
    const std::optional<double> none = LongestRunWithinBudget(line, LengthUnit::Feet, allowance, {800, 1000});
    ASSERT_TRUE(none);
    EXPECT_NEAR(*none, 0, 1e-12);
}

TEST(LongestRunWithinBudget, NoAttenuationIsAnError) {
    TTransmissionLine line = Coax();
    line.AttenuationK1 = 0;
    line.AttenuationK2 = 0;
    EXPECT_THROW(LongestRunWithinBudget(line, LengthUnit::Feet, 6, {800, 1000}), ComputationError);
    const TTransmissionLine guide = Waveguide();
    EXPECT_THROW(LongestRunWithinBudget(guide, LengthUnit::Feet, 6, {500, 600}),
                 ComputationError); // at its cutoff
}

} // namespace
} // namespace dorvik
