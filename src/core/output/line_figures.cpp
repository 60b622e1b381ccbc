#include "core/output/line_figures.h"

namespace dorvik {

QueryEcho EchoOf(const SearchCriteria& q) {
    QueryEcho echo;
    echo.Unit = q.Length.Unit;
    if (q.PartNumber) {
        // The figures only with a length, over each line's band, at the lookup's VSWR.
        echo.PartNumber = q.PartNumber;
        if (q.PartHasLength) {
            echo.Length = q.Length.Value;
            echo.Vswr = q.Vswr;
        }
        return echo;
    }
    if (q.ByFrequency)
        echo.Band = q.Band;
    if (q.ByLoss)
        echo.MaxLossDb = q.MaxLoss;
    echo.Length = q.Length.Value;
    echo.Vswr = q.Vswr;
    if (q.ByConnector1)
        echo.Connector1 = q.ConnectorName1;
    if (q.ByConnector2)
        echo.Connector2 = q.ConnectorName2;
    for (const auto& [chosen, name] :
         {std::pair{q.Foam, "foam"}, std::pair{q.Air, "air"}, std::pair{q.Waveguide, "waveguide"}})
        if (chosen)
            echo.Families.emplace_back(name);
    return echo;
}

QueryEcho EchoOf(const SearchResult& result) {
    QueryEcho echo = EchoOf(result.Query);
    if (result.Order.Key)
        echo.Sort = SortOrderText(result.Order);
    return echo;
}

} // namespace dorvik
