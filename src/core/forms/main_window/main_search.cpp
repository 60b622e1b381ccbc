#include "core/forms/main_window/frm_main.h"

namespace dorvik {

void TfrmMain::btnSearchClick() {   }
void TfrmMain::AttachPartData(TTransmissionLine& line) { (void)line;  }
std::string TfrmMain::NormaliseDecimalPoint(const std::string& text) const { (void)text; return {}; }
double TfrmMain::ReadQueryNumber(const std::string& text) const { (void)text; return 0; }

} // namespace dorvik
