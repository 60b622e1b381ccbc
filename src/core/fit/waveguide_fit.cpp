// The waveguide fit. The formula is ln A = L * (0.09557 * L - 0.13127) + ln(scale / 1000) with
// L = ln(f / cutoff - 1): for a given cutoff the scale follows in closed form, so only the cutoff is
// searched.
#include "core/engine/formulas.h"
#include "core/fit/line_fit.h"

#include <cmath>

namespace dorvik {

namespace {

class LogErrors {
public:
    LogErrors(const std::vector<double>& mhz, const std::vector<double>& attenuation) : mhz_(mhz) {
        for (const double a : attenuation)
            logs_.push_back(std::log(a));
    }

    // The least sum of squared logarithmic errors at this cutoff, and the scale that gives it.
    double SumOfSquares(double cutoff, double* scale = nullptr) const {
        std::vector<double> rest;
        double mean = 0;
        for (std::size_t i = 0; i < mhz_.size(); ++i) {
            const double l = std::log(mhz_[i] / cutoff - 1);
            rest.push_back(logs_[i] - l * (0.09557 * l - 0.13127));
            mean += rest.back() / static_cast<double>(mhz_.size());
        }
        double sum = 0;
        for (const double r : rest)
            sum += (r - mean) * (r - mean);
        if (scale)
            *scale = 1000 * std::exp(mean);
        return sum;
    }

private:
    const std::vector<double>& mhz_;
    std::vector<double> logs_;
};

} // namespace

WaveguideCoefficients FitWaveguide(const std::vector<double>& mhz, const std::vector<double>& attenuation) {
    const LogErrors errors(mhz, attenuation);
    const double lowest = mhz.front();
    // The cutoff as the lowest frequency's L, from just above the cutoff (L = -12) to far above it (L = 8).
    const auto cutoffAt = [lowest](double l) { return lowest / (1 + std::exp(l)); };
    constexpr int kSteps = 2000;
    constexpr double kLow = -12, kHigh = 8, kStep = (kHigh - kLow) / kSteps;
    int best = 0;
    double bestSum = errors.SumOfSquares(cutoffAt(kLow));
    for (int i = 1; i <= kSteps; ++i)
        if (const double sum = errors.SumOfSquares(cutoffAt(kLow + i * kStep)); sum < bestSum) {
            best = i;
            bestSum = sum;
        }
    // Golden-section search between the neighbours of the best step.
    double a = kLow + (best - 1) * kStep, b = kLow + (best + 1) * kStep;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 100; ++i) {
        const double c = b - ratio * (b - a), d = a + ratio * (b - a);
        if (errors.SumOfSquares(cutoffAt(c)) < errors.SumOfSquares(cutoffAt(d)))
            b = d;
        else
            a = c;
    }
    WaveguideCoefficients fit;
    fit.Cutoff = cutoffAt((a + b) / 2);
    errors.SumOfSquares(fit.Cutoff, &fit.Scale);
    // The scale of the least squared relative errors, as the coaxial fit weighs them.
    TTransmissionLine line;
    line.CableType = "EW";
    line.AttenuationK1 = fit.Cutoff;
    line.AttenuationK2 = fit.Scale;
    double sum = 0, squares = 0;
    for (std::size_t i = 0; i < mhz.size(); ++i) {
        const double ratioOfPoint = Attenuation(line, {mhz[i], mhz[i]}) / attenuation[i];
        sum += ratioOfPoint;
        squares += ratioOfPoint * ratioOfPoint;
    }
    fit.Scale *= sum / squares;
    return fit;
}

} // namespace dorvik
