#include "core/forms/main_window/frm_main.h"

namespace dorvik {

std::pair<std::string, std::string> TfrmMain::GetCurrencyCode() const {  return {}; }
double TfrmMain::ConvertPrice(double amount) const { (void)amount; return 0; }
double TfrmMain::GetExchangeRate(const std::string& code) const { (void)code; return 0; }
void TfrmMain::SelectCurrency(TMenuItem& item) { (void)item;  }
void TfrmMain::SaveCurrency(int tag) { (void)tag;  }
void TfrmMain::LoadCurrency() {   }
void TfrmMain::US1Click(TMenuItem& item) { (void)item;  }
void TfrmMain::BuildCurrencyMenu() {   }

} // namespace dorvik
