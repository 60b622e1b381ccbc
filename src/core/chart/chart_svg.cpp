#include "core/chart/chart_svg.h"

#include "core/text/markup.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <array>
#include <cmath>

namespace dorvik {

namespace {

constexpr std::string_view kFontFamily = "'Liberation Sans', Arial, Helvetica, sans-serif";

std::string Num(double value) {
    return FormatFixed2(std::isfinite(value) ? value : 0, '.');
}

std::string Colour(Rgb rgb) {
    constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                        '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        out += kHex[(rgb >> shift) & 0xF];
    return out;
}

std::string StrokeAttributes(const SceneStroke& stroke) {
    std::string out = " stroke=\"" + Colour(stroke.Colour) + "\" stroke-width=\"" + Num(stroke.Width) + "\"";
    if (!stroke.Dashes.empty()) {
        out += " stroke-dasharray=\"";
        for (std::size_t i = 0; i < stroke.Dashes.size(); ++i)
            out += (i ? " " : "") + Num(stroke.Dashes[i]);
        out += "\"";
    }
    return out;
}

std::string FillAttribute(const std::optional<Rgb>& fill) {
    return " fill=\"" + (fill ? Colour(*fill) : std::string("none")) + "\"";
}

std::string Element(const SceneBox& box) {
    const SceneRect& r = box.Rect;
    return "<rect x=\"" + Num(r.Left) + "\" y=\"" + Num(r.Top) + "\" width=\"" + Num(r.Width) +
           "\" height=\"" + Num(r.Height) + "\"" + FillAttribute(box.Fill) +
           (box.Stroke ? StrokeAttributes(*box.Stroke) : "") + "/>\n";
}

std::string PathData(const std::vector<ScenePoint>& points, bool closed) {
    std::string d;
    for (std::size_t i = 0; i < points.size(); ++i)
        d += (i ? " L" : "M") + Num(points[i].X) + " " + Num(points[i].Y);
    return closed ? d + " Z" : d;
}

std::string Element(const ScenePolyline& line) {
    return "<path d=\"" + PathData(line.Points, false) + "\" fill=\"none\"" + StrokeAttributes(line.Stroke) +
           " stroke-linejoin=\"round\"/>\n";
}

std::string Element(const SceneMarker& marker) {
    const double r = marker.Size / 2, x = marker.At.X, y = marker.At.Y;
    const std::string paint = FillAttribute(marker.Fill) + StrokeAttributes(marker.Stroke) + "/>\n";
    switch (marker.Shape) {
    case MarkerShape::Circle:
        return "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"" + Num(r) + "\"" + paint;
    case MarkerShape::Square:
        return "<rect x=\"" + Num(x - r) + "\" y=\"" + Num(y - r) + "\" width=\"" + Num(marker.Size) +
               "\" height=\"" + Num(marker.Size) + "\"" + paint;
    case MarkerShape::TriangleUp:
        return "<path d=\"" + PathData({{x, y - r}, {x + r, y + r}, {x - r, y + r}}, true) + "\"" + paint;
    case MarkerShape::Diamond:
        return "<path d=\"" + PathData({{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}}, true) + "\"" + paint;
    case MarkerShape::TriangleDown:
        return "<path d=\"" + PathData({{x, y + r}, {x + r, y - r}, {x - r, y - r}}, true) + "\"" + paint;
    }
    return {};
}

std::string Element(const SceneText& text) {
    constexpr std::array<std::string_view, 3> kAnchors{"start", "middle", "end"};
    std::string out = "<text x=\"" + Num(text.At.X) + "\" y=\"" + Num(text.At.Y) + "\" font-family=\"" +
                      std::string(kFontFamily) + "\" font-size=\"" + Num(text.Size) + "\" text-anchor=\"" +
                      std::string(kAnchors[static_cast<std::size_t>(text.Anchor)]) + "\" fill=\"" +
                      Colour(text.Colour) + "\"";
    if (text.Bold)
        out += " font-weight=\"bold\"";
    if (text.Vertical)
        out += " transform=\"rotate(-90 " + Num(text.At.X) + " " + Num(text.At.Y) + ")\"";
    // Spaces as they are: a legend's double space stays visible.
    return out + " xml:space=\"preserve\">" + XmlText(text.Text) + "</text>\n";
}

} // namespace

std::string XmlText(std::string_view text) {
    const std::string utf8 = DecodeForDisplay(text);
    std::string allowed;
    allowed.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            continue;
        // U+FFFE and U+FFFF are no characters at all.
        if (utf8.compare(i, 2, "\xEF\xBF") == 0 && i + 2 < utf8.size() &&
            (utf8[i + 2] == '\xBE' || utf8[i + 2] == '\xBF')) {
            i += 2;
            continue;
        }
        allowed += c;
    }
    return EscapeHtml(allowed);
}

std::string ChartSvg(const ChartScene& scene, std::string_view description) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                      Num(scene.Width) + "pt\" height=\"" + Num(scene.Height) + "pt\" viewBox=\"0 0 " +
                      Num(scene.Width) + " " + Num(scene.Height) + "\">\n<title>" + XmlText(scene.Title) +
                      "</title>\n";
    if (!description.empty())
        out += "<desc>" + XmlText(description) + "</desc>\n";
    for (const SceneItem& item : scene.Items)
        out += std::visit([](const auto& element) { return Element(element); }, item);
    return out + "</svg>\n";
}

void WriteChartSvg(const ChartFigure& figure, const std::filesystem::path& file, double width,
                   double height) {
    WriteFileAtomically(file, ChartSvg(MakeChartScene(figure, width, height),
                                       figure.YAxisLabel + " against " + figure.XAxisLabel));
}

} // namespace dorvik
