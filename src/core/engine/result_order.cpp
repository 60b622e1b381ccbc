#include "core/engine/search_result.h"
#include "core/text/collation.h"
#include "core/text/fields.h"
#include "core/text/letter_case.h"

#include <algorithm>
#include <numeric>
#include <variant>

namespace dorvik {

namespace {

// Each key's name, and the figure it sorts by (none for the part number, the band and the description).
struct KeyName {
    SortKey Key;
    const char* Name;
    std::optional<Figure> Sorted = std::nullopt;
};
constexpr KeyName kKeyNames[] = {{SortKey::Part, "part"},
                                 {SortKey::Band, "band"},
                                 {SortKey::Description, "description"},
                                 {SortKey::MidBand, "midband", Figure::MidBand},
                                 {SortKey::Attenuation, "attenuation", Figure::Attenuation},
                                 {SortKey::Total, "total", Figure::TotalAttenuation},
                                 {SortKey::Loss, "loss", Figure::InsertionLoss},
                                 {SortKey::Efficiency, "efficiency", Figure::Efficiency},
                                 {SortKey::Peak, "peak", Figure::PeakPower},
                                 {SortKey::Average, "average", Figure::AveragePower},
                                 {SortKey::Derated, "derated", Figure::DeratedPower},
                                 {SortKey::Price, "price", Figure::PricePerFoot},
                                 {SortKey::Cost, "cost", Figure::CostOfRun}};

const KeyName& EntryOf(SortKey key) {
    return *std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                         [key](const KeyName& entry) { return entry.Key == key; });
}

// A line's sort key: nothing (sorts last), a number, a band (low edge, then high) or a text.
using LineKey = std::variant<std::monostate, double, std::pair<double, double>, TextSortKey>;

LineKey KeyOf(const LineResult& line, SortKey key) {
    switch (key) {
    case SortKey::Part:
        return MakeTextSortKey(line.Line->PartNumber);
    case SortKey::Description:
        return MakeTextSortKey(line.Line->Description);
    case SortKey::Band:
        return std::pair{line.Line->LowFrequency, line.Line->HighFrequency};
    default:
        if (const auto& value = line[*EntryOf(key).Sorted].Value)
            return *value;
        return std::monostate{};
    }
}

} // namespace

void SortLines(SearchResult& result, SortOrder order) {
    auto& lines = result.Lines;
    result.Order = order;
    std::sort(lines.begin(), lines.end(),
              [](const LineResult& a, const LineResult& b) { return a.CatalogueIndex < b.CatalogueIndex; });
    if (!order.Key)
        return;
    std::vector<LineKey> keys;
    keys.reserve(lines.size());
    for (const LineResult& line : lines)
        keys.push_back(KeyOf(line, *order.Key));
    std::vector<std::size_t> place(lines.size());
    std::iota(place.begin(), place.end(), std::size_t{0});
    // Stable, so that equal keys keep catalogue order in both directions; no value goes last either way.
    std::stable_sort(place.begin(), place.end(), [&](std::size_t x, std::size_t y) {
        const LineKey& a = keys[x];
        const LineKey& b = keys[y];
        if (std::holds_alternative<std::monostate>(a) || std::holds_alternative<std::monostate>(b))
            return !std::holds_alternative<std::monostate>(a) && std::holds_alternative<std::monostate>(b);
        return order.Descending ? b < a : a < b;
    });
    decltype(result.Lines) sorted;
    sorted.reserve(lines.size());
    for (const std::size_t i : place)
        sorted.push_back(std::move(lines[i]));
    lines = std::move(sorted);
}

const std::vector<std::string>& SortKeyNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const KeyName& entry : kKeyNames)
            all.emplace_back(entry.Name);
        return all;
    }();
    return names;
}

std::optional<SortOrder> ReadSortOrder(std::string_view text) {
    text = Trim(text);
    const auto colon = text.find(':');
    const std::string name = LowerCaseAscii(std::string(Trim(text.substr(0, colon))));
    SortOrder order;
    if (colon != std::string_view::npos) {
        const std::string direction = LowerCaseAscii(std::string(Trim(text.substr(colon + 1))));
        if (direction != "desc" && direction != "asc")
            return std::nullopt;
        order.Descending = direction == "desc";
    }
    for (const KeyName& entry : kKeyNames)
        if (name == entry.Name) {
            order.Key = entry.Key;
            return order;
        }
    return std::nullopt;
}

std::string SortOrderText(SortOrder order) {
    if (!order.Key)
        return {};
    return std::string(EntryOf(*order.Key).Name) + (order.Descending ? ":desc" : "");
}

} // namespace dorvik
