#include "core/forms/main_window/frm_main.h"

namespace dorvik {

void TfrmMain::OpenFile1Click() {   }
void TfrmMain::SaveQuerySettingsToFile1Click() {   }
void TfrmMain::ApplyCommandLine() {   }

} // namespace dorvik
