#include "core/forms/main_window/line_figures_of.h"

#include "core/engine/formulas.h"
#include "core/text/numbers.h"

namespace dorvik {

namespace {

// What the figures of a line are computed for.
struct FigureInputs {
    double f1 = 0, f2 = 0, vswr = 0, length = 0;
    bool feet = true;
    bool lineBand = false;       // each line over its own band (a part-number lookup)
    bool lossesWhenZero = false; // a part-number lookup computes the losses for a length of 0 too
};

void ComputeFigures(LineFigures& figures, const TTransmissionLine& line, const FigureInputs& in) {
    const double f1 = in.lineBand ? line.LowFrequency : in.f1;
    const double f2 = in.lineBand ? line.HighFrequency : in.f2;
    figures.MidBandMhz = (f1 + f2) / 2;
    const double attenuation = Attenuation(line, f1, f2);
    figures.AttenuationDbPer100Ft = attenuation;
    figures.AttenuationDbPer100M = attenuation * kFeetPerMeter;
    figures.PeakPowerKw = line.PeakPower;
    const double average = AveragePower(line, f1, f2);
    figures.AveragePowerKw = average;
    // The grid derates the average as displayed; here the unrounded value is derated.
    figures.DeratedAveragePowerKw = average * VswrDeratingFactor(line.CableType, in.vswr, f1, f2,
                                                                 line.DeratingParameter, line.PartNumber);
    if (in.length != 0 || in.lossesWhenZero) {
        figures.TotalAttenuationDb = CableLoss(line, in.feet, in.length, f1, f2);
        figures.InsertionLossDb = InsertionLoss(line, in.feet, in.length, f1, f2);
        figures.EfficiencyPercent = Efficiency(line, in.feet, in.length, f1, f2);
    }
}

} // namespace

ResultsFigures LineFiguresOf(TfrmMain& form) {
    const char sep = form.DecimalSeparator();
    const auto readPage = [&](const std::string& text) {
        return ReadNumber(form.NormaliseDecimalPoint(text), sep);
    };
    ResultsFigures result;
    QueryEcho& query = result.Query;
    std::optional<FigureInputs> inputs;
    std::string currency = "USD";
    std::optional<double> rate;
    if (form.PartNumberMode()) {
        // PART[|LENGTH|UNIT]: the figures only with a length, over each line's band, at a VSWR of 1.1.
        const auto parameter = form.ReadPartNumberParameter();
        query.PartNumber = parameter.PartNumber;
        if (parameter.LengthText) {
            FigureInputs in;
            in.lineBand = true;
            in.lossesWhenZero = true;
            in.vswr = 1.1;
            in.length = ReadNumber(*parameter.LengthText, sep);
            in.feet = parameter.Feet;
            query.Length = in.length;
            query.Feet = in.feet;
            query.Vswr = in.vswr;
            inputs = in;
        }
    } else {
        FigureInputs in;
        in.f1 = readPage(form.cbxBeginningFrequency.Text());
        in.f2 = readPage(form.cbxEndingFrequency.Text());
        in.vswr = readPage(form.edtVSWR.Text());
        in.length = readPage(form.edtLength.Text());
        in.feet = form.rbFeet.Checked();
        inputs = in;
        if (form.chkFrequency.Checked())
            query.Band = FrequencyBand{in.f1, in.f2};
        if (form.chkInsertionLoss.Checked())
            query.MaxLossDb = readPage(form.edtMaxLoss.Text());
        query.Length = in.length;
        query.Feet = in.feet;
        query.Vswr = in.vswr;
        if (form.chkConnector.Checked())
            query.Connector1 = form.cbxConnector.Text();
        if (form.chkConnector2.Checked())
            query.Connector2 = form.cbxConnector2.Text();
        for (const auto& [check, name] : {std::pair{&form.chkFoam, "foam"}, std::pair{&form.chkAir, "air"},
                                          std::pair{&form.chkWaveguide, "waveguide"}})
            if (check->Checked())
                query.Families.emplace_back(name);
        currency = form.GetCurrencyCode().first;
        rate = form.SelectedExchangeRate();
    }
    const std::optional<TChartOfLines> chart =
        query.MaxLossDb ? std::optional<TChartOfLines>(form.ChartOfLines()) : std::nullopt;
    for (const TTransmissionLine* line : form.Hits) {
        LineFigures figures;
        figures.PartNumber = line->PartNumber;
        figures.Band = {line->LowFrequency, line->HighFrequency};
        figures.Description = line->Description;
        figures.UserLine = line->UserLine;
        if (inputs)
            ComputeFigures(figures, *line, *inputs);
        figures.Currency = currency;
        figures.PricePerFoot = rate ? line->ListPrice / *rate : line->ListPrice;
        figures.PricePerMeter = figures.PricePerFoot * kFeetPerMeter;
        for (const TConnector& connector : line->Connectors)
            figures.Connectors.emplace_back(connector.ConnectorName);
        if (chart)
            figures.LongestRun = chart->LongestRun(*line);
        result.Lines.push_back(std::move(figures));
    }
    return result;
}

} // namespace dorvik
