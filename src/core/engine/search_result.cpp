#include "core/engine/search_result.h"

#include "core/engine/curves.h"
#include "core/engine/formulas.h"
#include "core/errors.h"
#include "core/text/numbers.h"

#include <algorithm>

namespace dorvik {

namespace {

// The number the grid's text shows: the figures are read back from their display format.
double AsShown(double value) {
    return ReadNumber(FormatFixed2(value, '.'), '.');
}

double AsShownGeneral(double value) {
    return ReadNumber(FormatGeneral(value, '.'), '.');
}

std::string LineCount(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " line" : " lines");
}

// Computes a line's figures in the grid's order, keeping the first failure of the line.
class LineComputer {
public:
    explicit LineComputer(LineResult& line) : line_(line) {}

    template <typename Compute> bool Set(Figure figure, Compute compute) {
        try {
            line_[figure].Value = AsShown(compute());
            return true;
        } catch (const ComputationError& error) {
            line_[figure].Reason = error.what();
            if (firstReason_.empty())
                firstReason_ = error.what();
            return false;
        }
    }
    const std::string& FirstReason() const { return firstReason_; }

private:
    LineResult& line_;
    std::string firstReason_;
};

void ComputeFigures(LineComputer& c, LineResult& result, const TTransmissionLine& line,
                    const SearchCriteria& query, bool losses) {
    const bool ownBand = query.PartNumber.has_value();
    const FrequencyBand band = ownBand ? FrequencyBand{line.LowFrequency, line.HighFrequency} : query.Band;
    const double vswr = ownBand ? kPartLookupVswr : query.Vswr;
    result[Figure::MidBand].Value = AsShownGeneral(band.Mid());
    result[Figure::PeakPower].Value = AsShown(line.PeakPower);
    c.Set(Figure::Attenuation, [&] { return Attenuation(line, band); });
    c.Set(Figure::AttenuationPerMeter, [&] { return Attenuation(line, band) * kFeetPerMeter; });
    if (c.Set(Figure::AveragePower, [&] { return AveragePower(line, band); })) {
        // Derated from the average power as displayed.
        const double shown = *result[Figure::AveragePower].Value;
        c.Set(Figure::DeratedPower, [&] {
            return shown *
                   VswrDeratingFactor(line.CableType, vswr, band, line.DeratingParameter, line.PartNumber);
        });
    } else {
        result[Figure::DeratedPower].Reason = result[Figure::AveragePower].Reason;
    }
    if (!losses)
        return;
    c.Set(Figure::TotalAttenuation, [&] { return CableLoss(line, query.Length, band); });
    c.Set(Figure::InsertionLoss, [&] { return InsertionLoss(line, query.Length, band); });
    c.Set(Figure::Efficiency, [&] { return Efficiency(line, query.Length, band); });
}

// The lowest-priced part number of the line's connector of that name: the reason when there is none.
std::string CheapestPart(const TTransmissionLine& line, const std::string& name,
                         const PartPriceLookup& partPrice, std::vector<CostPart>& parts) {
    const auto connector = std::find_if(line.Connectors.begin(), line.Connectors.end(),
                                        [&](const TConnector& c) { return c.ConnectorName == name; });
    if (connector == line.Connectors.end())
        return std::string(line.PartNumber) + " has no " + name + " connector.";
    std::optional<CostPart> cheapest;
    connector->ForEachPartNumber([&](std::string_view part) {
        if (const auto price = partPrice ? partPrice(part) : std::nullopt;
            price && (!cheapest || *price < cheapest->Price))
            cheapest = CostPart{name, std::string(part), *price};
    });
    if (!cheapest)
        return "No part number of the " + name + " connector of " + std::string(line.PartNumber) +
               " has a list price.";
    parts.push_back(std::move(*cheapest));
    return {};
}

// The run's length of the line at its list price, and the cheapest part number of each connector the query
// names; the reason when a named connector has no priced part number.
std::string ComputeCost(LineResult& result, const TTransmissionLine& line, const SearchCriteria& query,
                        const PriceBasis& prices, const PartPriceLookup& partPrice) {
    // A line without a price line shows a list price of 0, which costs nothing: no cost rather than 0.
    if (partPrice && !partPrice(line.PartNumber))
        return std::string(line.PartNumber) + " has no list price.";
    double usd = query.Length.Value * line.ListPrice * FeetPer(query.Length.Unit);
    std::vector<CostPart> parts;
    if (!query.PartNumber) {
        for (const auto& [named, name] : {std::pair{query.ByConnector1, &query.ConnectorName1},
                                          std::pair{query.ByConnector2, &query.ConnectorName2}}) {
            if (!named)
                continue;
            if (std::string reason = CheapestPart(line, *name, partPrice, parts); !reason.empty())
                return reason;
            usd += parts.back().Price;
        }
    }
    result.CostParts = std::move(parts);
    result[Figure::CostOfRun].Value = AsShown(prices.Rate ? usd / *prices.Rate : usd);
    return {};
}

} // namespace

std::string SearchResult::Note() const {
    std::string note;
    if (LinesWithoutFigures > 0)
        note = LineCount(LinesWithoutFigures) + (LinesWithoutFigures == 1 ? " shows" : " show") +
               " N/A: " + FirstReason;
    if (Unjudged.Count > 0) {
        if (!note.empty())
            note += "  ";
        note += LineCount(Unjudged.Count) + " left out, " + (Unjudged.Count == 1 ? "its" : "their") +
                " insertion loss cannot be judged: " + Unjudged.FirstReason;
    }
    return note;
}

std::string SearchResult::CostNote() const {
    if (LinesWithoutCost == 0)
        return {};
    return LineCount(LinesWithoutCost) + " without a cost of run: " + FirstCostReason;
}

SearchResult ComputeResult(const SearchCriteria& query, const HitList& hits, UnjudgedLines unjudged,
                           const PriceBasis& prices, const PartPriceLookup& partPrice) {
    SearchResult result;
    result.Query = query;
    result.Unjudged = std::move(unjudged);
    result.Prices = prices;
    const bool partLookup = query.PartNumber.has_value();
    result.FiguresComputed = !partLookup || query.PartHasLength;
    // A part-number lookup computes the losses for a length of 0 too; a query only for a length.
    const bool losses = partLookup ? query.PartHasLength : query.Length.Value != 0;
    const bool byLoss = !partLookup && query.ByLoss;
    result.CostComputed = losses;
    result.Lines.reserve(hits.size());
    for (const TTransmissionLine* line : hits) {
        LineResult& r = result.Lines.emplace_back();
        r.Line = line;
        r.CatalogueIndex = result.Lines.size() - 1;
        LineComputer computer(r);
        if (result.FiguresComputed)
            ComputeFigures(computer, r, *line, query, losses);
        const double price = prices.Rate ? line->ListPrice / *prices.Rate : line->ListPrice;
        r[Figure::PricePerFoot].Value = AsShown(price);
        r[Figure::PricePerMeter].Value = AsShown(price * kFeetPerMeter);
        if (!computer.FirstReason().empty() && result.LinesWithoutFigures++ == 0)
            result.FirstReason = computer.FirstReason();
        if (!result.CostComputed) {
            r[Figure::CostOfRun].Reason = "The query gives no length.";
        } else if (std::string reason = ComputeCost(r, *line, query, prices, partPrice); !reason.empty()) {
            if (result.LinesWithoutCost++ == 0)
                result.FirstCostReason = reason;
            r[Figure::CostOfRun].Reason = std::move(reason);
        }
        if (byLoss) {
            try {
                if (const auto run =
                        LongestRunWithinBudget(*line, query.Length.Unit, query.MaxLoss, query.Band))
                    r[Figure::LongestRun].Value = AsShown(*run);
                else
                    r[Figure::LongestRun].Reason = "The connectors alone exceed the loss budget.";
            } catch (const ComputationError& error) {
                r[Figure::LongestRun].Reason = error.what();
            }
        }
    }
    return result;
}

} // namespace dorvik

namespace dorvik {

std::string CostBreakdown(const SearchResult& result, const LineResult& line) {
    if (!result.CostComputed)
        return {};
    const FigureValue& cost = line[Figure::CostOfRun];
    if (!cost.Value)
        return "No cost of run: " + cost.Reason;
    const RunLength& run = result.Query.Length;
    std::string text = "Cost of run: " + FormatGeneral(run.Value, '.') + " " + UnitName(run.Unit) + " of " +
                       std::string(line.Line->PartNumber);
    for (const CostPart& part : line.CostParts)
        text += ", " + part.ConnectorName + " " + part.PartNumber;
    return text;
}

} // namespace dorvik
