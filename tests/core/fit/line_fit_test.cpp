#include "core/engine/formulas.h"
#include "core/fit/line_fit.h"
#include "core/text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace dorvik {
namespace {

const std::vector<double> kFrequencies{30, 50, 150, 220, 450, 900, 1500, 2000, 2500, 3000};

double Coax(double k1, double k2, double f) {
    return k1 * std::sqrt(f) + k2 * f;
}

// The value rounded to this many significant figures, as a datasheet prints it.
double Significant(double value, int figures) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - figures + 1);
    return std::round(value / unit) * unit;
}

// "MHz,<unit>,kW" lines of attenuation(f) and, with a constant, power constant / attenuation.
std::string Table(const std::string& unit, const std::vector<double>& frequencies,
                  const std::function<double(double)>& attenuation, double constant = 0) {
    std::string text = "# generated\nMHz," + unit + ",kW\n";
    for (const double f : frequencies) {
        const double a = attenuation(f);
        text += FormatGeneral(f, '.') + "," + FormatGeneral(a, '.') + "," +
                (constant > 0 ? FormatGeneral(constant / a, '.') : "") + "\n";
    }
    return text;
}

TEST(LineFit, RecoversExactCoefficientsPerFootAndPerMeter) {
    struct Case {
        const char* Unit;
        double Factor;
    };
    for (const Case c : {Case{"dB/100ft", 1}, Case{"dB / 100 m", kFeetPerMeter}}) {
        const auto text = Table(
            c.Unit, kFrequencies, [&](double f) { return Coax(0.12229, 0.00026, f) * c.Factor; },
            2.2557 * c.Factor);
        const LineFit fit = FitDatasheet(ReadDatasheetTable(text), "FOAM");
        SCOPED_TRACE(c.Unit);
        EXPECT_NEAR(fit.K1 / 0.12229, 1, 1e-3);
        EXPECT_NEAR(fit.K2 / 0.00026, 1, 1e-3);
        ASSERT_TRUE(fit.AveragePowerConstant);
        EXPECT_NEAR(*fit.AveragePowerConstant / 2.2557, 1, 1e-3);
        EXPECT_EQ(fit.Points.size(), 20u);
        EXPECT_LT(fit.MaxErrorPercent, 0.01);
        EXPECT_FALSE(fit.FitsBadly());
    }
}

// Rounded figures that the true coefficients meet: so must the fit, which a plain least-squares fit does not.
TEST(LineFit, MeetsEveryRoundedFigureWhereTheTrueCoefficientsDo) {
    for (const int figures : {2, 3}) {
        for (const auto& coefficients :
             {std::pair{0.0660, 0.00019}, std::pair{0.367, 0.0012}, std::pair{0.021, 0.0}}) {
            const double k1 = coefficients.first, k2 = coefficients.second; // a lambda captures these
            const auto text = Table("dB/100ft", kFrequencies,
                                    [&](double f) { return Significant(Coax(k1, k2, f), figures); });
            const auto table = ReadDatasheetTable(text);
            const LineFit fit = FitDatasheet(table, "AIR");
            SCOPED_TRACE(std::to_string(figures) + " figures, K1 " + FormatGeneral(k1, '.'));
            EXPECT_TRUE(fit.WithinRounding);
            EXPECT_GE(fit.K2, 0);
            for (std::size_t i = 0; i < table.Points.size(); ++i)
                EXPECT_LE(std::abs(fit.Points[i].Fitted - fit.Points[i].Published),
                          table.Points[i].Rounding * (1 + 1e-9))
                    << fit.Points[i].MHz << " MHz";
        }
    }
}

TEST(LineFit, RecoversAWaveguidesCutoffAndScale) {
    TTransmissionLine ew;
    ew.CableType = "EW";
    ew.AttenuationK1 = 3100;
    ew.AttenuationK2 = 1150;
    const auto text = Table("dB/100ft", {5900, 6000, 6200, 6425, 6800, 7125}, [&](double f) {
        return Attenuation(ew, {f, f});
    });
    const LineFit fit = FitDatasheet(ReadDatasheetTable(text), "EW");
    EXPECT_NEAR(fit.K1 / 3100, 1, 1e-3);
    EXPECT_NEAR(fit.K2 / 1150, 1, 1e-3);
    EXPECT_FALSE(fit.AveragePowerConstant);
}

// Powers at the peak power are the cap, not constant / attenuation: left out of the fit, still listed.
TEST(LineFit, LeavesPowersAtThePeakCapOutOfTheFit) {
    const auto text = "MHz,dB/100ft,kW\n1,0.05,40\n2,0.07,40\n100,0.7,3.2\n1000,2.5,0.9\n";
    const LineFit fit = FitDatasheet(ReadDatasheetTable(text), "FOAM");
    ASSERT_TRUE(fit.PeakPower);
    EXPECT_EQ(*fit.PeakPower, 40);
    int capped = 0;
    for (const auto& point : fit.Points)
        capped += point.AtPeakCap ? 1 : 0;
    EXPECT_EQ(capped, 2);
    ASSERT_TRUE(fit.AveragePowerConstant);
    EXPECT_GT(*fit.AveragePowerConstant, 2.0);
    EXPECT_LT(*fit.AveragePowerConstant, 2.3);
}

TEST(LineFit, RefusesTablesThatCannotBeFitted) {
    struct Case {
        const char* Text;
        const char* Reason;
    };
    for (const Case c : {
             Case{"MHz,dB/100ft\n100,1.2\n", "at least two"},
             Case{"MHz,dB/100ft\n100,1.2\n200,-1.7\n", "line 3: the attenuation '-1.7' is not above 0"},
             Case{"MHz,dB/100ft\n100,1.2\n0,1.7\n", "not above 0"},
             Case{"MHz,dB/100ft\n100,1.2\n100,1.3\n", "given already on line 2"},
             Case{"MHz,volts\n100,1.2\n200,1.7\n", "the header needs"},
             Case{"MHz,dB/100ft\n100,1.2\n200,abc\n", "'abc' is not a number"},
             Case{"MHz,dB/100ft,kW\n100,1.2,0\n200,1.7,1\n", "average power '0'"},
             Case{"# only a comment\n", "empty"},
             Case{"MHz,dB/100ft\n100,1.2\n1e300,1e-300\n", "far outside"},
         }) {
        try {
            FitDatasheet(ReadDatasheetTable(c.Text), "FOAM");
            ADD_FAILURE() << "fitted: " << c.Text;
        } catch (const FitError& error) {
            EXPECT_NE(std::string(error.what()).find(c.Reason), std::string::npos) << error.what();
        }
    }
}

TEST(LineFit, SaysWhenATableFitsBadly) {
    const LineFit fit =
        FitDatasheet(ReadDatasheetTable("MHz,dB/100ft\n100,5\n200,1\n400,9\n800,2\n1600,14\n"), "FOAM");
    EXPECT_TRUE(fit.FitsBadly());
    EXPECT_FALSE(fit.WithinRounding);
    EXPECT_GE(fit.K1, 0);
    EXPECT_GE(fit.K2, 0);
}

// Pasted from a spreadsheet (tabs, a decimal comma) or a PDF's text (blanks).
TEST(DatasheetTable, ReadsPastedTables) {
    for (const char* text : {"MHz\tdB/100 ft\tkW\n100\t0,5\t\n400\t1,25\t2\n",
                             "  MHz   dB/100ft  kW\n 100   0.5\n 400   1.25   2\n"}) {
        const auto table = ReadDatasheetTable(text, ',');
        ASSERT_EQ(table.Points.size(), 2u) << text;
        EXPECT_EQ(table.Points[1].Attenuation, 1.25);
        EXPECT_EQ(table.Points[1].Rounding, 0.005);
        EXPECT_FALSE(table.Points[0].AveragePower);
        EXPECT_EQ(table.Points[1].AveragePower, 2.0);
    }
}

TEST(DatasheetTable, RoundingIsHalfTheLastPrintedDigit) {
    for (const auto& [text, rounding] :
         {std::pair{"0.37", 0.005}, std::pair{"12", 0.5}, std::pair{"0.4", 0.05}, std::pair{"1.5e3", 50.0},
          std::pair{"2,50", 0.005}}) {
        EXPECT_DOUBLE_EQ(PrintedRounding(text), rounding) << text;
    }
}

} // namespace
} // namespace dorvik
