#include "core/fit/line_fit.h"

#include "core/engine/formulas.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <cmath>

namespace dorvik {

namespace {

FitPoint MakePoint(FitQuantity quantity, double mhz, double published, double fitted) {
    return {quantity, mhz, published, fitted, (fitted / published - 1) * 100, false};
}

// The power points' cap: the peak power given, else the highest power when given at more than one frequency.
std::optional<double> PowerCap(const std::vector<DatasheetPoint>& points, std::optional<double> peakPower) {
    if (peakPower)
        return peakPower;
    double highest = 0;
    int count = 0;
    for (const auto& point : points) {
        if (!point.AveragePower)
            continue;
        if (*point.AveragePower > highest) {
            highest = *point.AveragePower;
            count = 0;
        }
        count += *point.AveragePower == highest ? 1 : 0;
    }
    return count > 1 ? std::optional<double>(highest) : std::nullopt;
}

// The constant of the least squared relative errors of constant / attenuation against the powers below the
// cap; none when every power is at the cap.
void FitAveragePower(const DatasheetTable& table, const TTransmissionLine& line,
                     std::optional<double> peakPower, LineFit& fit) {
    fit.PeakPower = PowerCap(table.Points, peakPower);
    const auto atCap = [&fit](double power) { return fit.PeakPower && power >= *fit.PeakPower * (1 - 1e-9); };
    double sum = 0, squares = 0;
    for (const auto& point : table.Points)
        if (point.AveragePower && !atCap(*point.AveragePower)) {
            const double w = 1 / (Attenuation(line, {point.MHz, point.MHz}) * *point.AveragePower);
            sum += w;
            squares += w * w;
        }
    if (squares > 0)
        fit.AveragePowerConstant = sum / squares;
    for (const auto& point : table.Points) {
        if (!point.AveragePower)
            continue;
        double fitted = fit.AveragePowerConstant.value_or(0) / Attenuation(line, {point.MHz, point.MHz});
        if (fit.PeakPower)
            fitted = std::min(fitted, *fit.PeakPower);
        FitPoint shown = MakePoint(FitQuantity::AveragePower, point.MHz, *point.AveragePower, fitted);
        shown.AtPeakCap = atCap(*point.AveragePower);
        fit.Points.push_back(shown);
    }
}

} // namespace

LineFit FitDatasheet(const DatasheetTable& table, std::string_view cableType,
                     std::optional<double> peakPower) {
    if (table.Points.size() < 2)
        throw FitError("the table gives the attenuation at " + std::to_string(table.Points.size()) +
                       " frequencies: a fit needs at least two");
    for (std::size_t i = 0; i < table.Points.size(); ++i) {
        const auto& point = table.Points[i];
        if (!(point.MHz > 0) || !(point.Attenuation > 0) ||
            (point.AveragePower && !(*point.AveragePower > 0)))
            throw FitError("the table's figures at " + FormatGeneral(point.MHz, '.') +
                           " MHz are not all above 0");
        // Far beyond any datasheet, and beyond what the sums of the fit keep finite.
        const auto plausible = [](double value) { return value >= 1e-9 && value <= 1e7; };
        if (!plausible(point.MHz) || !plausible(point.Attenuation) ||
            (point.AveragePower && !plausible(*point.AveragePower)))
            throw FitError("the table's figures at " + FormatGeneral(point.MHz, '.') +
                           " MHz lie far outside what a datasheet gives (1e-9 to 1e7)");
        if (i > 0 && table.Points[i - 1].MHz == point.MHz)
            throw FitError("the frequency " + FormatGeneral(point.MHz, '.') + " MHz is given twice");
    }
    // The catalogue's unit is dB/100 ft; the program shows dB/100 m with this factor, so it is undone with
    // it.
    const double toFeet = table.PerMeter ? 1 / kFeetPerMeter : 1;
    std::vector<double> mhz, attenuation, rounding;
    for (const auto& point : table.Points) {
        mhz.push_back(point.MHz);
        attenuation.push_back(point.Attenuation * toFeet);
        rounding.push_back(point.Rounding * toFeet);
    }

    LineFit fit;
    fit.CableType = std::string(cableType);
    fit.PerMeter = table.PerMeter;
    TTransmissionLine line;
    line.CableType = fit.CableType;
    if (cableType == "EW") {
        const auto waveguide = FitWaveguide(mhz, attenuation);
        fit.K1 = waveguide.Cutoff;
        fit.K2 = waveguide.Scale;
    } else {
        const auto coax = FitCoax(mhz, attenuation, rounding);
        fit.K1 = coax.K1;
        fit.K2 = coax.K2;
        fit.WithinRounding = coax.WithinRounding;
    }
    line.AttenuationK1 = fit.K1;
    line.AttenuationK2 = fit.K2;
    for (const auto& point : table.Points)
        fit.Points.push_back(MakePoint(FitQuantity::Attenuation, point.MHz, point.Attenuation,
                                       Attenuation(line, {point.MHz, point.MHz}) / toFeet));
    FitAveragePower(table, line, peakPower, fit);

    double squares = 0;
    int fitted = 0;
    for (const auto& point : fit.Points) {
        if (point.AtPeakCap)
            continue;
        fit.MaxErrorPercent = std::max(fit.MaxErrorPercent, std::abs(point.ErrorPercent));
        squares += point.ErrorPercent * point.ErrorPercent;
        ++fitted;
    }
    fit.RmsErrorPercent = std::sqrt(squares / fitted);
    return fit;
}

} // namespace dorvik
