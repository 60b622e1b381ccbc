#pragma once
// The catalogue's coefficients of a line fitted to its datasheet table: K1 and K2 of a coaxial line
// (A = K1 * sqrt(f) + K2 * f, dB/100 ft, f in MHz), or the cutoff and scale of an elliptical waveguide, and
// the average power constant (average power = constant / attenuation, capped by the peak power). Errors are
// relative, so that a low frequency weighs as much as a high one.
#include "core/fit/datasheet_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

// A fit whose largest error is above this many percent fits badly: it is kept, with a warning.
inline constexpr double kBadFitPercent = 5;

enum class FitQuantity { Attenuation, AveragePower };

struct FitPoint {
    FitQuantity Quantity = FitQuantity::Attenuation;
    double MHz = 0;
    double Published = 0; // in the table's unit (dB/100 ft or dB/100 m; kW)
    double Fitted = 0;    // in the same unit
    double ErrorPercent = 0;
    bool AtPeakCap = false; // an average power at the peak power: shown, not fitted
};

struct LineFit {
    std::string CableType;
    bool PerMeter = false;
    double K1 = 0; // waveguide: the cutoff frequency, MHz
    double K2 = 0; // waveguide: the attenuation scale
    std::optional<double> AveragePowerConstant;
    std::optional<double> PeakPower; // the cap the power points were read against, when one was met
    std::vector<FitPoint> Points;    // attenuation points by frequency, then the power points
    double MaxErrorPercent = 0;      // of the fitted points, as a magnitude
    double RmsErrorPercent = 0;
    // Every attenuation fitted within the published rounding (coaxial lines only).
    bool WithinRounding = false;

    bool FitsBadly() const { return MaxErrorPercent > kBadFitPercent; }
};

// Type "FOAM" or "AIR" (or anything but "EW": the program computes it as coaxial) or "EW". Power points at or
// above peakPower are at the cap and left out of the fit; without a peak power, the table's highest power
// when it is given at more than one frequency is taken as the cap. Throws FitError when the table cannot be
// fitted.
LineFit FitDatasheet(const DatasheetTable& table, std::string_view cableType,
                     std::optional<double> peakPower = std::nullopt);

// Coaxial coefficients, both at least 0, for attenuations (dB/100 ft) known within +-rounding[i]: inside
// those bounds, the ones closest to the least-squares fit of the relative errors; where no coefficients meet
// every bound, those of the least largest relative error. Sets withinRounding accordingly.
struct CoaxCoefficients {
    double K1 = 0, K2 = 0;
    bool WithinRounding = false;
};
CoaxCoefficients FitCoax(const std::vector<double>& mhz, const std::vector<double>& attenuation,
                         const std::vector<double>& rounding);

// Cutoff (MHz, below the lowest frequency) and scale of the waveguide formula, by least squares of the
// logarithmic errors.
struct WaveguideCoefficients {
    double Cutoff = 0, Scale = 0;
};
WaveguideCoefficients FitWaveguide(const std::vector<double>& mhz, const std::vector<double>& attenuation);

} // namespace dorvik
