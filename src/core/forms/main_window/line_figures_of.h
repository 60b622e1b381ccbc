#pragma once
// The figures of the results page at full precision, computed as the grid's fill computes them.
#include "core/forms/main_window/frm_main.h"
#include "core/output/line_figures.h"

namespace dorvik {

// The query page and the hit list as they stand after a search; throws as the fill would when the page's
// numbers do not read.
ResultsFigures LineFiguresOf(TfrmMain& form);

} // namespace dorvik
