#pragma once
// Which catalogue lines meet the user's conditions.
#include "core/catalogue/records.h"

#include <string>
#include <string_view>

namespace dorvik {

struct SearchCriteria {
    std::string ConnectorName1;
    std::string ConnectorName2;
    double BeginFrequency = 0;
    double EndFrequency = 0;
    double Length = 0;
    double MaxLoss = 0;
    std::string Units; // "Meters" or "Feet"
    bool ByFrequency = false;
    bool ByConnector1 = false;
    bool ByConnector2 = false;
    bool ByLoss = false;
    bool Air = false;
    bool Foam = false;
    bool Waveguide = false;
};

HitList AllLines(const Catalogue& catalogue);
HitList FilterByFrequency(const HitList& lines, double beginFrequency, double endFrequency);
HitList FilterByConnector(const HitList& lines, std::string_view connectorName);
// Throws ComputationError when an attenuation has no value.
HitList FilterByLoss(const HitList& lines, std::string_view units, double length, double maxLoss,
                     double beginFrequency, double endFrequency);
HitList FilterByCableType(const HitList& lines, bool air, bool foam, bool waveguide);

HitList SearchCatalogue(const Catalogue& catalogue, const SearchCriteria& criteria);
HitList FindByPartNumber(const Catalogue& catalogue, std::string_view partNumber);

} // namespace dorvik
