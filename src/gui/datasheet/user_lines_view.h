#pragma once
// The "User Lines" window: the user's lines in a list, with Edit, Remove and Close.
#include "core/forms/datasheet/frm_user_lines.h"
#include "gui/ancillary/form_dialog.h"

class QListWidget;
class QPushButton;

namespace dorvik::gui {

class UserLinesView : public FormDialog {
    Q_OBJECT
public:
    UserLinesView(TfrmUserLines& form, IPlatformServices& services, QWidget* parent);
    void Refresh() override;

private:
    TfrmUserLines& form_;
    QListWidget* lines_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace dorvik::gui
