#include "core/forms/datasheet/frm_datasheet_line.h"

#include "core/engine/curves.h"
#include "core/engine/formulas.h"
#include "core/text/numbers.h"

#include <cmath>

namespace dorvik {

namespace {

constexpr int kConnectorNumbers = 4;
constexpr int kConnectorPartNumbers = 6;

std::vector<TGridColumn> PointColumns() {
    return {{"MHz", 70}, {"Quantity", 90}, {"Published", 80}, {"Fitted", 80}, {"Error %", 70}};
}

std::vector<TGridColumn> ConnectorColumns() {
    std::vector<TGridColumn> columns{{"Connector", 110}};
    for (int i = 1; i <= kConnectorNumbers; ++i)
        columns.push_back({"N" + std::to_string(i), 45});
    for (int i = 1; i <= kConnectorPartNumbers; ++i)
        columns.push_back({"Part " + std::to_string(i), 90});
    return columns;
}

// Six significant figures, as a datasheet could never need more.
std::string Shown(double value, char separator) {
    if (value == 0 || !std::isfinite(value))
        return FormatGeneral(value, separator);
    const double unit = std::pow(10.0, std::floor(std::log10(std::abs(value))) - 5);
    return FormatGeneral(std::round(value / unit) * unit, separator);
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\r") + line;
    return text;
}

} // namespace

TfrmDatasheetLine::TfrmDatasheetLine(const Catalogue& maker, std::filesystem::path userFolder, char separator,
                                     IPlatformServices& services)
    : TForm("frmDatasheetLine", "New Line From Datasheet"), grdPoints("grdPoints", PointColumns()),
      grdConnectors("grdConnectors", ConnectorColumns()), maker_(maker), userFolder_(std::move(userFolder)),
      separator_(separator), services_(services) {
    ClientWidth = 900;
    ClientHeight = 640;
    grdPoints.DefaultRowHeight = 20;
    cbxType.SetItems({"FOAM", "AIR", "EW"});
    cbxType.SetItemIndex(0);
    edtDerating.SetText("0");
    edtListPrice.SetText("0");
    memTable.SetText("MHz,dB/100ft,kW\n");
    memTable.OnChange = [this] { memTableChange(); };
    cbxType.OnChange = [this] { cbxTypeChange(); };
    edtPeakPower.OnChange = [this] { Refit(); };
    btnAddConnector.OnClick = [this] { btnAddConnectorClick(); };
    btnRemoveConnector.OnClick = [this] { btnRemoveConnectorClick(); };
    btnSave.OnClick = [this] { RunHandler(services_, [this] { btnSaveClick(); }); };
    btnCancel.OnClick = [this] { btnCancelClick(); };
    btnAddConnectorClick();
    Refit();
}

void TfrmDatasheetLine::Edit(const UserLineEntry& line) {
    Caption = "Edit " + line.PartNumber;
    editedPartNumber_ = line.PartNumber;
    kept_ = line;
    const auto figure = [this](double value) { return FormatGeneral(value, separator_); };
    edtPartNumber.SetText(line.PartNumber);
    edtDescription.SetText(line.Description);
    edtSize.SetText(line.Size);
    edtFamily.SetText(line.Family);
    edtLowFrequency.SetText(figure(line.LowFrequency));
    edtHighFrequency.SetText(figure(line.HighFrequency));
    edtDerating.SetText(figure(line.DeratingParameter));
    edtPeakPower.SetText(figure(line.PeakPower));
    edtListPrice.SetText(figure(line.ListPrice));
    const int type = cbxType.IndexOfIgnoreCase(line.CableType);
    cbxType.SetItemIndex(type >= 0 ? type : 0);
    grdConnectors.SetRowCount(static_cast<int>(line.Connectors.size()));
    for (std::size_t r = 0; r < line.Connectors.size(); ++r) {
        const auto& connector = line.Connectors[r];
        const int row = static_cast<int>(r) + 1;
        grdConnectors.SetCell(1, row, connector.Name);
        for (int i = 0; i < kConnectorNumbers; ++i)
            grdConnectors.SetCell(2 + i, row, figure(connector.Numbers[static_cast<std::size_t>(i)]));
        for (int i = 0; i < kConnectorPartNumbers; ++i)
            grdConnectors.SetCell(2 + kConnectorNumbers + i, row,
                                  connector.PartNumbers[static_cast<std::size_t>(i)]);
    }
    memTable.SetText("MHz,dB/100ft,kW\n");
    Refit();
}

void TfrmDatasheetLine::memTableChange() {
    Refit();
}

void TfrmDatasheetLine::cbxTypeChange() {
    Refit();
}

void TfrmDatasheetLine::Refit() {
    fit_.reset();
    ++fitRevision_;
    grdPoints.SetRowCount(0);
    std::optional<double> peak;
    if (const auto value = TryReadNumber(edtPeakPower.Text(), separator_, true); value && *value > 0)
        peak = *value;
    try {
        fit_ = FitDatasheet(ReadDatasheetTable(memTable.Text(), separator_), cbxType.Text(), peak);
    } catch (const FitError& error) {
        // A table being typed is not a fault: the reason stands in place of the coefficients.
        lblFit.SetCaption(kept_ ? "Coefficients kept from the catalogue: K1 " + Shown(kept_->K1, separator_) +
                                      ", K2 " + Shown(kept_->K2, separator_) + ". (" + error.what() + ")"
                                : std::string("Cannot fit the table: ") + error.what());
        return;
    } catch (const ComputationError& error) {
        lblFit.SetCaption(std::string("Cannot fit the table: ") + error.what());
        return;
    }
    const LineFit& fit = *fit_;
    const bool waveguide = fit.CableType == "EW";
    std::string text =
        waveguide ? "Cutoff " + Shown(fit.K1, separator_) + " MHz, scale " + Shown(fit.K2, separator_)
                  : "K1 " + Shown(fit.K1, separator_) + ", K2 " + Shown(fit.K2, separator_);
    if (fit.AveragePowerConstant)
        text += ", average power constant " + Shown(*fit.AveragePowerConstant, separator_);
    text += ". Largest error " + FormatFixed2(fit.MaxErrorPercent, separator_) + " %, RMS " +
            FormatFixed2(fit.RmsErrorPercent, separator_) + " %.";
    if (fit.WithinRounding)
        text += " Every attenuation is met within the rounding of its published figure.";
    if (fit.FitsBadly())
        text += " The table fits badly: check its figures and the line's type.";
    lblFit.SetCaption(text);
    grdPoints.SetRowCount(static_cast<int>(fit.Points.size()));
    const std::string unit = fit.PerMeter ? "dB/100 m" : "dB/100 ft";
    for (std::size_t i = 0; i < fit.Points.size(); ++i) {
        const FitPoint& point = fit.Points[i];
        const int row = static_cast<int>(i) + 1;
        grdPoints.SetCell(1, row, FormatGeneral(point.MHz, separator_));
        grdPoints.SetCell(2, row, point.Quantity == FitQuantity::Attenuation ? unit : "kW");
        grdPoints.SetCell(3, row, Shown(point.Published, separator_));
        grdPoints.SetCell(4, row, Shown(point.Fitted, separator_));
        grdPoints.SetCell(5, row, point.AtPeakCap ? "peak" : FormatFixed2(point.ErrorPercent, separator_));
    }
}

ChartFigure TfrmDatasheetLine::FitFigure() const {
    ChartFigure figure;
    figure.Title = "Datasheet and fitted attenuation";
    figure.XAxisLabel = "Frequency (MHz)";
    figure.DecimalSeparator = separator_;
    if (!fit_)
        return figure;
    const bool perMeter = fit_->PerMeter;
    figure.YAxisLabel = perMeter ? "Attenuation (dB/100 m)" : "Attenuation (dB/100 ft)";
    figure.ValueUnit = perMeter ? "dB/100 m" : "dB/100 ft";
    double low = 0, high = 0;
    for (const auto& point : fit_->Points)
        if (point.Quantity == FitQuantity::Attenuation) {
            low = low == 0 ? point.MHz : std::min(low, point.MHz);
            high = std::max(high, point.MHz);
        }
    TTransmissionLine line;
    line.CableType = fit_->CableType;
    line.AttenuationK1 = fit_->K1;
    line.AttenuationK2 = fit_->K2;
    ChartSeries curve{"fitted", {}, "fitted"};
    for (const double f : LogFrequencyGrid(low, high))
        curve.Points.push_back({f, Attenuation(line, {f, f}) * (perMeter ? kFeetPerMeter : 1)});
    figure.Series.push_back(std::move(curve));
    return figure;
}

void TfrmDatasheetLine::btnAddConnectorClick() {
    const int row = grdConnectors.RowCount() + 1;
    grdConnectors.SetRowCount(row);
    const UserConnectorEntry defaults;
    for (int i = 0; i < kConnectorNumbers; ++i)
        grdConnectors.SetCell(2 + i, row,
                              FormatGeneral(defaults.Numbers[static_cast<std::size_t>(i)], separator_));
    grdConnectors.SetCurrentRow(row);
}

void TfrmDatasheetLine::btnRemoveConnectorClick() {
    const int current = grdConnectors.CurrentRow();
    if (current < 1)
        return;
    // The rows below move up one.
    for (int row = current; row < grdConnectors.RowCount(); ++row)
        for (int col = 1; col <= grdConnectors.ColCount(); ++col)
            grdConnectors.SetCell(col, row, grdConnectors.Cell(col, row + 1));
    grdConnectors.SetRowCount(grdConnectors.RowCount() - 1);
}

double TfrmDatasheetLine::Figure(const TEdit& edit, const char* defaultText) const {
    const std::string text = edit.Text().empty() ? std::string(defaultText) : edit.Text();
    return ReadNumber(text, separator_, /*alsoPoint=*/true);
}

UserLineEntry TfrmDatasheetLine::Entry() const {
    UserLineEntry line;
    line.PartNumber = edtPartNumber.Text();
    line.Description = edtDescription.Text();
    line.Size = edtSize.Text();
    line.Family = edtFamily.Text();
    line.CableType = cbxType.Text();
    line.LowFrequency = Figure(edtLowFrequency);
    line.HighFrequency = Figure(edtHighFrequency);
    line.DeratingParameter = Figure(edtDerating, "0");
    line.PeakPower = Figure(edtPeakPower);
    line.ListPrice = Figure(edtListPrice, "0");
    if (fit_) {
        line.K1 = fit_->K1;
        line.K2 = fit_->K2;
        line.AveragePowerConstant = fit_->AveragePowerConstant.value_or(0);
    } else if (kept_) {
        line.K1 = kept_->K1;
        line.K2 = kept_->K2;
        line.AveragePowerConstant = kept_->AveragePowerConstant;
    }
    for (int row = 1; row <= grdConnectors.RowCount(); ++row) {
        UserConnectorEntry connector;
        connector.Name = grdConnectors.Cell(1, row);
        for (int i = 0; i < kConnectorNumbers; ++i) {
            const std::string& text = grdConnectors.Cell(2 + i, row);
            connector.Numbers[static_cast<std::size_t>(i)] =
                text.empty() ? 0 : ReadNumber(text, separator_, true);
        }
        for (int i = 0; i < kConnectorPartNumbers; ++i)
            connector.PartNumbers[static_cast<std::size_t>(i)] =
                grdConnectors.Cell(2 + kConnectorNumbers + i, row);
        line.Connectors.push_back(std::move(connector));
    }
    return line;
}

void TfrmDatasheetLine::btnSaveClick() {
    if (!fit_ && !kept_) {
        services_.ShowMessage(lblFit.Caption(), MessageIcon::Warning);
        return;
    }
    const UserLineEntry line = Entry();
    if (const auto problems = UserLineProblems(line, maker_); !problems.empty()) {
        services_.ShowMessage("The line cannot be saved:\r\r" + JoinLines(problems), MessageIcon::Warning);
        return;
    }
    UserCatalogue catalogue = UserCatalogue::Read(userFolder_, separator_);
    const auto existing = catalogue.PartNumbers();
    const bool taken = line.PartNumber != editedPartNumber_ &&
                       std::find(existing.begin(), existing.end(), line.PartNumber) != existing.end();
    if (taken && !services_.Confirm("Your catalogue has a line " + line.PartNumber + " already. Replace it?"))
        return;
    catalogue.Put(line, editedPartNumber_);
    catalogue.Write(userFolder_);
    ModalResult = TModalResult::Ok;
}

} // namespace dorvik
