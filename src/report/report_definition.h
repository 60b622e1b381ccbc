#pragma once
// A banded report: a title band printed once at the top of the first page, a page header and a page footer on
// every page, a detail band once per record. Bands hold elements placed in points (1/72 inch) from the band's
// top-left corner, inside the page margins.
#include <QColor>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

class QPainter;

namespace dorvik::report {

struct TextStyle {
    double pointSize = 10;
    bool bold = false;
    QColor color = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false; // otherwise one line, elided when too long
};

// Fixed text.
struct Label {
    QRectF rect;
    QString text;
    TextStyle style;
};

// The value of a pipeline field for the record being printed.
struct FieldText {
    QRectF rect;
    QString field;
    TextStyle style;
};

// A horizontal line across the rectangle's width, at its vertical centre.
struct Rule {
    QRectF rect;
    double thickness = 0.5;
    QColor color = Qt::black;
};

// A picture scaled into the rectangle, keeping its proportions.
struct Picture {
    QRectF rect;
    QImage image;
};

enum class SystemVariable {
    PrintDateTime,     // the date and time of printing
    PageNumberOfCount, // "Page N of M"
};

struct SystemText {
    QRectF rect;
    SystemVariable variable;
    TextStyle style;
};

// What the painter knows while it paints a band.
struct PaintContext {
    int record = -1; // the detail band's record, -1 in the other bands
    int pageNumber = 1;
    int pageCount = 1;
};

// Anything else drawn with the painter (charts, for instance), in the band's coordinates.
struct CustomElement {
    QRectF rect;
    std::function<void(QPainter&, const QRectF&, const PaintContext&)> paint;
};

using Element = std::variant<Label, FieldText, Rule, Picture, SystemText, CustomElement>;

struct Band {
    double height = 0; // points
    std::vector<Element> elements;
};

struct ReportDefinition {
    QString documentName = QStringLiteral("Report");
    QPageLayout pageLayout;
    std::optional<Band> title;
    std::optional<Band> pageHeader;
    Band detail;
    std::optional<Band> pageFooter;
    int maxRecordsPerPage = 0; // 0: as many as fit
};

// Letter paper, portrait, 6.35 mm margins on all four sides.
QPageLayout LetterPortrait();

} // namespace dorvik::report
