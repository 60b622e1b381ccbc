#include "core/forms/ancillary/ancillary_windows.h"

#include "core/forms/ancillary/frm_about.h"
#include "core/forms/ancillary/quick_update.h"
#include "core/forms/main_window/frm_main.h"

namespace dorvik {

void ConnectAncillaryWindows(TfrmMain& form, TQuickUpdate& update) {
    form.OnShowAbout = [&form] {
        TfrmAbout about;
        form.Services().ShowModal(about);
    };
    form.OnShowUpdate = [&update] { update.ShowUpdateDialog({}); };
    form.OnUpdateReminder = [&update] { update.CheckUpdateReminder(); };
}

} // namespace dorvik
