// The secondary windows the main window opens: each a new model, shown modally through the services.
#include "core/forms/ancillary/frm_about.h"
#include "core/forms/main_window/frm_main.h"
#include "core/forms/printing/frm_print_options.h"

namespace dorvik {

void TfrmMain::About1Click() {
    TfrmAbout about;
    services_.ShowModal(about);
}

void TfrmMain::Update1Click() {
    quickUpdate_.ShowUpdateDialog({});
}

void TfrmMain::FormActivate() {
    quickUpdate_.CheckUpdateReminder();
}

void TfrmMain::btnPrintClick() {
    ShowPrintOptions(*this);
}

} // namespace dorvik
