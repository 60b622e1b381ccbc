#include "core/engine/curves.h"

#include "core/engine/formulas.h"
#include "core/errors.h"

#include <cmath>

namespace dorvik {

namespace {

// How far above its cutoff a waveguide's curve starts: right at the cutoff the attenuation has no value.
constexpr double kAboveCutoff = 1.01;

template <typename Formula>
std::vector<CurvePoint> Sample(const TTransmissionLine& line, int count, Formula formula) {
    std::vector<CurvePoint> points;
    const std::optional<FrequencyBand> band = ChartableBand(line);
    if (!band)
        return points;
    for (const double f : LogFrequencyGrid(band->Low, band->High, count)) {
        try {
            points.push_back({f, formula(FrequencyBand{f, f})});
        } catch (const ComputationError&) {
            // A frequency without a value is a gap in the curve, not a failed chart.
        }
    }
    return points;
}

} // namespace

std::vector<double> LogFrequencyGrid(double from, double to, int count) {
    std::vector<double> grid;
    if (!(from > 0) || !(to >= from) || !std::isfinite(to) || count < 1)
        return grid;
    if (from == to || count == 1)
        return {from};
    const double logFrom = std::log(from);
    const double step = (std::log(to) - logFrom) / (count - 1);
    grid.reserve(static_cast<std::size_t>(count));
    grid.push_back(from);
    for (int i = 1; i < count - 1; ++i)
        grid.push_back(std::exp(logFrom + step * i));
    grid.push_back(to);
    return grid;
}

std::optional<FrequencyBand> ChartableBand(const TTransmissionLine& line) {
    double from = line.LowFrequency;
    const double to = line.HighFrequency;
    if (!(to > 0) || !std::isfinite(to))
        return std::nullopt;
    if (line.CableType == "EW" && line.AttenuationK1 > 0)
        from = std::max(from, line.AttenuationK1 * kAboveCutoff);
    else if (!(from > 0))
        from = to / 100;
    if (!(from <= to))
        return std::nullopt;
    return FrequencyBand{from, to};
}

std::vector<CurvePoint> AttenuationCurve(const TTransmissionLine& line, LengthUnit per, int count) {
    const double scale = FeetPer(per);
    return Sample(line, count, [&](FrequencyBand f) { return Attenuation(line, f) * scale; });
}

std::vector<CurvePoint> AveragePowerCurve(const TTransmissionLine& line, int count) {
    return Sample(line, count, [&](FrequencyBand f) { return AveragePower(line, f); });
}

std::optional<double> LongestRunWithinBudget(const TTransmissionLine& line, LengthUnit unit, double maxLoss,
                                             FrequencyBand band) {
    const double budget = maxLoss - ConnectorPairLoss(band, line.PartNumber);
    if (budget < 0)
        return std::nullopt;
    const double attenuation = Attenuation(line, band);
    if (!(attenuation > 0))
        throw ComputationError("Cannot compute the longest run of " + std::string(line.PartNumber) +
                               ": its attenuation is not above 0 dB/100 ft.");
    const double lengthInFeet = budget / attenuation * 100;
    return lengthInFeet / FeetPer(unit);
}

} // namespace dorvik
