#pragma once
// The "New Line From Datasheet" window: the table typed or pasted on the left with the fit below it, the
// line's figures and connectors on the right, the chart of the fit underneath.
#include "core/forms/datasheet/frm_datasheet_line.h"
#include "gui/ancillary/form_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QTableWidget;

namespace dorvik::gui {

class FitChartWidget;
class GridTableModel;

class DatasheetLineView : public FormDialog {
    Q_OBJECT
public:
    DatasheetLineView(TfrmDatasheetLine& form, IPlatformServices& services, QWidget* parent);
    void Refresh() override;

private:
    QLineEdit* Field(TEdit& edit);
    void FillConnectors();

    TfrmDatasheetLine& form_;
    QPlainTextEdit* table_ = nullptr;
    QLabel* fit_ = nullptr;
    GridTableModel* points_ = nullptr;
    QTableView* pointsView_ = nullptr;
    QComboBox* type_ = nullptr;
    QTableWidget* connectors_ = nullptr;
    FitChartWidget* chart_ = nullptr;
    std::vector<std::pair<QLineEdit*, const TEdit*>> fields_;
    unsigned connectorsRevision_ = 0;
};

} // namespace dorvik::gui
