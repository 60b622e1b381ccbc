#pragma once
// The result of one search: the lines found, in the grid's order, with every figure computed once, each the
// number the grid shows or the reason it has none. The grid, the status note, the exports, the print data,
// the chart, the typed JSON, the workbook and the command-line tool all read this one result, so no output
// can disagree with the grid.
#include "core/engine/search.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dorvik {

// The computed figures of a line, in the grid's column order.
enum class Figure {
    MidBand,
    Attenuation,         // dB/100 ft
    AttenuationPerMeter, // dB/100 m
    TotalAttenuation,
    InsertionLoss,
    Efficiency,
    PeakPower,
    AveragePower,
    DeratedPower,
    PricePerFoot, // in the result's currency
    PricePerMeter,
    LongestRun, // within the loss budget of a query by loss, in the query's unit
};
inline constexpr std::size_t kFigureCount = static_cast<std::size_t>(Figure::LongestRun) + 1;

struct FigureValue {
    // As the grid shows it: rounded to two decimals (the mid band to 15 significant digits), so that every
    // output carries the grid's number.
    std::optional<double> Value;
    // Why there is no value: the computation's message. Empty for a figure the query did not ask for (no
    // length, not a query by loss), which the status note does not count.
    std::string Reason;
};

struct LineResult {
    const TTransmissionLine* Line = nullptr;
    std::array<FigureValue, kFigureCount> Figures;

    const FigureValue& operator[](Figure figure) const { return Figures[static_cast<std::size_t>(figure)]; }
    FigureValue& operator[](Figure figure) { return Figures[static_cast<std::size_t>(figure)]; }
};

enum class SearchOutcome {
    NotRun,
    Listed,  // lines were found
    None,    // the query ran and found nothing
    Refused, // a check of the query page refused it; nothing was searched
};

// The currency the prices are shown in, and the rate that divides the catalogue's US-dollar prices.
struct PriceBasis {
    std::string Currency = "USD";
    std::optional<double> Rate;
};

struct SearchResult {
    SearchCriteria Query;
    SearchOutcome Outcome = SearchOutcome::NotRun;
    std::vector<LineResult> Lines;
    UnjudgedLines Unjudged; // lines a search by loss left out
    PriceBasis Prices;
    // A part-number lookup without a length computes no figures: the grid hides their columns.
    bool FiguresComputed = true;
    std::size_t LinesWithoutFigures = 0; // lines with a figure the query asked for but that has no value
    std::string FirstReason;             // the reason of the first of them

    // The status bar's note on lines shown with "N/A" and lines left out; empty when there are none.
    std::string Note() const;
};

// Computes every figure of the hits, in their order.
SearchResult ComputeResult(const SearchCriteria& query, const HitList& hits, UnjudgedLines unjudged,
                           const PriceBasis& prices);

} // namespace dorvik
