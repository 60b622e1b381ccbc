#include "gui/printing/print_options_view.h"

#include "gui/platform/qt_text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dorvik::gui {

PrintOptionsView::PrintOptionsView(TfrmPrintOptions& window, QWidget* parent)
    : QDialog(parent), window_(window) {
    setWindowTitle(ToQString(window.Caption));
    setObjectName(QStringLiteral("frmPrintOptions"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(ToQString(window.rgPrintOptions.Caption()), this);
    group->setObjectName(QStringLiteral("rgPrintOptions"));
    auto* groupLayout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < window.rgPrintOptions.Items().size(); ++i) {
        auto* item = new QRadioButton(ToQString(window.rgPrintOptions.Items()[i]), group);
        groupLayout->addWidget(item);
        items_.push_back(item);
        connect(item, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                window_.rgPrintOptions.SetItemIndex(static_cast<int>(i));
        });
    }
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(ToQString(window.btnPrint.Caption()), this);
    print->setObjectName(QStringLiteral("btnPrint"));
    print->setDefault(true);
    auto* close = new QPushButton(ToQString(window.btnClose.Caption()), this);
    close->setObjectName(QStringLiteral("btnClose"));
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] {
        window_.Dispatch([this] { window_.btnPrint.Click(); });
        Refresh();
    });
    connect(close, &QPushButton::clicked, this, [this] { reject(); });
    Refresh();
}

void PrintOptionsView::Refresh() {
    const int index = window_.rgPrintOptions.ItemIndex();
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (static_cast<int>(i) == index)
            items_[i]->setChecked(true);
}

void PrintOptionsView::done(int result) {
    window_.Dispatch([this] { window_.FormClose(); });
    QDialog::done(result);
}

} // namespace dorvik::gui
