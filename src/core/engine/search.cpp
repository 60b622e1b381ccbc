#include "core/engine/search.h"

#include "core/engine/formulas.h"
#include "core/errors.h"
#include "core/text/letter_case.h"

#include <string>

namespace dorvik {

namespace {

template <typename Keep> HitList Filter(const HitList& lines, Keep keep) {
    HitList kept;
    kept.reserve(lines.size());
    for (TTransmissionLine* line : lines)
        if (keep(*line))
            kept.push_back(line);
    return kept;
}

} // namespace

HitList AllLines(const Catalogue& catalogue) {
    return catalogue.AllLines();
}

HitList FilterByFrequency(const HitList& lines, FrequencyBand band) {
    return Filter(lines, [&](const TTransmissionLine& line) {
        return line.LowFrequency <= band.Low && line.HighFrequency >= band.High;
    });
}

HitList FilterByConnector(const HitList& lines, std::string_view connectorName) {
    return Filter(lines, [&](const TTransmissionLine& line) {
        for (const TConnector& connector : line.Connectors)
            if (connector.ConnectorName == connectorName)
                return true;
        return false;
    });
}

HitList FilterByLoss(const HitList& lines, RunLength run, double maxLoss, FrequencyBand band,
                     UnjudgedLines* unjudged) {
    return Filter(lines, [&](const TTransmissionLine& line) {
        double attenuation = 0;
        try {
            attenuation = Attenuation(line, band);
        } catch (const ComputationError& error) {
            if (unjudged != nullptr && unjudged->Count++ == 0)
                unjudged->FirstReason = error.what();
            return false;
        }
        // The attenuation per 100 of the run's unit, over the run.
        return attenuation * FeetPer(run.Unit) / 100 * run.Value <= maxLoss;
    });
}

HitList FilterByCableType(const HitList& lines, bool air, bool foam, bool waveguide) {
    return Filter(lines, [&](const TTransmissionLine& line) {
        const std::string type = UpperCaseAscii(line.CableType);
        return (air && type == "AIR") || (foam && type == "FOAM") || (waveguide && type == "EW");
    });
}

HitList SearchCatalogue(const Catalogue& catalogue, const SearchCriteria& criteria, UnjudgedLines* unjudged) {
    HitList hits = AllLines(catalogue);
    if (criteria.ByFrequency)
        hits = FilterByFrequency(hits, criteria.Band);
    if (criteria.ByConnector1)
        hits = FilterByConnector(hits, criteria.ConnectorName1);
    if (criteria.ByConnector2)
        hits = FilterByConnector(hits, criteria.ConnectorName2);
    if (criteria.Air || criteria.Foam || criteria.Waveguide)
        hits = FilterByCableType(hits, criteria.Air, criteria.Foam, criteria.Waveguide);
    // Last, so only lines that meet every other condition count as unjudged.
    if (criteria.ByLoss)
        hits = FilterByLoss(hits, criteria.Length, criteria.MaxLoss, criteria.Band, unjudged);
    return hits;
}

HitList FindByPartNumber(const Catalogue& catalogue, std::string_view partNumber) {
    HitList found;
    for (TTransmissionLine* line : catalogue.AllLines())
        if (line->PartNumber == partNumber)
            found.push_back(line);
    return found;
}

} // namespace dorvik
