#pragma once
// The main window's state as JSON for the page: every control (caption, enabled, visible, and its own state:
// text, entries, check), the menu, the page shown, the status line and, per grid, its shape and current row.
// Texts are UTF-8 (the data files' 8-bit characters decoded). Grid cells come separately, by rows, so that a
// long hit list is never written whole on every event.
#include "core/forms/main_window/frm_main.h"

#include <string>

namespace dorvik::web {

std::string FormStateJson(TfrmMain& form);

// Rows first..first+count-1 (from 1, clipped to the grid) of the visible columns, each row an array of texts.
std::string GridRowsJson(const TGrid& grid, int first, int count);

} // namespace dorvik::web
