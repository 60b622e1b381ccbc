#include "core/catalogue/hit_prices.h"

#include "core/text/large_memory.h"

#include <string_view>
#include <vector>

namespace dorvik {

void PreparePriceLookups(PriceList& prices, const HitList& lines) {
    // Some hundred thousand when each line has many connectors.
    std::vector<std::string_view, LargeAllocator<std::string_view>> partNumbers;
    for (const TTransmissionLine* line : lines) {
        partNumbers.push_back(line->PartNumber);
        for (const TConnector& connector : line->Connectors)
            connector.ForEachPartNumber(
                [&](std::string_view partNumber) { partNumbers.push_back(partNumber); });
    }
    prices.PrepareLookups(partNumbers);
}

} // namespace dorvik
