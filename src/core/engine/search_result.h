#pragma once
// The result of one search: the lines found, in the grid's order, with every figure computed once, each the
// number the grid shows or the reason it has none. The grid, the status note, the exports, the print data,
// the chart, the typed JSON, the workbook and the command-line tool all read this one result, so no output
// can disagree with the grid.
#include "core/engine/search.h"
#include "core/text/large_memory.h"

#include <array>
#include <functional>
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
    CostOfRun,  // the query's length of the line and the connectors it names, in the result's currency
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

// A connector part number counted in a line's cost of run, at its US-dollar list price.
struct CostPart {
    std::string ConnectorName;
    std::string PartNumber;
    double Price = 0;
};

struct LineResult {
    const TTransmissionLine* Line = nullptr;
    std::size_t CatalogueIndex = 0; // its place among the hits as the search found them
    std::array<FigureValue, kFigureCount> Figures;
    std::vector<CostPart> CostParts; // the connectors counted in the cost of run, one per end named

    const FigureValue& operator[](Figure figure) const { return Figures[static_cast<std::size_t>(figure)]; }
    FigureValue& operator[](Figure figure) { return Figures[static_cast<std::size_t>(figure)]; }
};

enum class SearchOutcome {
    NotRun,
    Listed,  // lines were found
    None,    // the query ran and found nothing
    Refused, // a check of the query page refused it; nothing was searched
};

// The order of the lines: catalogue order, or by one column of the grid. Equal keys keep catalogue order,
// and lines without a value come last in both directions.
enum class SortKey {
    Part,
    Band,
    Description,
    MidBand,
    Attenuation,
    Total,
    Loss,
    Efficiency,
    Peak,
    Average,
    Derated,
    Price,
    Cost
};
struct SortOrder {
    std::optional<SortKey> Key; // none: catalogue order
    bool Descending = false;
    bool operator==(const SortOrder&) const = default;
};

// The currency the prices are shown in, and the rate that divides the catalogue's US-dollar prices.
struct PriceBasis {
    std::string Currency = "USD";
    std::optional<double> Rate;
};

struct SearchResult {
    SearchCriteria Query;
    SearchOutcome Outcome = SearchOutcome::NotRun;
    std::vector<LineResult, LargeAllocator<LineResult>> Lines; // some megabytes for thousands of lines
    UnjudgedLines Unjudged;                                    // lines a search by loss left out
    PriceBasis Prices;
    // A part-number lookup without a length computes no figures: the grid hides their columns.
    bool FiguresComputed = true;
    std::size_t LinesWithoutFigures = 0; // lines with a figure the query asked for but that has no value
    std::string FirstReason;             // the reason of the first of them
    // The cost of run is computed when the query gives a length.
    bool CostComputed = false;
    std::size_t LinesWithoutCost = 0; // of those, lines whose cost has no value
    std::string FirstCostReason;
    SortOrder Order;

    // The status bar's note on lines shown with "N/A" and lines left out; empty when there are none.
    std::string Note() const;
    // The note on lines whose cost of run is "N/A" (the JSON gives each line's reason); empty when none is.
    std::string CostNote() const;
};

// The US-dollar list price of a part number, when the price list has a line for it.
using PartPriceLookup = std::function<std::optional<double>(std::string_view partNumber)>;

// Computes every figure of the hits, in their order; connector prices, for the cost of run, from partPrice.
SearchResult ComputeResult(const SearchCriteria& query, const HitList& hits, UnjudgedLines unjudged,
                           const PriceBasis& prices, const PartPriceLookup& partPrice = {});

// Puts the lines in the order given (from catalogue order whatever their order before).
void SortLines(SearchResult& result, SortOrder order);

// The keys as the tool and query files name them ("part", ..., "cost"), and "KEY" or "KEY:desc".
const std::vector<std::string>& SortKeyNames();
std::optional<SortOrder> ReadSortOrder(std::string_view text);
std::string SortOrderText(SortOrder order);

// Which parts the current line's cost of run counts ("Cost of run: 50 m of VF4-50, N Male VF4-NM"), or why
// it has none; empty when the result computes no cost.
std::string CostBreakdown(const SearchResult& result, const LineResult& line);

} // namespace dorvik
