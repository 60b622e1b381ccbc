// The search driver: checks the query page, runs the query engine, attaches prices, fills the results page.
#include "core/catalogue/hit_prices.h"
#include "core/engine/search.h"
#include "core/forms/main_window/frm_main.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"

namespace dorvik {

namespace {
constexpr const char* kNoLinesMessage =
    "Sorry, no Transmission Lines available for this query.\r\rPlease try again.";
constexpr const char* kLossMessage =
    "You must enter a maximum insertion loss and a length\rwhen querying by insertion loss";

void ZeroIfEmpty(TEdit& edit) {
    if (edit.Text().empty())
        edit.SetText("0");
}

class ProgressReset {
public:
    explicit ProgressReset(TProgressBar& bar) : bar_(bar) {}
    ~ProgressReset() { bar_.SetPosition(0); }
    ProgressReset(const ProgressReset&) = delete;
    ProgressReset& operator=(const ProgressReset&) = delete;

private:
    TProgressBar& bar_;
};

constexpr const char* kNegativeLengthMessage = "The length cannot be negative.";
constexpr const char* kNegativeMaxLossMessage = "The maximum insertion loss cannot be negative.";
constexpr const char* kVswrBelowOneMessage = "The VSWR cannot be below 1.";
} // namespace

std::string TfrmMain::NormaliseDecimalPoint(const std::string& text) const {
    if (Trim(text).empty())
        return text;
    std::string result = text;
    for (char& c : result)
        if (c == '.')
            c = DecimalSeparator();
    return result;
}

SearchCriteria TfrmMain::ReadQuery() const {
    // '.' reads as the decimal point in any locale, as query files and links write it.
    const auto number = [this](const std::string& text) {
        return ReadNumber(NormaliseDecimalPoint(text), DecimalSeparator());
    };
    SearchCriteria query;
    query.Length.Unit = rbMeters.Checked() ? LengthUnit::Meters : LengthUnit::Feet;
    if (PartNumberMode()) {
        const PartNumberParameter parameter = ReadPartNumberParameter();
        query.PartNumber = parameter.PartNumber;
        query.Length.Unit = parameter.Unit;
        query.Vswr = kPartLookupVswr;
        if (parameter.LengthText) {
            query.PartHasLength = true;
            query.Length.Value = ReadNumber(*parameter.LengthText, DecimalSeparator());
        }
        return query;
    }
    query.Band = {number(cbxBeginningFrequency.Text()), number(cbxEndingFrequency.Text())};
    query.Vswr = number(edtVSWR.Text());
    query.Length.Value = number(edtLength.Text());
    query.MaxLoss = number(edtMaxLoss.Text());
    query.ByFrequency = chkFrequency.Checked();
    query.ByConnector1 = chkConnector.Checked();
    query.ByConnector2 = chkConnector2.Checked();
    query.ByLoss = chkInsertionLoss.Checked();
    query.Air = chkAir.Checked();
    query.Foam = chkFoam.Checked();
    query.Waveguide = chkWaveguide.Checked();
    query.ConnectorName1 = cbxConnector.Text();
    query.ConnectorName2 = cbxConnector2.Text();
    return query;
}

void TfrmMain::AttachPartData(TTransmissionLine& line) {
    if (const auto entry = PriceLines.FindPriceLine(line.PartNumber)) {
        line.Description = entry->Description;
        line.ListPrice = entry->Price;
    }
}

TfrmMain::PartNumberParameter TfrmMain::ReadPartNumberParameter() const {
    PartNumberParameter parameter;
    const auto firstBar = LookupPartNumber.find('|');
    parameter.PartNumber = LookupPartNumber.substr(0, firstBar);
    if (firstBar == std::string::npos)
        return parameter;
    // A parameter with one "|" has no length field: it reads as the empty text, a conversion error.
    const auto secondBar = LookupPartNumber.find('|', firstBar + 1);
    if (secondBar == std::string::npos) {
        parameter.LengthText = std::string();
        return parameter;
    }
    parameter.LengthText = LookupPartNumber.substr(firstBar + 1, secondBar - firstBar - 1);
    parameter.Unit = LookupPartNumber.substr(secondBar + 1) == "M" ? LengthUnit::Meters : LengthUnit::Feet;
    return parameter;
}

std::optional<double> TfrmMain::TryReadPageNumber(const std::string& text) const {
    return TryReadNumber(NormaliseDecimalPoint(text), DecimalSeparator());
}

bool TfrmMain::RefuseValuesOutOfRange() {
    // Texts that do not read are left to the conversion error of the search.
    const auto below = [](const std::optional<double>& value, double least) {
        return value && *value < least;
    };
    bool refused = false;
    const auto refuse = [&](const char* message, TControl* focus) {
        services_.Beep();
        services_.ShowMessage(message, MessageIcon::Warning);
        if (focus != nullptr)
            ActiveControl = focus;
        refused = true;
    };
    if (PartNumberMode()) {
        const auto length = ReadPartNumberParameter().LengthText;
        if (length && below(TryReadNumber(*length, DecimalSeparator()), 0))
            refuse(kNegativeLengthMessage, nullptr);
        return refused;
    }
    if (below(TryReadPageNumber(edtMaxLoss.Text()), 0))
        refuse(kNegativeMaxLossMessage, &edtMaxLoss);
    if (below(TryReadPageNumber(edtLength.Text()), 0))
        refuse(kNegativeLengthMessage, &edtLength);
    // A VSWR is at least 1 by definition; below it the derating would give negative powers.
    if (below(TryReadPageNumber(edtVSWR.Text()), 1))
        refuse(kVswrBelowOneMessage, &edtVSWR);
    return refused;
}

void TfrmMain::btnSearchClick() {
    // An entry still being typed counts as completed: the search reads what the page shows.
    cbxBeginningFrequency.CompleteEntry();
    cbxEndingFrequency.CompleteEntry();
    bool noLinesMessageArmed = true;
    bool ok = true;
    if (chkFrequency.Checked())
        ok = CheckFrequencies();
    ZeroIfEmpty(edtLength);
    ZeroIfEmpty(edtMaxLoss);
    ZeroIfEmpty(edtVSWR);
    if (chkInsertionLoss.Checked() && (edtMaxLoss.Text() == "0" || edtLength.Text() == "0")) {
        services_.Beep();
        services_.ShowMessage(kLossMessage, MessageIcon::Warning);
        if (edtMaxLoss.Text() == "0")
            ActiveControl = &edtMaxLoss;
        if (edtLength.Text() == "0")
            ActiveControl = &edtLength;
        ok = false;
        noLinesMessageArmed = false;
    }
    if (!chkAir.Checked() && !chkFoam.Checked() && !chkWaveguide.Checked()) {
        services_.Beep();
        services_.ShowMessage("Please select a cable type.", MessageIcon::Error);
        ok = false;
        noLinesMessageArmed = false;
    }
    if (RefuseValuesOutOfRange()) {
        ok = false;
        noLinesMessageArmed = false;
    }
    // A refused query searches nothing: the previous lines stay as they were.
    result_.Outcome = SearchOutcome::Refused;
    if (ok) {
        query_ = ReadQuery();
        StartSearchOrder();
        result_.Outcome = SearchOutcome::None;
        if (query_.PartNumber) {
            result_.Unjudged = {};
            Hits = FindByPartNumber(TheCatalogue, *query_.PartNumber);
        } else {
            const BusyCursor busy(services_);
            UnjudgedLines unjudged;
            Hits = SearchCatalogue(TheCatalogue, query_, &unjudged);
            result_.Unjudged = std::move(unjudged);
        }
        if (!Hits.empty()) {
            const BusyCursor busy(services_);
            // Emptied on every way out, so an error box never stands over a full bar.
            const ProgressReset reset(ProgressBar1);
            PreparePriceLookups(PriceLines, Hits);
            ProgressBar1.SetMax(static_cast<int>(Hits.size()));
            // Updating the bar for every one of 100,000 hits would cost more than the lookups.
            const std::size_t step = Hits.size() / 100 + 1;
            for (std::size_t i = 0; i < Hits.size(); ++i) {
                if (Hits[i]->Description.empty())
                    AttachPartData(*Hits[i]);
                if ((i + 1) % step == 0 || i + 1 == Hits.size()) {
                    ProgressBar1.SetPosition(static_cast<int>(i + 1));
                    services_.ProcessEvents();
                }
            }
            ProgressBar1.SetPosition(0);
            LoadCurrency();
            result_.Outcome = SearchOutcome::Listed;
            FillSpecsGrid();
            // A new search starts on its first row, in view, whatever row the previous one left current.
            grdSpecs.SetCurrentRow(1);
            grdSpecs.ScrollCurrentRowIntoView();
            PageControl1.SetActivePageIndex(1);
        } else if (ok) {
            FillSpecsGrid(); // no rows; the status bar still counts the lines left out
        }
    }
    if (noLinesMessageArmed && (!ok || Hits.empty())) {
        services_.Beep();
        services_.ShowMessage(kNoLinesMessage, MessageIcon::Information);
    }
}

} // namespace dorvik
