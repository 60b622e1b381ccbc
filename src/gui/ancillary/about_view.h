#pragma once
// The about box: clicks anywhere close it; typed characters and keys released with Alt go to its key
// handlers, whichever of the box, the notice or the button has the focus.
#include "core/forms/ancillary/frm_about.h"
#include "gui/ancillary/form_dialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace dorvik::gui {

class AboutView : public FormDialog {
    Q_OBJECT
public:
    AboutView(TfrmAbout& form, IPlatformServices& services, QWidget* parent = nullptr);
    void Refresh() override;

    QLabel* Label1() const { return label1_; }
    QPlainTextEdit* Memo1() const { return memo1_; }
    QPushButton* Button1() const { return button1_; }
    QLabel* Image3() const { return image3_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TfrmAbout& form_;
    QLabel* image1_ = nullptr;
    QLabel* label1_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QPushButton* button1_ = nullptr;
    QLabel* image2_ = nullptr;
    QLabel* image3_ = nullptr;
};

} // namespace dorvik::gui
