#pragma once
// Connects the main window's menu items and activation to the about box, the quick update and the
// update reminder.
namespace dorvik {

class TfrmMain;
class TQuickUpdate;

// update must outlive the form's use of its hooks.
void ConnectAncillaryWindows(TfrmMain& form, TQuickUpdate& update);

} // namespace dorvik
