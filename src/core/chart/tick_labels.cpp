#include "core/chart/tick_labels.h"

#include <cmath>

namespace dorvik {

namespace {

struct TickDigits {
    int Mantissa = 1; // the leading digit
    int Exponent = 0;
};

TickDigits DigitsOf(double tick) {
    const int exponent = static_cast<int>(std::floor(std::log10(tick) + 1e-9));
    return {static_cast<int>(std::lround(tick / std::pow(10.0, exponent))), exponent};
}

std::vector<double> Select(const std::vector<double>& ticks, const std::function<bool(TickDigits)>& keep) {
    std::vector<double> out;
    for (const double tick : ticks)
        if (keep(DigitsOf(tick)))
            out.push_back(tick);
    return out;
}

// Keeps each tick that stands clear of the last one kept: never an overlap, whatever the ticks.
std::vector<double> Greedy(const std::vector<double>& ticks,
                           const std::function<bool(const std::vector<double>&)>& fits) {
    std::vector<double> out;
    for (const double tick : ticks)
        if (out.empty() || fits({out.back(), tick}))
            out.push_back(tick);
    return out;
}

} // namespace

std::vector<double> ThinTickLabels(const std::vector<double>& ticks,
                                   const std::function<bool(const std::vector<double>&)>& fits) {
    if (ticks.empty() || fits(ticks))
        return ticks;
    // From the most labels to the fewest: 1-2-5, then 1 and 5, then the decades, then every n-th decade.
    std::vector<std::function<bool(TickDigits)>> choices{
        [](TickDigits d) { return d.Mantissa == 1 || d.Mantissa == 2 || d.Mantissa == 5; },
        [](TickDigits d) { return d.Mantissa == 1 || d.Mantissa == 5; },
        [](TickDigits d) { return d.Mantissa == 1; }};
    const int decades = DigitsOf(ticks.back()).Exponent - DigitsOf(ticks.front()).Exponent;
    for (int step = 2; step <= decades; ++step)
        choices.emplace_back(
            [step](TickDigits d) { return d.Mantissa == 1 && (d.Exponent % step + step) % step == 0; });
    std::vector<double> roundest = ticks;
    for (const auto& choice : choices) {
        std::vector<double> chosen = Select(ticks, choice);
        if (chosen.empty())
            break;
        if (chosen.size() >= 2 && fits(chosen))
            return chosen;
        roundest = std::move(chosen);
    }
    return Greedy(roundest, fits);
}

} // namespace dorvik
