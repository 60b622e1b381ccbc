#pragma once
// Which catalogue lines meet the user's conditions.
#include "core/catalogue/records.h"
#include "core/engine/quantities.h"

#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

// Lines that a condition could not judge because a figure of theirs has no value at the query's frequencies:
// they are left out of the hits.
struct UnjudgedLines {
    std::size_t Count = 0;
    std::string FirstReason; // the computation's message for the first of them
};

// The query of a search, read once from the query page (or the part-number parameter): every figure, output
// and check of the search takes its values from here.
struct SearchCriteria {
    // A part-number lookup lists the lines of that part number; their figures are computed over each line's
    // own band at a VSWR of 1.1, and only when the parameter gave a length (PartHasLength).
    std::optional<std::string> PartNumber;
    bool PartHasLength = false;
    double Vswr = 0;
    std::string ConnectorName1;
    std::string ConnectorName2;
    FrequencyBand Band;
    RunLength Length;
    double MaxLoss = 0;
    bool ByFrequency = false;
    bool ByConnector1 = false;
    bool ByConnector2 = false;
    bool ByLoss = false;
    bool Air = false;
    bool Foam = false;
    bool Waveguide = false;
};

// The VSWR a new query page starts with, and that a part-number lookup computes at.
inline constexpr double kDefaultVswr = 1.1;
inline constexpr const char* kDefaultVswrText = "1.1";
inline constexpr double kPartLookupVswr = kDefaultVswr;

HitList AllLines(const Catalogue& catalogue);
// The lines whose band covers the query's.
HitList FilterByFrequency(const HitList& lines, FrequencyBand band);
HitList FilterByConnector(const HitList& lines, std::string_view connectorName);
// A line whose attenuation has no value is left out, and counted in unjudged when given.
HitList FilterByLoss(const HitList& lines, RunLength run, double maxLoss, FrequencyBand band,
                     UnjudgedLines* unjudged = nullptr);
HitList FilterByCableType(const HitList& lines, bool air, bool foam, bool waveguide);

HitList SearchCatalogue(const Catalogue& catalogue, const SearchCriteria& criteria,
                        UnjudgedLines* unjudged = nullptr);
HitList FindByPartNumber(const Catalogue& catalogue, std::string_view partNumber);

} // namespace dorvik
