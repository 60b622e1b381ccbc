#pragma once
// Which lines of a search a chart draws (the current one and up to nine more), which quantity, and the figure
// of them; the chart window's model and dorvik-query --chart build on it.
#include "core/catalogue/records.h"
#include "core/chart/chart_figure.h"
#include "core/engine/curves.h"

#include <optional>
#include <string>
#include <vector>

namespace dorvik {

enum class ChartQuantity { Attenuation, AveragePower };

// What the results page says about the query the lines were found by.
struct ChartQuery {
    std::optional<FrequencyBand> Band;  // the query's band; none for a part-number lookup
    LengthUnit Unit = LengthUnit::Feet; // the page's unit
    std::optional<double> MaxLoss;      // set when the query was by maximum insertion loss
    char DecimalSeparator = '.';
    // Each line's cost of run as the grid shows it, in line order; empty when the query has no length.
    std::vector<std::string> CostsOfRun;
};

class TChartOfLines {
public:
    static constexpr int kMaxChosen = 10;

    // The lines in hit-list order; the current one (an index, or -1) and the first ones up to ten are chosen.
    TChartOfLines(ChartQuery query, std::vector<const TTransmissionLine*> lines, int current);

    int Count() const { return static_cast<int>(lines_.size()); }
    const TTransmissionLine& Line(int index) const { return *lines_.at(static_cast<std::size_t>(index)); }
    bool Chosen(int index) const { return chosen_.at(static_cast<std::size_t>(index)); }
    int ChosenCount() const;
    // False, and nothing changes, when it would choose more than ten lines.
    bool SetChosen(int index, bool chosen);

    ChartQuantity Quantity = ChartQuantity::Attenuation;
    const ChartQuery& Query() const { return query_; }

    // The longest run of the line within the query's loss budget, in the page's unit: none when the query was
    // not by loss or the connector allowance alone exceeds it.
    std::optional<double> LongestRun(const TTransmissionLine& line) const;
    ChartFigure Figure() const;

private:
    ChartQuery query_;
    std::vector<const TTransmissionLine*> lines_;
    std::vector<bool> chosen_;
};

} // namespace dorvik
