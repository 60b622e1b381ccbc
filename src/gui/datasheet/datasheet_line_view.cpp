#include "gui/datasheet/datasheet_line_view.h"

#include "gui/datasheet/fit_chart_widget.h"
#include "gui/grid/grid_table_model.h"
#include "gui/platform/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dorvik::gui {

DatasheetLineView::DatasheetLineView(TfrmDatasheetLine& form, IPlatformServices& services, QWidget* parent)
    : FormDialog(form, services, parent), form_(form) {
    SetClientSize(form.ClientWidth, form.ClientHeight);

    table_ = new QPlainTextEdit(this);
    table_->setObjectName(QStringLiteral("memTable"));
    table_->setPlainText(ToQString(form.memTable.Text()));
    table_->setPlaceholderText(tr("MHz,dB/100ft,kW"));
    table_->setToolTip(
        tr("A header line naming the columns MHz, dB/100ft or dB/100m, and optionally kW, then a "
           "line per frequency; pasted from a spreadsheet or a PDF's text"));
    connect(table_, &QPlainTextEdit::textChanged, this, [this] {
        const std::string text = FromQString(table_->toPlainText());
        Act([this, text] { form_.memTable.SetText(text); });
    });
    fit_ = new QLabel(this);
    fit_->setObjectName(QStringLiteral("lblFit"));
    fit_->setWordWrap(true);
    fit_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    points_ = new GridTableModel(form.grdPoints, this);
    pointsView_ = new QTableView(this);
    pointsView_->setObjectName(QStringLiteral("grdPoints"));
    pointsView_->setModel(points_);
    ConfigureGridView(*pointsView_, form.grdPoints);
    pointsView_->verticalHeader()->hide();
    pointsView_->horizontalHeader()->setStretchLastSection(true);
    pointsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("cbxType"));
    for (const auto& item : form.cbxType.Items())
        type_->addItem(ToQString(item));
    connect(type_, &QComboBox::activated, this,
            [this](int index) { Act([this, index] { form_.cbxType.UserPick(index); }); });
    auto* figures = new QFormLayout;
    figures->addRow(tr("Part number:"), Field(form.edtPartNumber));
    figures->addRow(tr("Description:"), Field(form.edtDescription));
    figures->addRow(tr("Size:"), Field(form.edtSize));
    figures->addRow(tr("Type:"), type_);
    figures->addRow(tr("Family:"), Field(form.edtFamily));
    figures->addRow(tr("Band from (MHz):"), Field(form.edtLowFrequency));
    figures->addRow(tr("Band to (MHz):"), Field(form.edtHighFrequency));
    figures->addRow(tr("Derating parameter:"), Field(form.edtDerating));
    figures->addRow(tr("Peak power (kW):"), Field(form.edtPeakPower));
    figures->addRow(tr("List price per foot (USD):"), Field(form.edtListPrice));

    connectors_ = new QTableWidget(0, form.grdConnectors.ColCount(), this);
    connectors_->setObjectName(QStringLiteral("grdConnectors"));
    QStringList headings;
    for (int col = 1; col <= form.grdConnectors.ColCount(); ++col)
        headings << ToQString(form.grdConnectors.Heading(col));
    connectors_->setHorizontalHeaderLabels(headings);
    for (int col = 1; col <= form.grdConnectors.ColCount(); ++col)
        connectors_->setColumnWidth(col - 1, form.grdConnectors.Column(col).Width);
    connectors_->verticalHeader()->hide();
    connect(connectors_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const int col = item->column() + 1, row = item->row() + 1;
        const std::string text = FromQString(item->text());
        Act([this, col, row, text] { form_.grdConnectors.SetCell(col, row, text); });
    });
    connect(connectors_, &QTableWidget::currentCellChanged, this,
            [this](int row) { Act([this, row] { form_.grdConnectors.SetCurrentRow(row + 1); }); });
    auto* connectorButtons = new QHBoxLayout;
    connectorButtons->addWidget(MakeButton(form.btnAddConnector));
    connectorButtons->addWidget(MakeButton(form.btnRemoveConnector));
    connectorButtons->addStretch();

    chart_ = new FitChartWidget(form, this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Datasheet table:"), this));
    left->addWidget(table_, 2);
    left->addWidget(fit_);
    left->addWidget(pointsView_, 2);
    auto* right = new QVBoxLayout;
    right->addLayout(figures);
    right->addWidget(new QLabel(tr("Connectors:"), this));
    right->addWidget(connectors_, 1);
    right->addLayout(connectorButtons);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = MakeButton(form.btnSave);
    save->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(MakeButton(form.btnCancel));
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 3);
    all->addWidget(chart_, 2);
    all->addLayout(buttons);
    table_->setFocus();
}

QLineEdit* DatasheetLineView::Field(TEdit& edit) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromStdString(edit.Name));
    connect(field, &QLineEdit::textEdited, this, [this, &edit](const QString& text) {
        const std::string value = FromQString(text);
        Act([&edit, value] { edit.SetText(value); });
    });
    fields_.emplace_back(field, &edit);
    return field;
}

void DatasheetLineView::FillConnectors() {
    const TGrid& grid = form_.grdConnectors;
    const QSignalBlocker block(connectors_);
    connectors_->setRowCount(grid.RowCount());
    for (int row = 1; row <= grid.RowCount(); ++row)
        for (int col = 1; col <= grid.ColCount(); ++col) {
            const QString text = ToQString(grid.Cell(col, row));
            QTableWidgetItem* item = connectors_->item(row - 1, col - 1);
            if (!item)
                connectors_->setItem(row - 1, col - 1, new QTableWidgetItem(text));
            else if (item->text() != text)
                item->setText(text);
        }
    if (grid.CurrentRow() >= 1)
        connectors_->setCurrentCell(grid.CurrentRow() - 1, std::max(0, connectors_->currentColumn()));
}

void DatasheetLineView::Refresh() {
    setWindowTitle(ToQString(form_.Caption));
    if (FromQString(table_->toPlainText()) != form_.memTable.Text()) {
        const QSignalBlocker block(table_);
        table_->setPlainText(ToQString(form_.memTable.Text()));
    }
    for (auto& [field, edit] : fields_)
        if (FromQString(field->text()) != edit->Text())
            field->setText(ToQString(edit->Text()));
    if (type_->currentIndex() != form_.cbxType.ItemIndex())
        type_->setCurrentIndex(form_.cbxType.ItemIndex());
    fit_->setText(ToQString(form_.lblFit.Caption()));
    points_->Sync();
    if (form_.grdConnectors.Revision != connectorsRevision_) {
        connectorsRevision_ = form_.grdConnectors.Revision;
        FillConnectors();
    }
    chart_->Sync();
}

} // namespace dorvik::gui
