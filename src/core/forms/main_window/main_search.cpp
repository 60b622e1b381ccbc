// The search driver: checks the query page, runs the query engine, attaches prices, fills the results page.
#include "core/engine/search.h"
#include "core/forms/main_window/frm_main.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"

namespace dorvik {

namespace {
constexpr const char* kNoLinesMessage = "Sorry, no Transmission Lines available for this query.\r\rPlease try again.";
constexpr const char* kLossMessage =
    "You must enter a maximum insertion loss and a length\rwhen querying by insertion loss";

void ZeroIfEmpty(TEdit& edit) {
    if (edit.Text().empty())
        edit.SetText("0");
}

// Ends the busy cursor however the search ends.
class BusyCursor {
public:
    explicit BusyCursor(IPlatformServices& services) : services_(services) { services_.SetBusyCursor(true); }
    ~BusyCursor() { services_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    IPlatformServices& services_;
};
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

double TfrmMain::ReadQueryNumber(const std::string& text) const {
    // The fill reads the page as the search did, so a search that passed never fails on a '.' in the fill.
    return ReadNumber(NormaliseDecimalPoint(text), DecimalSeparator());
}

void TfrmMain::AttachPartData(TTransmissionLine& line) {
    if (const auto entry = PriceLines.FindPriceLine(line.PartNumber)) {
        line.Description = entry->Description;
        line.ListPrice = entry->Price;
    }
}

void TfrmMain::btnSearchClick() {
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
    const std::string units = rbMeters.Checked() ? "Meters" : "Feet";
    if (ok) {
        if (!LookupPartNumber.empty()) {
            Hits = FindByPartNumber(TheCatalogue, LookupPartNumber.substr(0, LookupPartNumber.find('|')));
        } else {
            SearchCriteria criteria;
            criteria.BeginFrequency = ReadQueryNumber(cbxBeginningFrequency.Text());
            criteria.EndFrequency = ReadQueryNumber(cbxEndingFrequency.Text());
            criteria.Length = ReadQueryNumber(edtLength.Text());
            criteria.MaxLoss = ReadQueryNumber(edtMaxLoss.Text());
            criteria.Units = units;
            criteria.ByFrequency = chkFrequency.Checked();
            criteria.ByConnector1 = chkConnector.Checked();
            criteria.ByConnector2 = chkConnector2.Checked();
            criteria.ByLoss = chkInsertionLoss.Checked();
            criteria.Air = chkAir.Checked();
            criteria.Foam = chkFoam.Checked();
            criteria.Waveguide = chkWaveguide.Checked();
            criteria.ConnectorName1 = cbxConnector.Text();
            criteria.ConnectorName2 = cbxConnector2.Text();
            const BusyCursor busy(services_);
            // A failed search throws before this assignment: the previous hits stay.
            Hits = SearchCatalogue(TheCatalogue, criteria);
        }
        if (!Hits.empty()) {
            const BusyCursor busy(services_);
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
            FillSpecsGrid();
            PageControl1.SetActivePageIndex(1);
        }
    }
    if (noLinesMessageArmed && (!ok || Hits.empty())) {
        services_.Beep();
        services_.ShowMessage(kNoLinesMessage, MessageIcon::Information);
    }
}

} // namespace dorvik
