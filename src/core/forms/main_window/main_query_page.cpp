// The query page's rules: numeric fields, the coupled frequency lists, the query-by switches, the frequency
// check, and the window-level commands beside the page.
#include "core/forms/main_window/frm_main.h"
#include "core/text/numbers.h"

namespace dorvik {

namespace {
constexpr const char* kNumericMessage = "This field must contain a numeric value.";
} // namespace

bool TfrmMain::IsNumericField(const std::string& text) {
    if (text.empty() || TryReadNumber(text, DecimalSeparator()))
        return true;
    services_.ShowMessage(kNumericMessage, MessageIcon::Information);
    return false;
}

void TfrmMain::edtMaxLossChange() {
    if (!IsNumericField(edtMaxLoss.Text()))
        edtMaxLoss.SetText("0");
}

void TfrmMain::edtLengthChange() {
    if (!IsNumericField(edtLength.Text()))
        edtLength.SetText("0");
}

void TfrmMain::edtVSWRChange() {
    if (!IsNumericField(edtVSWR.Text()))
        edtVSWR.SetText("0");
}

void TfrmMain::cbxBeginningFrequencyChange() {
    const std::string endText = cbxEndingFrequency.Text();
    if (!IsNumericField(cbxBeginningFrequency.Text()))
        cbxBeginningFrequency.SetItemIndex(0);
    const double begin = ReadNumber(cbxBeginningFrequency.Text(), DecimalSeparator());
    std::vector<std::string> entries;
    for (const auto& entry : EndFrequencyList)
        if (entry.Value > begin)
            entries.push_back(entry.Text);
    cbxEndingFrequency.SetItems(std::move(entries));
    cbxEndingFrequency.SetItemIndex(0);
    if (begin > ReadNumber(endText, DecimalSeparator()))
        return;
    cbxEndingFrequency.AddIfMissingAndSelect(endText);
}

void TfrmMain::cbxEndingFrequencyChange() {
    const std::string beginText = cbxBeginningFrequency.Text();
    if (!IsNumericField(cbxEndingFrequency.Text()))
        cbxEndingFrequency.SetItemIndex(0);
    const double end = ReadNumber(cbxEndingFrequency.Text(), DecimalSeparator());
    std::vector<std::string> entries;
    for (const auto& entry : BeginFrequencyList)
        if (entry.Value < end)
            entries.push_back(entry.Text);
    cbxBeginningFrequency.SetItems(std::move(entries));
    if (ReadNumber(beginText, DecimalSeparator()) <= end)
        cbxBeginningFrequency.AddIfMissingAndSelect(beginText);
    else
        cbxBeginningFrequency.SetItemIndex(0);
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
