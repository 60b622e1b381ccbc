#pragma once
// A secondary window drawn from its model and shown modally. Every user action runs the model's handler
// through the general error handler; the dialog then redraws, and closes once the handler set a result.
#include "core/forms/controls/control.h"
#include "core/forms/controls/form.h"
#include "core/forms/services.h"

#include <QDialog>

class QPushButton;

#include <functional>

namespace dorvik::gui {

class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(TForm& form, IPlatformServices& services, QWidget* parent);

    void Act(const std::function<void()>& handler);
    // Shows the dialog modally; closing it by its close box or Escape answers Cancel.
    TModalResult Run();
    virtual void Refresh() = 0;

protected:
    // Places the widget at the control's bounds and follows its visible and enabled states.
    static void Follow(QWidget& widget, const TControl& control);
    void SetClientSize(int width, int height);
    // A push button of the model's caption and name whose click runs the model's handler.
    QPushButton* MakeButton(TButton& model);

private:
    TForm& form_;
    IPlatformServices& services_;
    bool acting_ = false;
};

} // namespace dorvik::gui
