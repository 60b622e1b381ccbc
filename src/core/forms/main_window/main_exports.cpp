#include "core/forms/main_window/frm_main.h"

namespace dorvik {

void TfrmMain::btnClipboardClick() {   }
void TfrmMain::ToAMicrosoftExcelFile1Click() {   }
void TfrmMain::ToAnHTMLFile1Click() {   }
void TfrmMain::CreateHtml(const std::string& extension, int border) { (void)extension; (void)border;  }
bool TfrmMain::ExcelInstalled() {  return false; }

} // namespace dorvik
