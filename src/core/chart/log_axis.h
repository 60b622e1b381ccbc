#pragma once
// A logarithmic axis as datasheets draw one: its ends on tick values, ticks at 1-2-5 steps per decade (every
// integer step when the range is too short for those to say anything).
#include <vector>

namespace dorvik {

struct LogAxis {
    double Low = 1;
    double High = 10;
    std::vector<double> Ticks;      // labelled, ascending, Low and High among them
    std::vector<double> MinorTicks; // grid lines between the labelled ones
};

// The range an axis can cover: its ticks, a third of the lowest and three times the highest value stay finite
// doubles. Values outside it are not drawn.
inline constexpr double kLogAxisLowest = 1e-300;
inline constexpr double kLogAxisHighest = 1e300;

// The axis covering [low, high], clamped to the range above; both must be above 0. A single value gets a
// decade around it.
LogAxis MakeLogAxis(double low, double high);

} // namespace dorvik
