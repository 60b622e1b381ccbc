#include "web/web_chart.h"

#include "core/chart/chart_svg.h"
#include "core/text/text_file.h"
#include "web/json_writer.h"

#include <algorithm>
#include <limits>
#include <variant>

namespace dorvik::web {

namespace {

// The chart's size in points, as the desktop program saves it.
constexpr double kSavedWidth = 750;
constexpr double kSavedHeight = 525;

double SmallestText(const ChartScene& scene) {
    double smallest = std::numeric_limits<double>::max();
    for (const SceneItem& item : scene.Items)
        if (const auto* text = std::get_if<SceneText>(&item))
            smallest = std::min(smallest, text->Size);
    return smallest == std::numeric_limits<double>::max() ? 0 : smallest;
}

} // namespace

std::string WebChart::Json(double width, double height) {
    scene_ = MakeChartScene(model_.Figure(), width, height);
    JsonWriter json;
    json.BeginObject()
        .Field("title", model_.Figure().Title)
        .Field("quantity", model_.Quantity() == ChartQuantity::AveragePower ? 1 : 0)
        .Field("message", model_.Message())
        .Field("chosenMax", TChartOfLines::kMaxChosen);
    json.Key("lines").BeginArray();
    const TChartOfLines& lines = model_.Lines();
    for (int i = 0; i < lines.Count(); ++i)
        json.BeginObject()
            .Field("part", DecodeForDisplay(lines.Line(i).PartNumber))
            .Field("chosen", lines.Chosen(i))
            .EndObject();
    json.EndArray();
    // Text sizes in hundredths, as the writer holds whole numbers.
    json.Field("smallestText100", static_cast<long long>(SmallestText(scene_) * 100));
    json.Field("svg", ChartSvg(scene_)).EndObject();
    return json.Text();
}

void WebChart::SetQuantity(int quantity) {
    model_.SetQuantity(quantity == 1 ? ChartQuantity::AveragePower : ChartQuantity::Attenuation);
}

std::string WebChart::ReadOut(double x, double y, double tolerance) const {
    const auto hit = CurveAt(scene_, model_.Figure(), {x, y}, tolerance);
    return hit ? ReadOutText(model_.Figure(), *hit) : std::string();
}

std::string WebChart::SavedSvg() const {
    return ChartSvg(MakeChartScene(model_.Figure(), kSavedWidth, kSavedHeight));
}

} // namespace dorvik::web
