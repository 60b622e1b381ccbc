#pragma once
// How a line's attenuation and power rating run over frequency, and the longest run a loss budget allows:
// the figures of the chart of lines, computed with the same formulas as the results grid.
#include "core/catalogue/records.h"
#include "core/engine/quantities.h"

#include <optional>
#include <vector>

namespace dorvik {

struct CurvePoint {
    double FrequencyMHz = 0;
    double Value = 0;
};

inline constexpr int kCurvePoints = 97;

// `count` frequencies from `from` to `to` (both included) evenly spaced on a logarithmic scale. Empty when
// the range is not positive; one point when from equals to.
std::vector<double> LogFrequencyGrid(double from, double to, int count = kCurvePoints);

// The part of the line's band where its formulas have values: a waveguide starts just above its cutoff, and a
// band starting at 0 MHz or below starts at a hundredth of its upper edge (a log axis has no 0).
// nullopt when nothing of the band is left.
std::optional<FrequencyBand> ChartableBand(const TTransmissionLine& line);

// Attenuation in dB per 100 of the unit at each frequency of the line's chartable band. Frequencies where the
// formula has no value are left out.
std::vector<CurvePoint> AttenuationCurve(const TTransmissionLine& line, LengthUnit per,
                                         int count = kCurvePoints);
// Average power rating in kW (capped by the peak power) over the same frequencies.
std::vector<CurvePoint> AveragePowerCurve(const TTransmissionLine& line, int count = kCurvePoints);

// The length in `unit` at which the insertion loss over the band reaches maxLoss: the budget left after the
// connector allowance over the attenuation. nullopt when the connector allowance alone uses up the budget.
// Throws ComputationError when the attenuation has no value.
std::optional<double> LongestRunWithinBudget(const TTransmissionLine& line, LengthUnit unit, double maxLoss,
                                             FrequencyBand band);

} // namespace dorvik
