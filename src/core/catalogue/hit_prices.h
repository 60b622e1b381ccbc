#pragma once
// The price lines that the results of a search can show, asked for at once.
#include "core/catalogue/price_list.h"
#include "core/catalogue/records.h"

namespace dorvik {

// The part numbers of the lines and of their connectors: the results page looks up no others, so the list
// is passed once per search instead of indexed whole.
void PreparePriceLookups(PriceList& prices, const HitList& lines);

} // namespace dorvik
