#include "gui/datasheet/user_lines_view.h"

#include "gui/datasheet/datasheet_line_view.h"
#include "gui/datasheet/datasheet_views.h"
#include "gui/platform/qt_platform_services.h"
#include "gui/platform/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dorvik::gui {

UserLinesView::UserLinesView(TfrmUserLines& form, IPlatformServices& services, QWidget* parent)
    : FormDialog(form, services, parent), form_(form) {
    SetClientSize(form.ClientWidth, form.ClientHeight);
    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("lstLines"));
    connect(lines_, &QListWidget::currentRowChanged, this,
            [this](int row) { Act([this, row] { form_.lstLines.UserClick(row); }); });
    connect(lines_, &QListWidget::itemDoubleClicked, this,
            [this] { Act([this] { form_.btnEdit.Click(); }); });
    edit_ = MakeButton(form.btnEdit);
    remove_ = MakeButton(form.btnRemove);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(edit_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(MakeButton(form.btnClose));
    auto* row = new QHBoxLayout;
    row->addWidget(lines_, 1);
    row->addLayout(buttons);
    auto* all = new QVBoxLayout(this);
    all->addWidget(new QLabel(tr("Lines of your own catalogue:"), this));
    all->addLayout(row);
}

void UserLinesView::Refresh() {
    QStringList items;
    for (const auto& item : form_.lstLines.Items())
        items << ToQString(item);
    QStringList shown;
    for (int i = 0; i < lines_->count(); ++i)
        shown << lines_->item(i)->text();
    const QSignalBlocker block(lines_);
    if (shown != items) {
        lines_->clear();
        lines_->addItems(items);
    }
    lines_->setCurrentRow(form_.lstLines.ItemIndex());
    edit_->setEnabled(form_.btnEdit.Enabled());
    remove_->setEnabled(form_.btnRemove.Enabled());
}

void RegisterDatasheetViews(QtPlatformServices& services) {
    services.RegisterModalView<TfrmDatasheetLine>([&services](TfrmDatasheetLine& form, QWidget* parent) {
        DatasheetLineView view(form, services, parent);
        return view.Run();
    });
    services.RegisterModalView<TfrmUserLines>([&services](TfrmUserLines& form, QWidget* parent) {
        UserLinesView view(form, services, parent);
        return view.Run();
    });
}

} // namespace dorvik::gui
