#include "core/engine/formulas.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace dorvik {
namespace {

TTransmissionLine Coax() {
    TTransmissionLine line;
    line.PartNumber = "VF4-50";
    line.CableType = "FOAM";
    line.AttenuationK1 = 0.1;
    line.AttenuationK2 = 0.001;
    line.AveragePowerConstant = 40;
    line.PeakPower = 10;
    line.DeratingParameter = 1.0;
    return line;
}

TTransmissionLine Waveguide() {
    TTransmissionLine line;
    line.PartNumber = "VE60-A";
    line.CableType = "EW";
    line.AttenuationK1 = 600;
    line.AttenuationK2 = 1500;
    return line;
}

std::string MessageOf(auto&& compute) {
    try {
        compute();
    } catch (const ComputationError& error) {
        return error.what();
    }
    return "no error";
}

TEST(Formulas, WorkedCoaxFigures) {
    const auto line = Coax();
    EXPECT_NEAR(Attenuation(line, {800, 1000}), 3.9, 1e-12);
    EXPECT_NEAR(Attenuation(line, {800, 1000}) * kFeetPerMeter, 12.79512, 1e-10);
    EXPECT_NEAR(CableLoss(line, {100, LengthUnit::Feet}, {800, 1000}), 3.9, 1e-12);
    EXPECT_NEAR(CableLoss(line, {100, LengthUnit::Meters}, {800, 1000}), 12.79512, 1e-10);
    EXPECT_NEAR(ConnectorPairLoss({800, 1000}), 0.0948683, 1e-7);
    EXPECT_NEAR(InsertionLoss(line, {100, LengthUnit::Feet}, {800, 1000}), 3.9948683, 1e-7);
    EXPECT_NEAR(Efficiency(line, {100, LengthUnit::Feet}, {800, 1000}), 39.858, 1e-3);
}

TEST(Formulas, AveragePowerIsCappedByThePeakPower) {
    auto line = Coax();
    EXPECT_EQ(AveragePower(line, {800, 1000}), 10);
    line.PeakPower = 20;
    EXPECT_NEAR(AveragePower(line, {800, 1000}), 40 / 3.9, 1e-12);
}

TEST(Formulas, WorkedWaveguideFigures) {
    const auto line = Waveguide();
    EXPECT_NEAR(Attenuation(line, {900, 900}), 1.7200811, 1e-7);
    EXPECT_NEAR(VswrDeratingFactor("EW", 1.5, {900, 900}, 0), 3.0 / 3.25, 1e-12);
}

TEST(Formulas, WorkedDeratingFactor) {
    const double phi = std::log10(900.0);
    EXPECT_NEAR(phi, 2.9542425, 1e-7);
    const double k = DeratingPolynomial(phi, 12.219, 12.2289, 4.1127, 0.4642);
    EXPECT_NEAR(k, 0.0170479, 1e-7);
    EXPECT_NEAR(VswrDeratingFactor("FOAM", 1.5, {800, 1000}, 1.0L), 0.9170638, 1e-7);
}

TEST(Formulas, DeratingSpecialCases) {
    // Band 1: K = 1, so the factor is 1/V; V = 1 gives 1 whatever K is.
    EXPECT_NEAR(VswrDeratingFactor("AIR", 2.0, {1, 3}, 0.5L), 0.5, 1e-15);
    EXPECT_NEAR(VswrDeratingFactor("AIR", 1.0, {800, 1000}, 4.0L), 1.0, 1e-15);
    EXPECT_NEAR(VswrDeratingFactor("EW", 1.0, {800, 1000}, 4.0L), 1.0, 1e-15);
}

// Each boundary of frequency band and coefficient group belongs to the upper side.
TEST(Formulas, DeratingBoundariesFallInTheUpperBandAndGroup) {
    struct Case {
        double MidBand;
        long double Parameter;
        double K;
    };
    const double v = 1.5;
    const Case cases[] = {
        {4, 0.5L, DeratingPolynomial(std::log10(4.0), 1.1844, 0.6676, 0.7887, 0.3132)},
        {100, 1.25L, DeratingPolynomial(2, 11.1556, 11.5292, 3.9917, 0.4625)},
        {100, 1.94, DeratingPolynomial(2, 8.9158, 8.8892, 2.9585, 0.3285)},
        {1000, 2.63, std::exp(-1.8665 * 3)},
        {1000, 3.5L, std::exp(-1.9594 * 3)},
        {99.999, 3.49, DeratingPolynomial(std::log10(99.999), 1.0858, 0.3621, 0.5261, 0.2679)},
        {3.999, 3.49, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.MidBand);
        const double expected = 2 * v / (v * v * (c.K + 1) + 1 - c.K);
        EXPECT_NEAR(VswrDeratingFactor("FOAM", v, {c.MidBand, c.MidBand}, c.Parameter), expected, 1e-12);
    }
}

// The pieces of K join at 4, 100 and 1000 MHz in every group: a check of the coefficient table.
TEST(Formulas, DeratingPiecesJoin) {
    const double v = 2.0;
    const long double parameters[] = {1.0L, 1.5L, 2.0L, 3.0L, 4.0L};
    for (const auto x : parameters) {
        SCOPED_TRACE(static_cast<double>(x));
        EXPECT_NEAR(VswrDeratingFactor("FOAM", v, {4, 4}, x), 1 / v, 2e-4);
        EXPECT_NEAR(VswrDeratingFactor("FOAM", v, {100, 100}, x),
                    VswrDeratingFactor("FOAM", v, {99.99999, 99.99999}, x), 2e-4);
        EXPECT_NEAR(VswrDeratingFactor("FOAM", v, {1000, 1000}, x),
                    VswrDeratingFactor("FOAM", v, {999.99999, 999.99999}, x), 2e-4);
    }
}

TEST(Formulas, LowerCaseEwIsComputedAsCoax) {
    auto line = Waveguide();
    line.CableType = "ew";
    EXPECT_NEAR(Attenuation(line, {900, 900}), 30 * 600 + 900 * 1500, 1e-6);
    const double k = DeratingPolynomial(std::log10(900.0), 12.219, 12.2289, 4.1127, 0.4642);
    EXPECT_NEAR(VswrDeratingFactor("ew", 1.5, {900, 900}, 0), 3 / (2.25 * (k + 1) + 1 - k), 1e-12);
}

TEST(Formulas, ComputationsWithoutAValueThrowNamingLineAndQuantity) {
    auto waveguide = Waveguide();
    waveguide.AttenuationK1 = 4200;
    EXPECT_EQ(
        MessageOf([&] {
            Attenuation(waveguide, {4000, 4000});
        }),
        "Cannot compute the attenuation of VE60-A at 4000 MHz: the frequency is at or below its cutoff of "
        "4200 MHz.");
    EXPECT_THROW(Attenuation(waveguide, {4100, 4300}), ComputationError); // exactly at cutoff
    EXPECT_THROW(CableLoss(waveguide, {100, LengthUnit::Feet}, {3000, 3000}), ComputationError);
    EXPECT_THROW(AveragePower(waveguide, {3000, 3000}), ComputationError);
    EXPECT_NO_THROW(Attenuation(waveguide, {4201, 4201}));
    waveguide.AttenuationK1 = 0;
    EXPECT_EQ(MessageOf([&] {
                  Attenuation(waveguide, {6000, 7000});
              }),
              "Cannot compute the attenuation of VE60-A at 6500 MHz: its cutoff frequency of 0 MHz is not "
              "above 0.");

    auto coax = Coax();
    EXPECT_EQ(MessageOf([&] {
                  Attenuation(coax, {-10, 0});
              }),
              "Cannot compute the attenuation of VF4-50 at -5 MHz: the frequency is negative.");
    coax.AttenuationK1 = 0;
    coax.AttenuationK2 = 0;
    EXPECT_EQ(Attenuation(coax, {800, 1000}), 0);
    EXPECT_EQ(MessageOf([&] {
                  AveragePower(coax, {800, 1000});
              }),
              "Cannot compute the average power of VF4-50 at 900 MHz: its attenuation there is 0 dB/100 ft.");
    EXPECT_EQ(MessageOf([&] {
                  VswrDeratingFactor("FOAM", 1.5, {0, 0}, 1.0L, "VF4-50");
              }),
              "Cannot compute the VSWR derating of VF4-50 at 0 MHz: the frequency is not above 0 MHz.");
    EXPECT_THROW(VswrDeratingFactor("FOAM", 1.5, {-5, 2}, 1.0L), ComputationError);
    EXPECT_THROW(ConnectorPairLoss({-1, -1}), ComputationError);
    coax = Coax();
    EXPECT_THROW(Efficiency(coax, {-1e308, LengthUnit::Feet}, {800, 1000}), ComputationError);
    // A negative length or attenuation never gives more than 100 %.
    EXPECT_EQ(MessageOf([&] {
                  Efficiency(coax, {-5, LengthUnit::Meters}, {800, 1000});
              }).rfind("Cannot compute the efficiency of VF4-50 at 900 MHz: its insertion loss of -", 0),
              0u);
    EXPECT_LT(Efficiency(coax, {0, LengthUnit::Meters}, {800, 1000}), 100);
    EXPECT_EQ(Efficiency(coax, {0, LengthUnit::Meters}, {0, 0}), 100);
    EXPECT_THROW(CableLoss(coax, {1e308, LengthUnit::Meters}, {800, 1000}), ComputationError);
}

} // namespace
} // namespace dorvik
