#include "core/engine/search_result.h"

#include "core/engine/curves.h"
#include "core/engine/formulas.h"
#include "core/errors.h"
#include "core/text/numbers.h"

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
    const double f1 = ownBand ? line.LowFrequency : query.BeginFrequency;
    const double f2 = ownBand ? line.HighFrequency : query.EndFrequency;
    const double vswr = ownBand ? kPartLookupVswr : query.Vswr;
    result[Figure::MidBand].Value = AsShownGeneral((f1 + f2) / 2);
    result[Figure::PeakPower].Value = AsShown(line.PeakPower);
    c.Set(Figure::Attenuation, [&] { return Attenuation(line, f1, f2); });
    c.Set(Figure::AttenuationPerMeter, [&] { return Attenuation(line, f1, f2) * kFeetPerMeter; });
    if (c.Set(Figure::AveragePower, [&] { return AveragePower(line, f1, f2); })) {
        // Derated from the average power as displayed.
        const double shown = *result[Figure::AveragePower].Value;
        c.Set(Figure::DeratedPower, [&] {
            return shown *
                   VswrDeratingFactor(line.CableType, vswr, f1, f2, line.DeratingParameter, line.PartNumber);
        });
    } else {
        result[Figure::DeratedPower].Reason = result[Figure::AveragePower].Reason;
    }
    if (!losses)
        return;
    const bool feet = query.Feet();
    c.Set(Figure::TotalAttenuation, [&] { return CableLoss(line, feet, query.Length, f1, f2); });
    c.Set(Figure::InsertionLoss, [&] { return InsertionLoss(line, feet, query.Length, f1, f2); });
    c.Set(Figure::Efficiency, [&] { return Efficiency(line, feet, query.Length, f1, f2); });
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

SearchResult ComputeResult(const SearchCriteria& query, const HitList& hits, UnjudgedLines unjudged,
                           const PriceBasis& prices) {
    SearchResult result;
    result.Query = query;
    result.Unjudged = std::move(unjudged);
    result.Prices = prices;
    const bool partLookup = query.PartNumber.has_value();
    result.FiguresComputed = !partLookup || query.PartHasLength;
    // A part-number lookup computes the losses for a length of 0 too; a query only for a length.
    const bool losses = partLookup ? query.PartHasLength : query.Length != 0;
    const bool byLoss = !partLookup && query.ByLoss;
    result.Lines.reserve(hits.size());
    for (const TTransmissionLine* line : hits) {
        LineResult& r = result.Lines.emplace_back();
        r.Line = line;
        LineComputer computer(r);
        if (result.FiguresComputed)
            ComputeFigures(computer, r, *line, query, losses);
        const double price = prices.Rate ? line->ListPrice / *prices.Rate : line->ListPrice;
        r[Figure::PricePerFoot].Value = AsShown(price);
        r[Figure::PricePerMeter].Value = AsShown(price * kFeetPerMeter);
        if (!computer.FirstReason().empty() && result.LinesWithoutFigures++ == 0)
            result.FirstReason = computer.FirstReason();
        if (byLoss) {
            try {
                if (const auto run = LongestRunWithinBudget(*line, query.Feet(), query.MaxLoss,
                                                            query.BeginFrequency, query.EndFrequency))
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
