#include "core/chart/log_axis.h"

#include <algorithm>
#include <cmath>

namespace dorvik {

namespace {

// m x 10^e as the nearest double to its decimal text (0.2, not 2 x 0.1000...01), so labels read cleanly.
double TickValue(int m, int e) {
    return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e);
}

// The values m x 10^e for each mantissa m, in [low, high] after snapping outward to them.
std::vector<double> TicksOf(double low, double high, const std::vector<int>& mantissas) {
    std::vector<double> ticks;
    const int first = static_cast<int>(std::floor(std::log10(low))) - 1;
    const int last = static_cast<int>(std::ceil(std::log10(high))) + 1;
    double below = 0, above = 0;
    for (int e = first; e <= last; ++e) {
        for (const int m : mantissas) {
            const double value = TickValue(m, e);
            const double tolerance = value * 1e-12;
            if (value <= low + tolerance)
                below = value;
            if (value >= high - tolerance && above == 0)
                above = value;
        }
    }
    for (int e = first; e <= last; ++e)
        for (const int m : mantissas) {
            const double value = TickValue(m, e);
            if (value >= below * (1 - 1e-12) && value <= above * (1 + 1e-12))
                ticks.push_back(value);
        }
    return ticks;
}

} // namespace

LogAxis MakeLogAxis(double low, double high) {
    if (!(low > 0) || !(high > 0) || !std::isfinite(low) || !std::isfinite(high))
        low = high = 1;
    if (high < low)
        std::swap(low, high);
    low = std::clamp(low, kLogAxisLowest, kLogAxisHighest);
    high = std::clamp(high, kLogAxisLowest, kLogAxisHighest);
    if (low == high) {
        low /= 3;
        high *= 3;
    }
    LogAxis axis;
    axis.Ticks = TicksOf(low, high, {1, 2, 5});
    if (axis.Ticks.size() < 3)
        axis.Ticks = TicksOf(low, high, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    axis.Low = axis.Ticks.front();
    axis.High = axis.Ticks.back();
    for (const double tick : TicksOf(axis.Low, axis.High, {1, 2, 3, 4, 5, 6, 7, 8, 9}))
        if (!std::binary_search(axis.Ticks.begin(), axis.Ticks.end(), tick))
            axis.MinorTicks.push_back(tick);
    return axis;
}

} // namespace dorvik
