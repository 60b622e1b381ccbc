// The results page: the transmission-line grid in both fill modes, the connector lists and part-number grids,
// row highlighting, page changes and the menu per page.
#include "core/catalogue/pick_list.h"
#include "core/engine/formulas.h"
#include "core/errors.h"
#include "core/forms/main_window/frm_main.h"
#include "core/text/numbers.h"

#include <optional>

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
    colPricePerMeter
};

void WriteIdentity(TGrid& grid, int r, const TTransmissionLine& line, char sep) {
    grid.SetCell(colPartNumber, r, std::string(line.PartNumber));
    grid.SetCell(colBand, r,
                 FormatGeneral(line.LowFrequency, sep) + "-" + FormatGeneral(line.HighFrequency, sep));
    grid.SetCell(colDescription, r, line.Description);
}

// The computed cells of one row. A figure that has no value for the line at the query's frequencies shows
// "N/A"; the first such reason is kept for the status bar.
class RowWriter {
public:
    RowWriter(TGrid& grid, char sep) : grid_(grid), sep_(sep) {}

    void Start(int row) {
        row_ = row;
        rowFailed_ = false;
    }
    // Writes "%.2f" of compute() into col, or "N/A"; returns whether the figure has a value.
    template <typename Compute> bool Write(int col, Compute compute) {
        try {
            grid_.SetCell(col, row_, FormatFixed2(compute(), sep_));
            return true;
        } catch (const ComputationError& error) {
            grid_.SetCell(col, row_, "N/A");
            if (!rowFailed_ && failedRows_++ == 0)
                firstReason_ = error.what();
            rowFailed_ = true;
            return false;
        }
    }
    std::size_t FailedRows() const { return failedRows_; }
    const std::string& FirstReason() const { return firstReason_; }

private:
    TGrid& grid_;
    char sep_;
    int row_ = 0;
    bool rowFailed_ = false;
    std::size_t failedRows_ = 0;
    std::string firstReason_;
};

// Mid-band frequency, attenuation and power columns.
void WriteFigures(RowWriter& w, TGrid& grid, int r, const TTransmissionLine& line, double f1, double f2,
                  double vswr, char sep) {
    grid.SetCell(colMidBand, r, FormatGeneral((f1 + f2) / 2, sep));
    grid.SetCell(colPeakPower, r, FormatFixed2(line.PeakPower, sep));
    w.Write(colAttenuation, [&] { return Attenuation(line, f1, f2); });
    w.Write(colAttenuationPerMeter, [&] { return Attenuation(line, f1, f2) * kFeetPerMeter; });
    if (!w.Write(colAveragePower, [&] { return AveragePower(line, f1, f2); })) {
        grid.SetCell(colDeratedPower, r, "N/A");
        return;
    }
    // Derated from the average power as displayed, rounded to two decimals.
    const double shownAverage = ReadNumber(grid.Cell(colAveragePower, r), sep);
    w.Write(colDeratedPower, [&] {
        return shownAverage *
               VswrDeratingFactor(line.CableType, vswr, f1, f2, line.DeratingParameter, line.PartNumber);
    });
}

void WriteLosses(RowWriter& w, const TTransmissionLine& line, bool feet, double length, double f1,
                 double f2) {
    w.Write(colTotalAttenuation, [&] { return CableLoss(line, feet, length, f1, f2); });
    w.Write(colInsertionLoss, [&] { return InsertionLoss(line, feet, length, f1, f2); });
    w.Write(colEfficiency, [&] { return Efficiency(line, feet, length, f1, f2); });
}

std::string Lines(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " line" : " lines");
}

// What the status bar says about lines without figures: "2 lines show N/A: <first reason>".
std::string FiguresNote(const RowWriter& w, const UnjudgedLines& unjudged) {
    std::string note;
    if (w.FailedRows() > 0)
        note =
            Lines(w.FailedRows()) + (w.FailedRows() == 1 ? " shows" : " show") + " N/A: " + w.FirstReason();
    if (unjudged.Count > 0) {
        if (!note.empty())
            note += "  ";
        note += Lines(unjudged.Count) + " left out, " + (unjudged.Count == 1 ? "its" : "their") +
                " insertion loss cannot be judged: " + unjudged.FirstReason;
    }
    return note;
}

void HighlightCurrentRow(TGrid& grid, TColor color) {
    grid.ResetRowColors();
    if (grid.CurrentRow() >= 1)
        grid.SetRowColor(grid.CurrentRow(), color);
}

} // namespace

TTransmissionLine& TfrmMain::CurrentLine() {
    return *Hits.at(static_cast<std::size_t>(grdSpecs.CurrentRow() - 1));
}

void TfrmMain::FillSpecsGrid() {
    FillSpecsGridRows();
    // The current row is drawn in its colour from the first fill, not only after the user moves.
    HighlightCurrentRow(grdSpecs, clYellow);
}

void TfrmMain::FillSpecsGridRows() {
    if (PartNumberMode()) {
        FillSpecsGridForPartNumber();
        return;
    }
    const char sep = DecimalSeparator();
    grdSpecs.SetRowCount(static_cast<int>(Hits.size()));
    grdSpecs.ClearCells();
    if (Hits.empty()) {
        StatusNote.SetCaption(FiguresNote(RowWriter(grdSpecs, sep), Unjudged));
        return;
    }
    // The page's values are the same for every row: read them once (the first row would raise the same
    // error).
    const double f1 = ReadQueryNumber(cbxBeginningFrequency.Text());
    const double f2 = ReadQueryNumber(cbxEndingFrequency.Text());
    const double vswr = ReadQueryNumber(edtVSWR.Text());
    const double length = ReadQueryNumber(edtLength.Text());
    const bool feet = rbFeet.Checked();
    const auto [code, codeInParentheses] = GetCurrencyCode();
    const std::optional<double> rate = SelectedExchangeRate();
    grdSpecs.SetHeading(colPricePerFoot, "List Price Per Foot " + codeInParentheses);
    grdSpecs.SetHeading(colPricePerMeter, "List Price Per Meter " + codeInParentheses);
    RowWriter writer(grdSpecs, sep);
    for (std::size_t i = 0; i < Hits.size(); ++i) {
        const TTransmissionLine& line = *Hits[i];
        const int r = static_cast<int>(i) + 1;
        writer.Start(r);
        WriteIdentity(grdSpecs, r, line, sep);
        WriteFigures(writer, grdSpecs, r, line, f1, f2, vswr, sep);
        const double price = rate ? line.ListPrice / *rate : line.ListPrice;
        grdSpecs.SetCell(colPricePerFoot, r, code + " " + FormatFixed2(price, sep));
        grdSpecs.SetCell(colPricePerMeter, r, code + " " + FormatFixed2(price * kFeetPerMeter, sep));
        if (length != 0) {
            WriteLosses(writer, line, feet, length, f1, f2);
        } else {
            for (const int col : {colTotalAttenuation, colInsertionLoss, colEfficiency})
                grdSpecs.SetCell(col, r, "N/A");
        }
    }
    StatusNote.SetCaption(FiguresNote(writer, Unjudged));
}

void TfrmMain::FillSpecsGridForPartNumber() {
    const char sep = DecimalSeparator();
    const PartNumberParameter parameter = ReadPartNumberParameter();
    const bool computed = parameter.LengthText.has_value();
    const double length = computed ? ReadNumber(*parameter.LengthText, sep) : 0;
    const bool feet = parameter.Feet;
    grdSpecs.SetRowCount(static_cast<int>(Hits.size()));
    grdSpecs.ClearCells();
    RowWriter writer(grdSpecs, sep);
    for (std::size_t i = 0; i < Hits.size(); ++i) {
        const TTransmissionLine& line = *Hits[i];
        const int r = static_cast<int>(i) + 1;
        writer.Start(r);
        WriteIdentity(grdSpecs, r, line, sep);
        if (computed) {
            // The line's own band, and a VSWR of 1.1.
            WriteFigures(writer, grdSpecs, r, line, line.LowFrequency, line.HighFrequency, 1.1, sep);
            WriteLosses(writer, line, feet, length, line.LowFrequency, line.HighFrequency);
        } else {
            for (int col = colMidBand; col <= colDeratedPower; ++col)
                grdSpecs.SetColumnVisible(col, false);
        }
        grdSpecs.SetCell(colPricePerFoot, r, "$" + FormatFixed2(line.ListPrice, sep));
        grdSpecs.SetCell(colPricePerMeter, r, "$" + FormatFixed2(line.ListPrice * kFeetPerMeter, sep));
    }
    StatusNote.SetCaption(FiguresNote(writer, Unjudged));
}

void TfrmMain::tsResultsShow() {
    Height = 580;
    Width = 800;
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
    Height = 490;
    Width = 388;
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
}

void TfrmMain::grdSpecsClick() {
    FillConnectorList(lstConnectors, chkConnector, grdConnectors, cbxConnector);
    FillConnectorList(lstConnectors2, chkConnector2, grdConnectors2, cbxConnector2);
}

void TfrmMain::FillConnectorList(TListBox& list, TCheckBox& check, TGrid& grid, TComboBox& combo) {
    // No current line (an empty grid): nothing to list, and nothing may index the hit list.
    if (grdSpecs.CurrentRow() < 1 || grdSpecs.CurrentRow() > static_cast<int>(Hits.size())) {
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
    if (grdSpecs.CurrentRow() < 1 || grdSpecs.CurrentRow() > static_cast<int>(Hits.size()) ||
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
    const TTransmissionLine& line = *Hits.at(static_cast<std::size_t>(row - 1));
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
                if (PriceLines.FindPriceLine(part)) {
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
