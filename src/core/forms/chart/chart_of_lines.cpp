#include "core/forms/chart/chart_of_lines.h"

#include "core/errors.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <algorithm>

namespace dorvik {

TChartOfLines::TChartOfLines(ChartQuery query, std::vector<const TTransmissionLine*> lines, int current)
    : query_(query), lines_(std::move(lines)), chosen_(lines_.size(), false) {
    if (current >= 0 && current < Count())
        chosen_[static_cast<std::size_t>(current)] = true;
    for (int i = 0; i < Count() && ChosenCount() < kMaxChosen; ++i)
        chosen_[static_cast<std::size_t>(i)] = true;
}

int TChartOfLines::ChosenCount() const {
    return static_cast<int>(std::count(chosen_.begin(), chosen_.end(), true));
}

bool TChartOfLines::SetChosen(int index, bool chosen) {
    if (index < 0 || index >= Count())
        return false;
    if (chosen && !Chosen(index) && ChosenCount() >= kMaxChosen)
        return false;
    chosen_[static_cast<std::size_t>(index)] = chosen;
    return true;
}

std::optional<double> TChartOfLines::LongestRun(const TTransmissionLine& line) const {
    if (!query_.MaxLoss || !query_.Band)
        return std::nullopt;
    return LongestRunWithinBudget(line, query_.Unit, *query_.MaxLoss, *query_.Band);
}

ChartFigure TChartOfLines::Figure() const {
    ChartFigure figure;
    const bool attenuation = Quantity == ChartQuantity::Attenuation;
    const std::string unit = UnitName(query_.Unit);
    figure.Title = attenuation ? "Attenuation Of The Lines Found" : "Average Power Rating Of The Lines Found";
    figure.XAxisLabel = "Frequency (MHz)";
    figure.ValueUnit = attenuation ? "dB/100 " + unit : "kW";
    figure.YAxisLabel = attenuation ? "Attenuation (" + figure.ValueUnit + ")" : "Average Power (kW)";
    figure.DecimalSeparator = query_.DecimalSeparator;
    figure.QueryBand = query_.Band;
    if (query_.Band)
        figure.MidBand = query_.Band->Mid();
    for (int i = 0; i < Count(); ++i) {
        if (!Chosen(i))
            continue;
        const TTransmissionLine& line = Line(i);
        ChartSeries series;
        series.PartNumber = line.PartNumber;
        series.Points = attenuation ? AttenuationCurve(line, query_.Unit) : AveragePowerCurve(line);
        // The catalogue's bytes read as every output reads them.
        series.Legend = DecodeForDisplay(line.PartNumber);
        if (query_.MaxLoss) {
            try {
                const std::optional<double> run = LongestRun(line);
                series.Legend += run ? "  (" + FormatFixed2(*run, query_.DecimalSeparator) + " " + unit +
                                           " within " +
                                           FormatGeneral(*query_.MaxLoss, query_.DecimalSeparator) + " dB)"
                                     : "  (connectors exceed the budget)";
            } catch (const ComputationError&) {
                // The legend then names the line alone; its curve shows why.
            }
        }
        if (static_cast<std::size_t>(i) < query_.CostsOfRun.size())
            series.Legend += "  cost " + query_.CostsOfRun[static_cast<std::size_t>(i)];
        figure.Series.push_back(std::move(series));
    }
    return figure;
}

} // namespace dorvik
