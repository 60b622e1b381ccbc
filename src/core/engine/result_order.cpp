#include "core/engine/search_result.h"
#include "core/text/collation.h"
#include "core/text/fields.h"
#include "core/text/letter_case.h"

#include <algorithm>
#include <numeric>
#include <variant>

namespace dorvik {

namespace {

struct KeyName {
    SortKey Key;
    const char* Name;
};
constexpr KeyName kKeyNames[] = {{SortKey::Part, "part"},
                                 {SortKey::Band, "band"},
                                 {SortKey::Description, "description"},
                                 {SortKey::MidBand, "midband"},
                                 {SortKey::Attenuation, "attenuation"},
                                 {SortKey::Total, "total"},
                                 {SortKey::Loss, "loss"},
                                 {SortKey::Efficiency, "efficiency"},
                                 {SortKey::Peak, "peak"},
                                 {SortKey::Average, "average"},
                                 {SortKey::Derated, "derated"},
                                 {SortKey::Price, "price"},
                                 {SortKey::Cost, "cost"}};

// A line's sort key: nothing (sorts last), a number, a band (low edge, then high) or a text.
using LineKey = std::variant<std::monostate, double, std::pair<double, double>, TextSortKey>;

std::optional<Figure> FigureOf(SortKey key) {
    switch (key) {
    case SortKey::MidBand:
        return Figure::MidBand;
    case SortKey::Attenuation:
        return Figure::Attenuation;
    case SortKey::Total:
        return Figure::TotalAttenuation;
    case SortKey::Loss:
        return Figure::InsertionLoss;
    case SortKey::Efficiency:
        return Figure::Efficiency;
    case SortKey::Peak:
        return Figure::PeakPower;
    case SortKey::Average:
        return Figure::AveragePower;
    case SortKey::Derated:
        return Figure::DeratedPower;
    case SortKey::Price:
        return Figure::PricePerFoot;
    case SortKey::Cost:
        return Figure::CostOfRun;
    case SortKey::Part:
    case SortKey::Band:
    case SortKey::Description:
        break;
    }
    return std::nullopt;
}

LineKey KeyOf(const LineResult& line, SortKey key) {
    switch (key) {
    case SortKey::Part:
        return MakeTextSortKey(line.Line->PartNumber);
    case SortKey::Description:
        return MakeTextSortKey(line.Line->Description);
    case SortKey::Band:
        return std::pair{line.Line->LowFrequency, line.Line->HighFrequency};
    default:
        if (const auto& value = line[*FigureOf(key)].Value)
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
        for (const auto& [key, name] : kKeyNames)
            all.emplace_back(name);
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
    for (const auto& [key, keyName] : kKeyNames)
        if (name == keyName) {
            order.Key = key;
            return order;
        }
    return std::nullopt;
}

std::string SortOrderText(SortOrder order) {
    if (!order.Key)
        return {};
    const auto* entry = std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                                     [&](const KeyName& k) { return k.Key == *order.Key; });
    return std::string(entry->Name) + (order.Descending ? ":desc" : "");
}

} // namespace dorvik
