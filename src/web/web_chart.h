#pragma once
// The chart window as the page shows it: the window's model (which lines, which quantity, the eleventh line
// refused), its picture drawn at the size the page gives, and the read-out of the curve under a point.
#include "core/chart/chart_scene.h"
#include "core/forms/chart/frm_chart.h"

#include <string>

namespace dorvik::web {

class WebChart {
public:
    WebChart(TChartOfLines lines, IPlatformServices& services, TFileDialog& saveDialog)
        : model_(std::move(lines), services, saveDialog, {}) {}

    // The window as JSON: title, quantity (0 attenuation, 1 average power), the refusal of the last choice,
    // the lines with their choice, and the picture as SVG drawn at width x height units, with the size of
    // its smallest text so that the page can scale it to a readable size.
    std::string Json(double width, double height);
    void Choose(int index, bool chosen) { model_.LineClickCheck(index, chosen); }
    void SetQuantity(int quantity);
    // "PN: 900 MHz, 3.90 dB/100 ft" for the curve within `tolerance` of the point (in the units of the last
    // picture), or empty.
    std::string ReadOut(double x, double y, double tolerance) const;
    // The picture as the desktop program saves it.
    std::string SavedSvg() const;

private:
    TfrmChart model_;
    ChartScene scene_;
};

} // namespace dorvik::web
