#include "gui/datasheet/fit_chart_widget.h"

#include "core/text/numbers.h"
#include "gui/platform/qt_text.h"
#include "report/chart/chart_painter.h"

#include <QPainter>

namespace dorvik::gui {

FitChartWidget::FitChartWidget(const TfrmDatasheetLine& form, QWidget* parent)
    : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("chtFit"));
    setMinimumSize(360, 240);
}

void FitChartWidget::Sync() {
    if (form_.FitRevision() != revision_) {
        revision_ = form_.FitRevision();
        update();
    }
}

void FitChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const ChartFigure figure = form_.FitFigure();
    const report::ChartLayout layout(figure, QRectF(rect()), logicalDpiX());
    report::PaintScene(painter, layout);
    if (!form_.Fit())
        return;
    // The published points, and how far the fit lies from each.
    painter.setPen(QPen(Qt::black, 1.2));
    for (const FitPoint& point : form_.Fit()->Points) {
        if (point.Quantity != FitQuantity::Attenuation)
            continue;
        const QPointF at = layout.Map(point.MHz, point.Published);
        if (!layout.Plot().adjusted(-2, -2, 2, 2).contains(at))
            continue;
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 3.5, 3.5);
        const QString error =
            ToQString(FormatFixed2(point.ErrorPercent, figure.DecimalSeparator)) + QStringLiteral(" %");
        painter.drawText(at + QPointF(6, 12), error);
    }
}

} // namespace dorvik::gui
