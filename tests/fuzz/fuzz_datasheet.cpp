// The datasheet table and its fit. Properties: a table either reads or is refused with FitError; a fit is
// refused with FitError or gives finite coefficients of at least 0 (a waveguide's cutoff below the lowest
// frequency), finite errors, and one point per figure of the table.
#include "core/fit/line_fit.h"
#include "fuzz_support.h"

#include <cmath>

using namespace dorvik;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::AsText(data, size);
    const char separator = size > 0 && (data[0] & 1) ? ',' : '.';
    DatasheetTable table;
    try {
        table = ReadDatasheetTable(text, separator);
    } catch (const FitError&) {
        return 0;
    }
    std::size_t figures = 0;
    for (const auto& point : table.Points)
        figures += point.AveragePower ? 2 : 1;
    for (const char* type : {"FOAM", "EW"}) {
        try {
            const LineFit fit = FitDatasheet(table, type);
            Require(std::isfinite(fit.K1) && std::isfinite(fit.K2) && fit.K1 >= 0 && fit.K2 >= 0,
                    "finite coefficients of at least 0");
            if (fit.CableType == "EW")
                Require(fit.K1 < table.Points.front().MHz, "the cutoff below the lowest frequency");
            Require(fit.Points.size() == figures, "a point per figure");
            for (const auto& point : fit.Points)
                Require(std::isfinite(point.ErrorPercent), "finite errors");
        } catch (const FitError&) {
        } catch (const ComputationError&) {
        }
    }
    return 0;
}
