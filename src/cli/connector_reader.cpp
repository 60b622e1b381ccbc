#include "cli/connector_reader.h"

#include <utility>

namespace dorvik::cli {

namespace {

// Where the first part number with a price line stands: reading it sets the price heading, as reading every
// row would.
std::optional<std::pair<int, int>> FirstPricedConnector(const TfrmMain& form) {
    for (std::size_t i = 0; i < form.Hits.size(); ++i) {
        const auto& connectors = form.Hits[i]->Connectors;
        for (std::size_t c = 0; c < connectors.size(); ++c)
            for (const auto part : connectors[c].PartNumbers())
                if (form.PriceLines.FindPriceLine(part))
                    return std::pair{static_cast<int>(i) + 1, static_cast<int>(c)};
    }
    return std::nullopt;
}

} // namespace

ConnectorReader::ConnectorReader(TfrmMain& form)
    // Moving the selection recolours every row of the grid; over a long list that would cost more than the
    // lookups themselves, and the colours are never shown here.
    : form_(form), savedRowChanged_(std::exchange(form.grdSpecs.OnRowChanged, nullptr)) {
    if (const auto priced = FirstPricedConnector(form_)) {
        form_.grdSpecs.UserClick(priced->first);
        form_.lstConnectors.UserClick(priced->second);
    }
}

ConnectorReader::~ConnectorReader() {
    form_.grdSpecs.OnRowChanged = std::move(savedRowChanged_);
}

std::vector<std::string> ConnectorReader::Headings() const {
    std::vector<std::string> headings;
    for (int col = 1; col <= form_.grdConnectors.ColCount(); ++col)
        headings.push_back(form_.grdConnectors.Heading(col));
    return headings;
}

std::vector<ConnectorParts> ConnectorReader::Row(int row) {
    // The click runs grdSpecsClick, which fills the connector lists for this line.
    form_.grdSpecs.UserClick(row);
    std::vector<ConnectorParts> connectors;
    const auto names = form_.lstConnectors.Items();
    for (std::size_t i = 0; i < names.size(); ++i) {
        form_.lstConnectors.UserClick(static_cast<int>(i));
        ConnectorParts connector{names[i], {}};
        const TGrid& grid = form_.grdConnectors;
        for (int r = 1; r <= grid.RowCount(); ++r)
            connector.partNumbers.push_back({grid.Cell(1, r), grid.Cell(2, r), grid.Cell(3, r)});
        connectors.push_back(std::move(connector));
    }
    return connectors;
}

} // namespace dorvik::cli
