#pragma once
// The "Update Options" dialog: the days between reminders and the "Do not use Auto Update" option, read
// from update.ini when it is made and written back when it goes, however it was closed.
#include "core/forms/controls/check_box.h"
#include "core/forms/controls/control.h"
#include "core/forms/controls/form.h"
#include "core/forms/controls/spin_edit.h"

#include <filesystem>

namespace dorvik {

class TfrmOptions : public TForm {
public:
    explicit TfrmOptions(std::filesystem::path iniFile);

    TStatic Panel1{"Panel1"};
    TStatic Label1{"Label1"};
    TSpinEdit txtDays{"txtDays", 10, 100, 30};
    TCheckBox cbxAutoUpdate{"cbxAutoUpdate"};
    TButton btnOK{"btnOK"};

    void FormCreate();  // LoadUpdateOptions
    void FormDestroy(); // SaveUpdateOptions; throws FileError when update.ini cannot be written
    void LoadUpdateOptions();
    void SaveUpdateOptions();
    void cbxAutoUpdateClick();
    void btnOKClick();

private:
    std::filesystem::path iniFile_;
};

} // namespace dorvik
