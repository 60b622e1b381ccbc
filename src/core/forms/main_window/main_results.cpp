#include "core/forms/main_window/frm_main.h"

namespace dorvik {

void TfrmMain::FillSpecsGrid() {   }
void TfrmMain::FillSpecsGridForPartNumber() {   }
void TfrmMain::tsResultsShow() {   }
void TfrmMain::tsQueryValuesShow() {   }
void TfrmMain::SetResultsMenus(bool results) { (void)results;  }
void TfrmMain::grdSpecsClick() {   }
void TfrmMain::FillConnectorList(TListBox& list, TCheckBox& check, TGrid& grid, TComboBox& combo) { (void)list; (void)check; (void)grid; (void)combo;  }
void TfrmMain::FillPartNumberGrid(TGrid& grid, TListBox& list) { (void)grid; (void)list;  }
void TfrmMain::lstConnectorsClick() {   }
void TfrmMain::lstConnectors2Click() {   }
void TfrmMain::grdSpecsRowChanged() {   }
void TfrmMain::grdConnectorsRowChanged() {   }
void TfrmMain::grdConnectors2RowChanged() {   }
void TfrmMain::btnNewQueryClick() {   }
void TfrmMain::btnCloseClick() {   }
TTransmissionLine& TfrmMain::CurrentLine() {  return *Hits.front(); }

} // namespace dorvik
