#pragma once
// The connectors of every listed line, read from the results page the way a person would: select the line,
// then each connector of the first connector list, and read its part-number grid.
#include "cli/formatters.h"
#include "core/forms/main_window/frm_main.h"

#include <vector>

namespace dorvik::cli {

class ConnectorReader {
public:
    // Brings the part-number grid's headings to what they are after every row was read, so that they can be
    // written before the rows.
    explicit ConnectorReader(TfrmMain& form);
    ~ConnectorReader();
    ConnectorReader(const ConnectorReader&) = delete;
    ConnectorReader& operator=(const ConnectorReader&) = delete;

    std::vector<std::string> Headings() const;
    // Row r of grdSpecs (from 1). Leaves that row and its last connector selected.
    std::vector<ConnectorParts> Row(int row);

private:
    TfrmMain& form_;
    TNotifyEvent savedRowChanged_;
};

} // namespace dorvik::cli
