#include "core/forms/main_window/frm_main.h"

namespace dorvik {

void TfrmMain::FormCreate() {   }
void TfrmMain::FormDestroy() {   }
void TfrmMain::FormActivate() {   }
std::filesystem::path TfrmMain::CatalogueFilePath() const {  return {}; }
std::filesystem::path TfrmMain::PriceFilePath() const {  return {}; }
std::filesystem::path TfrmMain::RatesFilePath() const {  return {}; }
void TfrmMain::LoadDataFiles() {   }
void TfrmMain::ReadSharedDataFolder() {   }

} // namespace dorvik
