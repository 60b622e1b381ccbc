#pragma once
// The connectors of every listed line, read from the results page the way a person would: select the line,
// then each connector of the first connector list, and read its part-number grid.
#include "cli/formatters.h"
#include "core/forms/main_window/frm_main.h"

#include <vector>

namespace dorvik::cli {

// One entry per row of grdSpecs. Leaves the last row and its last connector selected.
std::vector<std::vector<ConnectorParts>> ReadConnectors(TfrmMain& form);

std::vector<std::string> ConnectorHeadings(const TfrmMain& form);

} // namespace dorvik::cli
