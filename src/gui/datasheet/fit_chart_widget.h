#pragma once
// The fitted attenuation curve on the chart's log-log axes, with the published points over it and each
// point's error beside it.
#include "core/forms/datasheet/frm_datasheet_line.h"

#include <QWidget>

namespace dorvik::gui {

class FitChartWidget : public QWidget {
    Q_OBJECT
public:
    FitChartWidget(const TfrmDatasheetLine& form, QWidget* parent);
    void Sync();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TfrmDatasheetLine& form_;
    int revision_ = -1;
};

} // namespace dorvik::gui
