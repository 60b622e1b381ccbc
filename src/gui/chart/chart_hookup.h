#pragma once
// The chart window in the desktop program: its view registered with the platform services, which show it when
// the main window's model asks, and the line grid's context menu that opens it.
namespace dorvik {
class TfrmMain;
}

namespace dorvik::gui {

class MainWindowView;
class QtPlatformServices;

void RegisterChartView(QtPlatformServices& services);
void ConnectChartOfLines(TfrmMain& form, MainWindowView& view);

} // namespace dorvik::gui
