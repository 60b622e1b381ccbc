// The query page's rules: numeric fields, the coupled frequency lists, the query-by switches, the frequency
// check, and the window-level commands beside the page.
#include "core/forms/main_window/frm_main.h"
#include "core/text/numbers.h"

namespace dorvik {

namespace {
constexpr const char* kNumericMessage = "This field must contain a numeric value.";
} // namespace

bool TfrmMain::IsNumericField(const std::string& text, const std::string& field) {
    // '.' reads in every locale, as in query files; while typing, a text that may still become a number
    // ("-", "1e", ",") is no error.
    const auto reads = [this](const std::string& t) {
        return TryReadNumber(t, DecimalSeparator(), true).has_value();
    };
    if (text.empty() || reads(text) || reads(text + "0"))
        return true;
    services_.ShowFieldMessage(kNumericMessage, MessageIcon::Information, field);
    return false;
}

void TfrmMain::edtMaxLossChange() {
    if (!IsNumericField(edtMaxLoss.Text(), "Maximum Insertion Loss"))
        edtMaxLoss.SetText("0");
}

void TfrmMain::edtLengthChange() {
    if (!IsNumericField(edtLength.Text(), "Length"))
        edtLength.SetText("0");
}

void TfrmMain::edtVSWRChange() {
    if (!IsNumericField(edtVSWR.Text(), "VSWR"))
        edtVSWR.SetText("0");
}

void TfrmMain::cbxBeginningFrequencyChange() {
    ApplyFrequencyPairRule(cbxBeginningFrequency, cbxEndingFrequency, EndFrequencyList, true);
}

void TfrmMain::cbxEndingFrequencyChange() {
    ApplyFrequencyPairRule(cbxEndingFrequency, cbxBeginningFrequency, BeginFrequencyList, false);
}

void TfrmMain::ApplyFrequencyPairRule(TComboBox& own, TComboBox& other,
                                      const std::vector<PickEntry>& otherMaster, bool ownIsBeginning) {
    const std::string otherText = other.Text();
    // An empty entry is no error (the user cleared the field): it takes the first entry as a wrong one does.
    const char* field = ownIsBeginning ? "Beginning Frequency" : "Ending Frequency";
    if (!IsNumericField(own.Text(), field) || !TryReadNumber(own.Text(), DecimalSeparator()))
        own.SetItemIndex(0);
    const auto value = TryReadNumber(own.Text(), DecimalSeparator());
    if (!value)
        return; // no entry to fall back on: the other field stays as it is
    std::vector<std::string> entries;
    for (const auto& entry : otherMaster)
        if (ownIsBeginning ? entry.Value > *value : entry.Value < *value)
            entries.push_back(entry.Text);
    other.SetItems(std::move(entries));
    const auto otherValue = TryReadNumber(otherText, DecimalSeparator());
    const bool otherStillFits =
        otherValue && (ownIsBeginning ? *value <= *otherValue : *otherValue <= *value);
    if (otherStillFits)
        other.AddIfMissingAndSelect(otherText);
    else
        other.SetItemIndex(0);
}

void TfrmMain::chkFrequencyClick() {
    if (!chkFrequency.Checked())
        chkInsertionLoss.SetChecked(false);
    chkInsertionLoss.SetEnabled(chkFrequency.Checked());
    edtMaxLoss.SetEnabled(chkFrequency.Checked());
}

void TfrmMain::chkInsertionLossClick() {
    if (chkInsertionLoss.Checked())
        chkFrequency.SetChecked(true);
}

bool TfrmMain::CheckFrequencies() {
    const auto begin = TryReadNumber(cbxBeginningFrequency.Text(), DecimalSeparator());
    const auto end = TryReadNumber(cbxEndingFrequency.Text(), DecimalSeparator());
    std::string message;
    if (!begin || !end)
        message =
            "One or both frequency values contain invalid values.\r\rPlease check your frequency values.";
    else if (*begin > *end)
        message = "The beginning frequency value cannot be greater than the ending frequency value.\r\r"
                  "Please check your frequency values.";
    if (message.empty())
        return true;
    services_.ShowMessage(message, MessageIcon::Information);
    return false;
}

void TfrmMain::BitBtn1Click() {
    btnCloseClick();
}

void TfrmMain::Image1Click() {
    services_.ShellOpen(kMakerHomePage);
}

void TfrmMain::SaveSettingsOnExit1Click() {
    SaveSettingsOnExit1->SetChecked(!SaveSettingsOnExit1->Checked());
}

void TfrmMain::ApplicationEvents1Hint(const std::string& hint) {
    StatusBar1.SetCaption(hint);
}

} // namespace dorvik
