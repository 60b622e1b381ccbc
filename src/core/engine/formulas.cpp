#include "core/engine/formulas.h"

#include "core/errors.h"
#include "core/text/numbers.h"

#include <array>
#include <cmath>
#include <string>

namespace dorvik {

namespace {

std::string Figure(double value) {
    return std::isfinite(value) ? FormatGeneral(value, '.')
                                : std::string(value < 0 ? "-infinity" : "infinity");
}

// "Cannot compute the <quantity> of <part> at <m> MHz: <reason>."
[[noreturn]] void Fail(std::string_view quantity, std::string_view partNumber, double midBand,
                       std::string_view reason) {
    std::string message = "Cannot compute the ";
    message += quantity;
    if (!partNumber.empty()) {
        message += " of ";
        message += partNumber;
    }
    if (!std::isnan(midBand)) {
        message += " at ";
        message += Figure(midBand);
        message += " MHz";
    }
    message += ": ";
    message += reason;
    message += '.';
    throw ComputationError(message);
}

double Checked(double value, std::string_view quantity, std::string_view partNumber, double midBand) {
    if (!std::isfinite(value))
        Fail(quantity, partNumber, midBand, "the result is not a finite number");
    return value;
}

struct DeratingGroup {
    std::array<double, 4> Band2;
    std::array<double, 4> Band3;
    double Band4Exponent;
};

// The maker's VSWR derating curves for coaxial cable, as published with its catalogue: for each range of the
// derating parameter, cubic fits in log10 of the frequency from 4 MHz to 1 GHz and a power law above 1 GHz.
constexpr std::array<DeratingGroup, 5> kDeratingGroups{{
    {{1.1844, 0.6676, 0.7887, 0.3132}, {12.219, 12.2289, 4.1127, 0.4642}, -1.4425},
    {{1.0978, 0.4239, 0.6091, 0.2903}, {11.1556, 11.5292, 3.9917, 0.4625}, -1.7166},
    {{1.0918, 0.393, 0.5676, 0.2791}, {8.9158, 8.8892, 2.9585, 0.3285}, -1.753},
    {{1.0858, 0.3621, 0.5261, 0.2679}, {8.5456, 8.619, 2.9136, 0.3299}, -1.8665},
    {{1.0246, 0.1597, 0.3267, 0.2148}, {8.6164, 8.8046, 3.0092, 0.3438}, -1.9594},
}};

// The thresholds are doubles on purpose: the parameter is read as a double, so a value written 1.94 in the
// catalogue must land in the upper group, which a comparison with the long double 1.94L would not give.
std::size_t DeratingGroupIndex(long double x) {
    if (x < 1.25)
        return 0;
    if (x < 1.94)
        return 1;
    if (x < 2.63)
        return 2;
    if (x < 3.5)
        return 3;
    return 4;
}

} // namespace

double Attenuation(const TTransmissionLine& line, FrequencyBand band) {
    const double m = band.Mid();
    const std::string_view quantity = "attenuation";
    if (line.CableType == "EW") {
        const double cutoff = line.AttenuationK1;
        if (!(cutoff > 0))
            Fail(quantity, line.PartNumber, m,
                 "its cutoff frequency of " + Figure(cutoff) + " MHz is not above 0");
        const double ratio = m / cutoff - 1;
        if (!(ratio > 0))
            Fail(quantity, line.PartNumber, m,
                 "the frequency is at or below its cutoff of " + Figure(cutoff) + " MHz");
        const double l = std::log(ratio);
        // The maker's fit of elliptical waveguide attenuation in ln(f/fc - 1), scaled by the line's K2.
        return Checked(std::exp(l * (0.09557 * l - 0.13127)) * (line.AttenuationK2 / 1000), quantity,
                       line.PartNumber, m);
    }
    if (m < 0)
        Fail(quantity, line.PartNumber, m, "the frequency is negative");
    return Checked(std::sqrt(m) * line.AttenuationK1 + m * line.AttenuationK2, quantity, line.PartNumber, m);
}

double CableLoss(const TTransmissionLine& line, RunLength run, FrequencyBand band) {
    const double attenuation = Attenuation(line, band);
    return Checked(attenuation / 100 * run.Feet(), "total attenuation", line.PartNumber, band.Mid());
}

double ConnectorPairLoss(FrequencyBand band, std::string_view partNumber) {
    const double m = band.Mid();
    if (m < 0)
        Fail("connector loss", partNumber, m, "the frequency is negative");
    // The catalogue's allowance for a connector: 0.05 dB times the square root of the frequency in GHz.
    return Checked(2 * 0.05 * std::sqrt(m / 1000), "connector loss", partNumber, m);
}

double InsertionLoss(const TTransmissionLine& line, RunLength run, FrequencyBand band) {
    const double loss = CableLoss(line, run, band) + ConnectorPairLoss(band, line.PartNumber);
    return Checked(loss, "insertion loss", line.PartNumber, band.Mid());
}

double Efficiency(const TTransmissionLine& line, RunLength run, FrequencyBand band) {
    const double insertionLoss = InsertionLoss(line, run, band);
    // A loss below 0 dB (a negative length or attenuation) would claim more power out than in.
    if (insertionLoss < 0)
        Fail("efficiency", line.PartNumber, band.Mid(),
             "its insertion loss of " + Figure(insertionLoss) + " dB is negative");
    return Checked(100 * std::pow(10.0, -insertionLoss / 10), "efficiency", line.PartNumber, band.Mid());
}

double AveragePower(const TTransmissionLine& line, FrequencyBand band) {
    const double attenuation = Attenuation(line, band);
    const double m = band.Mid();
    if (attenuation == 0)
        Fail("average power", line.PartNumber, m, "its attenuation there is 0 dB/100 ft");
    const double q = line.AveragePowerConstant / attenuation;
    if (std::isnan(q))
        Fail("average power", line.PartNumber, m, "the result is not a number");
    // A quotient too large for a double is still capped by the peak power.
    return Checked(q <= line.PeakPower ? q : line.PeakPower, "average power", line.PartNumber, m);
}

double VswrDeratingFactor(std::string_view cableType, double vswr, FrequencyBand band,
                          long double deratingParameter, std::string_view partNumber) {
    const std::string_view quantity = "VSWR derating";
    const double v = vswr;
    // Waveguide: the maker's derating 2V / (V^2 + 1), the same at every frequency.
    if (cableType == "EW")
        return Checked(2 * v / (v * v + 1), quantity, partNumber, std::nan(""));
    const double m = band.Mid();
    if (!(m > 0))
        Fail(quantity, partNumber, m, "the frequency is not above 0 MHz");
    const double phi = std::log10(m);
    const DeratingGroup& group = kDeratingGroups[DeratingGroupIndex(deratingParameter)];
    double k = 1;
    if (m >= 1000) {
        k = std::exp(group.Band4Exponent * phi);
    } else if (m >= 100) {
        k = DeratingPolynomial(phi, group.Band3[0], group.Band3[1], group.Band3[2], group.Band3[3]);
    } else if (m >= 4) {
        k = DeratingPolynomial(phi, group.Band2[0], group.Band2[1], group.Band2[2], group.Band2[3]);
    }
    const double denominator = v * v * (k + 1) + 1 - k;
    if (denominator == 0)
        Fail(quantity, partNumber, m, "the VSWR of " + Figure(v) + " gives a division by zero");
    return Checked(2 * v / denominator, quantity, partNumber, m);
}

double DeratingPolynomial(double phi, double c0, double c1, double c2, double c3) {
    return c0 - c1 * phi + c2 * phi * phi - c3 * phi * phi * phi;
}

} // namespace dorvik
