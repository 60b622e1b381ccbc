#include "cli/connector_reader.h"

#include <utility>

namespace dorvik::cli {

namespace {

// Moving the selection recolours every row of the grid; over a long list that would cost more than the
// lookups themselves, and the colours are never shown here.
class RowHighlightOff {
public:
    explicit RowHighlightOff(TGrid& grid) : grid_(grid), saved_(std::exchange(grid.OnRowChanged, nullptr)) {}
    ~RowHighlightOff() { grid_.OnRowChanged = std::move(saved_); }
    RowHighlightOff(const RowHighlightOff&) = delete;
    RowHighlightOff& operator=(const RowHighlightOff&) = delete;

private:
    TGrid& grid_;
    TNotifyEvent saved_;
};

} // namespace

std::vector<std::vector<ConnectorParts>> ReadConnectors(TfrmMain& form) {
    std::vector<std::vector<ConnectorParts>> result;
    const RowHighlightOff quiet(form.grdSpecs);
    for (int row = 1; row <= form.grdSpecs.RowCount(); ++row) {
        // The click runs grdSpecsClick, which fills the connector lists for this line.
        form.grdSpecs.UserClick(row);
        std::vector<ConnectorParts> connectors;
        const auto names = form.lstConnectors.Items();
        for (std::size_t i = 0; i < names.size(); ++i) {
            form.lstConnectors.UserClick(static_cast<int>(i));
            ConnectorParts connector{names[i], {}};
            const TGrid& grid = form.grdConnectors;
            for (int r = 1; r <= grid.RowCount(); ++r)
                connector.partNumbers.push_back({grid.Cell(1, r), grid.Cell(2, r), grid.Cell(3, r)});
            connectors.push_back(std::move(connector));
        }
        result.push_back(std::move(connectors));
    }
    return result;
}

std::vector<std::string> ConnectorHeadings(const TfrmMain& form) {
    std::vector<std::string> headings;
    for (int col = 1; col <= form.grdConnectors.ColCount(); ++col)
        headings.push_back(form.grdConnectors.Heading(col));
    return headings;
}

} // namespace dorvik::cli
