#include "gui/ancillary/form_dialog.h"

#include "gui/platform/designed_font.h"
#include "gui/platform/qt_text.h"

#include <QPushButton>
#include <QScopedValueRollback>

namespace dorvik::gui {

FormDialog::FormDialog(TForm& form, IPlatformServices& services, QWidget* parent)
    : QDialog(parent), form_(form), services_(services) {
    setObjectName(QString::fromStdString(form.Name));
    setWindowTitle(ToQString(form.Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    UseDesignedFont(*this);
}

void FormDialog::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

QPushButton* FormDialog::MakeButton(TButton& model) {
    auto* button = new QPushButton(ToQString(model.Caption()), this);
    button->setObjectName(QString::fromStdString(model.Name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, &model] { Act([&model] { model.Click(); }); });
    return button;
}

void FormDialog::Act(const std::function<void()>& handler) {
    if (acting_)
        return;
    {
        const QScopedValueRollback guard(acting_, true);
        RunHandler(services_, handler);
    }
    Refresh();
    if (form_.ModalResult != TModalResult::None)
        done(form_.ModalResult == TModalResult::Ok ? QDialog::Accepted : QDialog::Rejected);
}

TModalResult FormDialog::Run() {
    Refresh();
    exec();
    return form_.ModalResult != TModalResult::None ? form_.ModalResult : TModalResult::Cancel;
}

void FormDialog::Follow(QWidget& widget, const TControl& control) {
    const TBounds& b = control.Bounds;
    if (widget.geometry() != QRect(b.Left, b.Top, b.Width, b.Height))
        widget.setGeometry(b.Left, b.Top, b.Width, b.Height);
    widget.setVisible(control.Visible());
    widget.setEnabled(control.Enabled());
}

} // namespace dorvik::gui
