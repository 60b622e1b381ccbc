// The results page: the transmission-line grid in both fill modes, the connector lists and part-number grids,
// row highlighting, page changes and the menu per page.
#include "core/catalogue/pick_list.h"
#include "core/engine/formulas.h"
#include "core/errors.h"
#include "core/forms/main_window/frm_main.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace dorvik {

namespace {

enum SpecsColumn {
    colPartNumber = 1,
    colBand,
    colDescription,
    colMidBand,
    colAttenuation,
    colAttenuationPerMeter,
    colTotalAttenuation,
    colInsertionLoss,
    colEfficiency,
    colPeakPower,
    colAveragePower,
    colDeratedPower,
    colPricePerFoot,
    colPricePerMeter,
    colCostOfRun
};
constexpr int kListedColumns = colPricePerMeter;

// The key of each column, in column order from colPartNumber.
constexpr SortKey kColumnKeys[] = {
    SortKey::Part,        SortKey::Band,    SortKey::Description, SortKey::MidBand,    SortKey::Attenuation,
    SortKey::Attenuation, SortKey::Total,   SortKey::Loss,        SortKey::Efficiency, SortKey::Peak,
    SortKey::Average,     SortKey::Derated, SortKey::Price,       SortKey::Price,      SortKey::Cost};

int ColumnOf(SortKey key) {
    const auto* at = std::find(std::begin(kColumnKeys), std::end(kColumnKeys), key);
    return static_cast<int>(at - std::begin(kColumnKeys)) + colPartNumber;
}

void WriteIdentity(TGrid& grid, int r, const TTransmissionLine& line, char sep) {
    grid.SetCell(colPartNumber, r, std::string(line.PartNumber));
    grid.SetCell(colBand, r,
                 FormatGeneral(line.LowFrequency, sep) + "-" + FormatGeneral(line.HighFrequency, sep));
    grid.SetCell(colDescription, r, line.Description);
}

// The grid's column of each computed figure.
constexpr std::pair<Figure, int> kFigureColumns[] = {{Figure::Attenuation, colAttenuation},
                                                     {Figure::AttenuationPerMeter, colAttenuationPerMeter},
                                                     {Figure::TotalAttenuation, colTotalAttenuation},
                                                     {Figure::InsertionLoss, colInsertionLoss},
                                                     {Figure::Efficiency, colEfficiency},
                                                     {Figure::PeakPower, colPeakPower},
                                                     {Figure::AveragePower, colAveragePower},
                                                     {Figure::DeratedPower, colDeratedPower}};

std::string FigureText(const FigureValue& figure, char sep) {
    return figure.Value ? FormatFixed2(*figure.Value, sep) : std::string("N/A");
}

void HighlightCurrentRow(TGrid& grid, TColor color) {
    grid.ResetRowColors();
    if (grid.CurrentRow() >= 1)
        grid.SetRowColor(grid.CurrentRow(), color);
}

} // namespace

const TTransmissionLine& TfrmMain::CurrentLine() const {
    return LineAt(grdSpecs.CurrentRow());
}

const TTransmissionLine& TfrmMain::LineAt(int row) const {
    return *result_.Lines.at(static_cast<std::size_t>(row - 1)).Line;
}

TextTable TfrmMain::ListedColumns() const {
    return FirstColumns(grdSpecs.Table(), kListedColumns);
}

std::string TfrmMain::CostOfRunText(int row) const {
    return row >= 1 && row <= grdSpecs.RowCount() ? grdSpecs.Cell(colCostOfRun, row) : std::string();
}

void TfrmMain::FillSpecsGrid() {
    FillSpecsGridRows();
    // The current row is drawn in its colour from the first fill, not only after the user moves.
    HighlightCurrentRow(grdSpecs, clYellow);
}

PriceBasis TfrmMain::CurrentPriceBasis() const {
    // A part-number lookup shows the catalogue's US-dollar prices.
    if (PartNumberMode())
        return {};
    return {GetCurrencyCode().first, SelectedExchangeRate()};
}

void TfrmMain::FillSpecsGridRows() {
    const SearchOutcome outcome = result_.Outcome;
    result_ = ComputeResult(query_, Hits, result_.Unjudged, CurrentPriceBasis(),
                            [this](std::string_view part) { return PriceLines.FindPrice(part); });
    result_.Outcome = outcome;
    SortLines(result_, sortOrder_);
    WriteSpecsRows();
}

void TfrmMain::WriteSpecsRows() {
    const char sep = DecimalSeparator();
    grdSpecs.SetRowCount(static_cast<int>(result_.Lines.size()));
    grdSpecs.ClearCells();
    const bool partLookup = PartNumberMode();
    if (!partLookup && !result_.Lines.empty()) {
        const std::string code = "(" + result_.Prices.Currency + ")";
        grdSpecs.SetHeading(colPricePerFoot, "List Price Per Foot " + code);
        grdSpecs.SetHeading(colPricePerMeter, "List Price Per Meter " + code);
        grdSpecs.SetHeading(colCostOfRun, "Cost Of Run " + code);
    }
    grdSpecs.SetColumnVisible(colCostOfRun, result_.CostComputed);
    // A part-number lookup without a length hides the figures it did not compute.
    if (!result_.FiguresComputed && !result_.Lines.empty())
        for (int col = colMidBand; col <= colDeratedPower; ++col)
            grdSpecs.SetColumnVisible(col, false);
    const std::string pricePrefix = partLookup ? std::string("$") : result_.Prices.Currency + " ";
    for (std::size_t i = 0; i < result_.Lines.size(); ++i) {
        const LineResult& line = result_.Lines[i];
        const int r = static_cast<int>(i) + 1;
        WriteIdentity(grdSpecs, r, *line.Line, sep);
        grdSpecs.SetRowMarked(r, line.Line->UserLine);
        if (result_.FiguresComputed) {
            grdSpecs.SetCell(colMidBand, r, FormatGeneral(*line[Figure::MidBand].Value, sep));
            for (const auto& [figure, col] : kFigureColumns)
                grdSpecs.SetCell(col, r, FigureText(line[figure], sep));
        }
        grdSpecs.SetCell(colPricePerFoot, r, pricePrefix + FigureText(line[Figure::PricePerFoot], sep));
        grdSpecs.SetCell(colPricePerMeter, r, pricePrefix + FigureText(line[Figure::PricePerMeter], sep));
        const FigureValue& cost = line[Figure::CostOfRun];
        grdSpecs.SetCell(colCostOfRun, r, cost.Value ? pricePrefix + FigureText(cost, sep) : "N/A");
    }
    StatusNote.SetCaption(result_.Note());
}

void TfrmMain::grdSpecsHeadingClick(int col) {
    if (col < colPartNumber || col > colCostOfRun || result_.Lines.empty())
        return;
    const bool reverse = grdSpecs.SortColumn() == col;
    ApplySort({kColumnKeys[col - colPartNumber], reverse && !sortOrder_.Descending}, col);
}

void TfrmMain::SortBy(SortOrder order) {
    ApplySort(order, order.Key ? ColumnOf(*order.Key) : 0);
}

void TfrmMain::MarkSort(SortOrder order, int column) {
    sortOrder_ = order;
    grdSpecs.SetSortMark(order.Key ? column : 0, order.Descending);
}

void TfrmMain::StartSearchOrder() {
    const SortOrder order = std::exchange(fileSort_, std::nullopt).value_or(SortOrder{});
    MarkSort(order, order.Key ? ColumnOf(*order.Key) : 0);
}

void TfrmMain::ApplySort(SortOrder order, int column) {
    MarkSort(order, column);
    if (result_.Lines.empty())
        return;
    const int row = grdSpecs.CurrentRow();
    const TTransmissionLine* current = row >= 1 ? &LineAt(row) : nullptr;
    SortLines(result_, order);
    WriteSpecsRows();
    // The same line stays current, in view, with its connector lists.
    const auto kept = std::find_if(result_.Lines.begin(), result_.Lines.end(),
                                   [current](const LineResult& line) { return line.Line == current; });
    if (kept != result_.Lines.end())
        grdSpecs.SetCurrentRow(static_cast<int>(kept - result_.Lines.begin()) + 1);
    grdSpecs.ScrollCurrentRowIntoView();
    HighlightCurrentRow(grdSpecs, clYellow);
    grdSpecsClick();
}

void TfrmMain::SelectLine(int row) {
    grdSpecs.SetCurrentRow(row);
    grdSpecsClick();
}

void TfrmMain::tsResultsShow() {
    Height = kResultsPageHeight;
    Width = kResultsPageWidth;
    ++CenterRevision;
    Caption = "Query Results";
    SetResultsMenus(true);
    const std::size_t n = Hits.size();
    gbxSpecifications.SetCaption("Transmission Lines (" + std::to_string(n) +
                                 (n == 1 ? " Item)" : " Items)"));
    grdSpecsClick();
    ActiveControl = &grdSpecs;
}

void TfrmMain::tsQueryValuesShow() {
    Height = kQueryPageHeight;
    Width = kQueryPageWidth;
    ++CenterRevision;
    Caption = "Select Query Values";
    SetResultsMenus(false);
    // The results page's hint goes with it; the next control under the mouse sets the line again.
    StatusBar1.SetCaption({});
}

void TfrmMain::SetResultsMenus(bool results) {
    N1->SetVisible(results);
    CurrencySettings1->SetEnabled(results);
    CurrencySettings1->SetVisible(CurrencyAvailable);
    for (TMenuItem* item :
         {Print1, CopyToClipboard1, SaveQuerySettingsToFile1, ChartOfLines1, ExportData1, NewQuery1})
        item->SetVisible(results);
    GetTransmissionLines1->SetVisible(!results);
    OpenFile1->SetVisible(!results);
    // Only where the program has a folder for the user's files (not in the command-line tool).
    for (TMenuItem* item : {NewLineFromDatasheet1, UserLines1})
        item->SetVisible(!results && UserCatalogueFolder().has_value());
}

void TfrmMain::grdSpecsClick() {
    FillConnectorList(lstConnectors, chkConnector, grdConnectors, cbxConnector);
    FillConnectorList(lstConnectors2, chkConnector2, grdConnectors2, cbxConnector2);
    // The note names the parts the current line's cost of run counts.
    std::string note;
    const int row = grdSpecs.CurrentRow();
    const std::string current = row >= 1 && row <= static_cast<int>(result_.Lines.size())
                                    ? CostBreakdown(result_, result_.Lines[static_cast<std::size_t>(row - 1)])
                                    : std::string();
    for (const std::string& part : {result_.Note(), result_.CostNote(), current})
        if (!part.empty())
            note += (note.empty() ? "" : "  ") + part;
    StatusNote.SetCaption(note);
}

void TfrmMain::FillConnectorList(TListBox& list, TCheckBox& check, TGrid& grid, TComboBox& combo) {
    // No current line (an empty grid): nothing to list, and nothing may index the hit list.
    if (grdSpecs.CurrentRow() < 1 || grdSpecs.CurrentRow() > static_cast<int>(result_.Lines.size())) {
        list.SetItems({});
        grid.SetRowCount(0);
        return;
    }
    const TTransmissionLine& line = CurrentLine();
    std::vector<std::string> names;
    names.reserve(line.Connectors.size());
    for (const auto& connector : line.Connectors)
        names.emplace_back(connector.ConnectorName);
    list.SetItems(std::move(names));
    if (list.Items().empty()) {
        grid.SetRowCount(0);
        return;
    }
    int selected = 0;
    if (check.Checked()) {
        for (std::size_t i = 0; i < list.Items().size(); ++i)
            if (SameTextIgnoreCase(list.Items()[i], combo.Text())) {
                selected = static_cast<int>(i);
                break;
            }
    }
    list.SetItemIndex(selected);
    FillPartNumberGrid(grid, list);
}

void TfrmMain::FillPartNumberGrid(TGrid& grid, TListBox& list) {
    if (grdSpecs.CurrentRow() < 1 || grdSpecs.CurrentRow() > static_cast<int>(result_.Lines.size()) ||
        list.ItemIndex() < 0) {
        grid.SetRowCount(0);
        return;
    }
    const TConnector& connector = CurrentLine().ConnectorAt(list.ItemIndex());
    const std::vector<TPartNumberRow> rows = PartNumberRows(connector);
    grid.SetRowCount(static_cast<int>(rows.size()));
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const int r = static_cast<int>(j) + 1;
        for (int col = 1; col <= 3; ++col)
            grid.SetCell(col, r, rows[j][static_cast<std::size_t>(col - 1)]);
        if (!rows[j][2].empty()) // priced
            grid.SetHeading(3, PriceHeading());
    }
    HighlightCurrentRow(grid, clAqua);
}

std::string TfrmMain::PriceHeading() const {
    return "Price " + GetCurrencyCode().second;
}

std::vector<TfrmMain::TPartNumberRow> TfrmMain::PartNumberRows(const TConnector& connector) const {
    const char sep = DecimalSeparator();
    std::vector<TPartNumberRow> rows;
    rows.reserve(static_cast<std::size_t>(connector.PartNumberCount()));
    for (int j = 0; j < connector.PartNumberCount(); ++j) {
        const std::string_view partNumber = connector.PartNumberAt(j);
        // A part number without a price line has an empty description and price, never another's.
        TPartNumberRow row{std::string(partNumber), "", ""};
        if (const auto entry = PriceLines.FindPriceLine(partNumber)) {
            row[1] = entry->Description;
            row[2] = GetCurrencyCode().first + " " + FormatFixed2(ConvertPrice(entry->Price), sep);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TfrmMain::TConnectorRows> TfrmMain::ConnectorRowsOf(int row) const {
    const TTransmissionLine& line = LineAt(row);
    std::vector<TConnectorRows> connectors;
    connectors.reserve(line.Connectors.size());
    for (const TConnector& connector : line.Connectors)
        connectors.push_back({std::string(connector.ConnectorName), PartNumberRows(connector)});
    return connectors;
}

std::vector<std::string> TfrmMain::ConnectorHeadings() const {
    std::vector<std::string> headings;
    for (int col = 1; col <= grdConnectors.ColCount(); ++col)
        headings.push_back(grdConnectors.Heading(col));
    for (const auto& line : Hits)
        for (const TConnector& connector : line->Connectors)
            for (const std::string_view part : connector.PartNumbers())
                if (PriceLines.FindPrice(part)) {
                    headings.at(2) = PriceHeading();
                    return headings;
                }
    return headings;
}

void TfrmMain::lstConnectorsClick() {
    FillPartNumberGrid(grdConnectors, lstConnectors);
}

void TfrmMain::lstConnectors2Click() {
    FillPartNumberGrid(grdConnectors2, lstConnectors2);
}

void TfrmMain::grdSpecsRowChanged() {
    HighlightCurrentRow(grdSpecs, clYellow);
    grdSpecsClick();
}

void TfrmMain::grdConnectorsRowChanged() {
    HighlightCurrentRow(grdConnectors, clAqua);
}

void TfrmMain::grdConnectors2RowChanged() {
    HighlightCurrentRow(grdConnectors2, clAqua);
}

void TfrmMain::btnNewQueryClick() {
    PageControl1.SetActivePageIndex(0);
}

void TfrmMain::btnCloseClick() {
    Close();
}

} // namespace dorvik
