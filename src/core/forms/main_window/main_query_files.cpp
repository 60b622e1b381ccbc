// Query settings files (*.dvk) and the command-line set-up.
#include "core/forms/main_window/frm_main.h"
#include "core/store/profile_file.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace dorvik {

namespace {

constexpr const char* kQueryFilter = "Dorvik Files (*.dvk)|*.dvk";

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

} // namespace

void TfrmMain::OpenFile1Click() {
    std::string path;
    if (!HasParams()) {
        OpenDialog1.InitialDir = (env_.OutputFolder / "dvk").string();
        if (!services_.ExecuteFileDialog(OpenDialog1))
            return;
        path = OpenDialog1.FileName;
    } else if (env_.Params.size() >= 2) {
        path = env_.Params[1];
    }
    if (path.empty())
        return;
    const auto section = ReadIniSection("data", path);
    const auto value = [&section](std::string_view key, std::string_view defaultText) {
        return ReadValueOrDefault(section, key, defaultText);
    };
    cbxBeginningFrequency.AddIfMissingAndSelect(value("BegFreq", "0"));
    cbxEndingFrequency.AddIfMissingAndSelect(value("EndFreq", "0"));
    cbxConnector.AddIfMissingAndSelect(value("C1", ""));
    cbxConnector2.AddIfMissingAndSelect(value("C2", ""));
    edtMaxLoss.SetText(value("MaxLoss", "0"));
    edtLength.SetText(value("Length", "0"));
    edtVSWR.SetText(value("VSWR", "1.1"));
    if (UpperCase(value("Units", "Meters")) == "F")
        rbFeet.SetChecked(true);
    else
        rbMeters.SetChecked(true);
    chkFoam.SetChecked(UpperCase(value("Foam", "False")) != "FALSE");
    chkAir.SetChecked(UpperCase(value("Air", "False")) != "FALSE");
    chkWaveguide.SetChecked(UpperCase(value("Waveguide", "False")) != "FALSE");
    chkFrequency.SetChecked(UpperCase(value("ByFreq", "False")) == "TRUE");
    chkInsertionLoss.SetChecked(UpperCase(value("ByLoss", "False")) == "TRUE");
    chkConnector.SetChecked(UpperCase(value("ByC1", "False")) == "TRUE");
    chkConnector2.SetChecked(UpperCase(value("ByC2", "False")) == "TRUE");
}

void TfrmMain::SaveQuerySettingsToFile1Click() {
    const auto folder = env_.OutputFolder / "dvk";
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
    HtmlSave.InitialDir = folder.string();
    HtmlSave.DefaultExt = ".dvk";
    HtmlSave.Filter = kQueryFilter;
    if (!services_.ExecuteFileDialog(HtmlSave) || HtmlSave.FileName.empty())
        return;
    std::filesystem::path path = HtmlSave.FileName;
    if (!path.has_extension())
        path += ".dvk";
    const std::vector<std::string> entries{
        "BegFreq=" + cbxBeginningFrequency.Text(),
        "EndFreq=" + cbxEndingFrequency.Text(),
        "C1=" + cbxConnector.Text(),
        "C2=" + cbxConnector2.Text(),
        "MaxLoss=" + edtMaxLoss.Text(),
        "Length=" + edtLength.Text(),
        "VSWR=" + edtVSWR.Text(),
        std::string("Units=") + (rbMeters.Checked() ? "M" : "F"),
        std::string("Foam=") + TrueFalse(chkFoam.Checked()),
        std::string("Air=") + TrueFalse(chkAir.Checked()),
        std::string("Waveguide=") + TrueFalse(chkWaveguide.Checked()),
        std::string("ByFreq=") + TrueFalse(chkFrequency.Checked()),
        std::string("ByLoss=") + TrueFalse(chkInsertionLoss.Checked()),
        std::string("ByC1=") + TrueFalse(chkConnector.Checked()),
        std::string("ByC2=") + TrueFalse(chkConnector2.Checked()),
    };
    WriteIniSection(path, "data", entries);
}

void TfrmMain::ApplyCommandLine() {
    rbFeet.SetChecked(false);
    rbMeters.SetChecked(true);
    chkAir.SetChecked(true);
    chkFoam.SetChecked(true);
    chkWaveguide.SetChecked(true);
    chkFrequency.SetChecked(false);
    chkInsertionLoss.SetChecked(false);
    chkConnector.SetChecked(false);
    chkConnector2.SetChecked(false);
    if (UpperCase(env_.Params.front()) == "FILE") {
        if (env_.Params.size() == 2) {
            OpenFile1Click();
        } else {
            services_.ShowMessage("Not enough parameters to run this program", MessageIcon::Error);
            TerminateRequested = true;
        }
        return;
    }
    // Two or more parameters whose first is not "FILE": the first is taken as the part-number form.
    LookupPartNumber = env_.Params.front();
}

} // namespace dorvik
