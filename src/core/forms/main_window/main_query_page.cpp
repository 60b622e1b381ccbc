#include "core/forms/main_window/frm_main.h"

namespace dorvik {

bool TfrmMain::IsNumericField(const std::string& text) { (void)text; return false; }
void TfrmMain::edtMaxLossChange() {   }
void TfrmMain::edtLengthChange() {   }
void TfrmMain::edtVSWRChange() {   }
void TfrmMain::cbxBeginningFrequencyChange() {   }
void TfrmMain::cbxEndingFrequencyChange() {   }
void TfrmMain::chkFrequencyClick() {   }
void TfrmMain::chkInsertionLossClick() {   }
bool TfrmMain::CheckFrequencies() {  return false; }
void TfrmMain::BitBtn1Click() {   }
void TfrmMain::Image1Click() {   }
void TfrmMain::About1Click() {   }
void TfrmMain::Update1Click() {   }
void TfrmMain::SaveSettingsOnExit1Click() {   }
void TfrmMain::ApplicationEvents1Hint(const std::string& hint) { (void)hint;  }

} // namespace dorvik
