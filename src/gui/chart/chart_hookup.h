#pragma once
// Opens the chart window from the results page: the File menu's item and the line grid's context menu.
namespace dorvik {
class TfrmMain;
}

namespace dorvik::gui {

class MainWindowView;

void ConnectChartOfLines(TfrmMain& form, MainWindowView& view);

} // namespace dorvik::gui
