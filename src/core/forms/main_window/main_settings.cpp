#include "core/forms/main_window/frm_main.h"

namespace dorvik {

void TfrmMain::SaveSettings() {   }
void TfrmMain::LoadSettings() {   }

} // namespace dorvik
