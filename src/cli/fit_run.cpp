#include "cli/fit_run.h"

#include "cli/query_run.h"
#include "cli/terminal_text.h"
#include "core/fit/line_fit.h"
#include "core/output/json_string.h"
#include "core/text/file_bytes.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace dorvik::cli {

namespace {

// Six significant figures: more than any datasheet gives, few enough to read.
std::string Shown(double value) {
    if (value == 0 || !std::isfinite(value))
        return FormatGeneral(value, '.');
    const double unit = std::pow(10.0, std::floor(std::log10(std::abs(value))) - 5);
    return FormatGeneral(std::round(value / unit) * unit, '.');
}

std::string Padded(std::string text, std::size_t width) {
    text.insert(0, width > text.size() ? width - text.size() : 0, ' ');
    return text;
}

const char* QuantityName(FitQuantity quantity) {
    return quantity == FitQuantity::Attenuation ? "attenuation" : "average_power";
}

void WriteText(const LineFit& fit, std::ostream& out) {
    const bool waveguide = fit.CableType == "EW";
    out << "Type: " << TerminalText(fit.CableType) << '\n';
    if (waveguide) {
        out << "Cutoff (K1): " << Shown(fit.K1) << " MHz\n";
        out << "Scale (K2): " << Shown(fit.K2) << '\n';
    } else {
        out << "K1: " << Shown(fit.K1) << " dB/100 ft per square root of MHz\n";
        out << "K2: " << Shown(fit.K2) << " dB/100 ft per MHz\n";
    }
    out << "Average power constant: "
        << (fit.AveragePowerConstant ? Shown(*fit.AveragePowerConstant) + " kW x dB/100 ft" : "none") << '\n';
    if (fit.PeakPower)
        out << "Peak power cap: " << Shown(*fit.PeakPower) << " kW\n";
    out << "Largest error: " << FormatFixed2(fit.MaxErrorPercent, '.') << " %\n";
    out << "RMS error: " << FormatFixed2(fit.RmsErrorPercent, '.') << " %\n";
    if (fit.WithinRounding)
        out << "Every attenuation is met within the rounding of its published figure.\n";
    const std::string unit = fit.PerMeter ? "dB/100m" : "dB/100ft";
    out << '\n'
        << Padded("MHz", 10) << "  " << Padded("Unit", 13) << Padded("Published", 12) << Padded("Fitted", 12)
        << Padded("Error %", 10) << '\n';
    for (const auto& point : fit.Points) {
        const bool power = point.Quantity == FitQuantity::AveragePower;
        out << Padded(FormatGeneral(point.MHz, '.'), 10) << "  " << Padded(power ? "kW" : unit, 13)
            << Padded(Shown(point.Published), 12) << Padded(Shown(point.Fitted), 12)
            << Padded(FormatFixed2(point.ErrorPercent, '.'), 10) << (point.AtPeakCap ? "  (peak power)" : "")
            << '\n';
    }
}

void WriteJson(const LineFit& fit, std::ostream& out) {
    const auto number = [](double value) { return FormatRoundTrip(value); };
    out << "{\"type\":" << JsonQuoted(fit.CableType) << ",\"unit\":\""
        << (fit.PerMeter ? "dB/100m" : "dB/100ft") << "\",\"K1\":" << number(fit.K1)
        << ",\"K2\":" << number(fit.K2) << ",\"average_power_constant\":"
        << (fit.AveragePowerConstant ? number(*fit.AveragePowerConstant) : "null")
        << ",\"peak_power\":" << (fit.PeakPower ? number(*fit.PeakPower) : "null")
        << ",\"within_rounding\":" << (fit.WithinRounding ? "true" : "false") << ",\"points\":[";
    for (std::size_t i = 0; i < fit.Points.size(); ++i) {
        const auto& point = fit.Points[i];
        out << (i > 0 ? "," : "") << "{\"MHz\":" << number(point.MHz) << ",\"quantity\":\""
            << QuantityName(point.Quantity) << "\",\"published\":" << number(point.Published)
            << ",\"fitted\":" << number(point.Fitted) << ",\"error_percent\":" << number(point.ErrorPercent)
            << ",\"at_peak_cap\":" << (point.AtPeakCap ? "true" : "false") << '}';
    }
    out << "],\"max_error_percent\":" << number(fit.MaxErrorPercent)
        << ",\"rms_error_percent\":" << number(fit.RmsErrorPercent) << "}\n";
}

} // namespace

int RunFit(const QueryOptions& options, std::ostream& out, std::ostream& err) {
    const std::string name = TerminalText(QuotedExcerpt(options.fitTable->string()));
    LineFit fit;
    try {
        const FileBytes bytes = FileBytes::Read(*options.fitTable, FileBytes::Access::Copy);
        fit = FitDatasheet(ReadDatasheetTable(bytes.View()), options.fitType);
    } catch (const FitError& error) {
        err << "dorvik-query: " << name << ": " << TerminalText(error.what()) << '\n';
        return kFailed;
    } catch (const DorvikError& error) {
        err << "dorvik-query: " << TerminalText(error.what()) << '\n';
        return kFailed;
    }
    if (fit.FitsBadly())
        err << "dorvik-query: warning: " << name << " fits badly: the largest error is "
            << FormatFixed2(fit.MaxErrorPercent, '.') << " % (above " << FormatGeneral(kBadFitPercent, '.')
            << " %)\n";
    if (options.format == OutputFormat::Json)
        WriteJson(fit, out);
    else
        WriteText(fit, out);
    out.flush();
    if (!out) {
        err << "dorvik-query: cannot write the fit\n";
        return kFailed;
    }
    return kLinesListed;
}

} // namespace dorvik::cli
