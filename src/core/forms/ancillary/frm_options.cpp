#include "core/forms/ancillary/frm_options.h"

#include "core/forms/ancillary/quick_update.h"
#include "core/store/profile_file.h"
#include "core/text/whole_number.h"

namespace dorvik {

TfrmOptions::TfrmOptions(std::filesystem::path iniFile)
    : TForm("frmOptions", "Update Options"), iniFile_(std::move(iniFile)) {
    ClientWidth = 257;
    ClientHeight = 151;
    Panel1.Bounds = {8, 8, 241, 97};
    Label1.SetCaption("Set days between each update");
    Label1.Bounds = {14, 20, 164, 13};
    txtDays.Bounds = {182, 16, 56, 22};
    cbxAutoUpdate.SetCaption("Do not use Auto Update");
    cbxAutoUpdate.Bounds = {16, 60, 200, 17};
    btnOK.SetCaption("&OK");
    btnOK.Bounds = {88, 116, 81, 27};
    cbxAutoUpdate.OnClick = [this] { cbxAutoUpdateClick(); };
    btnOK.OnClick = [this] { btnOKClick(); };
}

void TfrmOptions::FormCreate() {
    LoadUpdateOptions();
}

void TfrmOptions::FormDestroy() {
    SaveUpdateOptions();
}

void TfrmOptions::LoadUpdateOptions() {
    txtDays.SetValue(ReadUpdateInteger(iniFile_, kDaysKey, kDefaultReminderDays));
    cbxAutoUpdate.SetChecked(ReadUpdateInteger(iniFile_, kAutoUpdateKey, 0) != 0);
}

void TfrmOptions::SaveUpdateOptions() {
    WriteIniSection(iniFile_, kUpdateSection,
                    {std::string(kDaysKey) + "=" + std::to_string(txtDays.Value()),
                     std::string(kAutoUpdateKey) + "=" + (cbxAutoUpdate.Checked() ? "1" : "0")});
}

void TfrmOptions::cbxAutoUpdateClick() {
    txtDays.SetEnabled(!cbxAutoUpdate.Checked());
}

void TfrmOptions::btnOKClick() {
    txtDays.Exit(); // the focus leaves the field
    ModalResult = TModalResult::Ok;
}

} // namespace dorvik
