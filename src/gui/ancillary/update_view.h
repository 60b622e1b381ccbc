#pragma once
// The "Quick Update" and "Update Options" dialogs.
#include "core/forms/ancillary/frm_options.h"
#include "core/forms/ancillary/frm_update.h"
#include "gui/ancillary/form_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace dorvik::gui {

class UpdateView : public FormDialog {
    Q_OBJECT
public:
    UpdateView(TfrmUpdate& form, IPlatformServices& services, QWidget* parent = nullptr);
    void Refresh() override;

    QLabel* Message() const { return message_; }
    QLabel* Picture() const { return picture_; }
    QPushButton* Button(const TButton& button) const;

protected:
    // Escape is the Cancel button's key, as in every dialog with one: it answers the reminder. The close box
    // still answers nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TfrmUpdate& form_;
    QLabel* picture_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* options_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

class OptionsView : public FormDialog {
    Q_OBJECT
public:
    OptionsView(TfrmOptions& form, IPlatformServices& services, QWidget* parent = nullptr);
    void Refresh() override;

    QSpinBox* Days() const { return days_; }
    QCheckBox* AutoUpdate() const { return autoUpdate_; }
    QPushButton* Ok() const { return ok_; }

private:
    TfrmOptions& form_;
    QSpinBox* days_ = nullptr;
    QCheckBox* autoUpdate_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace dorvik::gui
