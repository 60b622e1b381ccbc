#pragma once
// The "Quick Update" dialog: downloads the setup package and hands it to the desktop, or moves the reminder.
#include "core/forms/controls/control.h"
#include "core/forms/controls/form.h"

#include <string>

namespace dorvik {

class TQuickUpdate;

inline constexpr const char* kUpdateDialogMessage =
    "Before clicking the Update button, please make sure you have an active Internet connection.";

class TfrmUpdate : public TForm {
public:
    explicit TfrmUpdate(TQuickUpdate& update);

    TStatic Image1{"Image1"};
    std::string Picture; // the bytes of connect.gif; empty when it could not be loaded
    TStatic lblMessage{"lblMessage"};
    TStatic Label2{"Label2"};
    TStatic Bevel1{"Bevel1"};
    TButton btnOptions{"btnOptions"};
    TButton btnUpdate{"btnUpdate"};
    TButton btnCancel{"btnCancel"};

    // Loads the picture; a missing or unreadable one is reported and the dialog opens without it.
    void FormCreate();
    void btnUpdateClick();
    void btnCancelClick();
    void btnOptionsClick();

private:
    TQuickUpdate& update_;
};

} // namespace dorvik
