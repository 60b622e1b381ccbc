// Query settings files (*.dvk) and the command-line set-up.
#include "core/forms/main_window/frm_main.h"
#include "core/store/profile_file.h"
#include "core/text/file_bytes.h"
#include "core/text/letter_case.h"
#include "core/text/numbers.h"

#include "core/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace dorvik {

namespace {

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

std::string Replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

// Query files travel between users and machines: numbers are written with '.', and a number written with '.'
// reads in every locale. Texts that are not numbers pass unchanged (the page's rules judge them).
std::string NumberFromFile(const std::string& text, char separator) {
    if (separator != '.' && TryReadNumber(text, '.'))
        return Replaced(text, '.', separator);
    return text;
}

std::string NumberForFile(const std::string& text, char separator) {
    if (separator != '.' && TryReadNumber(text, separator))
        return Replaced(text, separator, '.');
    return text;
}

} // namespace

void TfrmMain::OpenFile1Click() {
    std::string path;
    if (!HasParams()) {
        ProposeIn(OpenDialog1, UserFilesFolder("dvk"), "dvk");
        if (!services_.ExecuteFileDialog(OpenDialog1))
            return;
        path = OpenDialog1.FileName;
    } else if (env_.Params.size() >= 2) {
        path = env_.Params[1];
        // A file named at the start that cannot be read would run as an empty query: said, and nothing run.
        if (std::FILE* probe = std::fopen(path.c_str(), "rb"); probe != nullptr) {
            std::fclose(probe);
        } else {
            const int error = errno;
            services_.ShowMessage("Cannot read the query file " + QuotedExcerpt(path) + ": " +
                                      std::strerror(error != 0 ? error : ENOENT) + ".",
                                  MessageIcon::Error);
            TerminateRequested = true;
            return;
        }
    }
    if (path.empty())
        return;
    // Read once: a query file may be a pipe. One that cannot be read runs as an empty query, as before.
    FileBytes bytes;
    try {
        bytes = FileBytes::Read(path);
    } catch (const FileError&) {
    }
    WarnOfNulByte(bytes.View(), path);
    const auto section = ReadIniSectionOfText("data", bytes.View());
    const auto value = [&section](std::string_view key, std::string_view defaultText) {
        return ReadValueOrDefault(section, key, defaultText);
    };
    const auto number = [&](std::string_view key, std::string_view defaultText) {
        return NumberFromFile(value(key, defaultText), DecimalSeparator());
    };
    cbxBeginningFrequency.AddIfMissingAndSelect(number("BegFreq", "0"));
    cbxEndingFrequency.AddIfMissingAndSelect(number("EndFreq", "0"));
    cbxConnector.AddIfMissingAndSelect(value("C1", ""));
    cbxConnector2.AddIfMissingAndSelect(value("C2", ""));
    edtMaxLoss.SetText(number("MaxLoss", "0"));
    edtLength.SetText(number("Length", "0"));
    edtVSWR.SetText(number("VSWR", kDefaultVswrText));
    // The program writes "F"; "FT" and "Feet", as people write them by hand, are feet too.
    if (UpperCaseAscii(value("Units", "Meters")).starts_with('F'))
        rbFeet.SetChecked(true);
    else
        rbMeters.SetChecked(true);
    chkFoam.SetChecked(UpperCaseAscii(value("Foam", "False")) != "FALSE");
    chkAir.SetChecked(UpperCaseAscii(value("Air", "False")) != "FALSE");
    chkWaveguide.SetChecked(UpperCaseAscii(value("Waveguide", "False")) != "FALSE");
    chkFrequency.SetChecked(UpperCaseAscii(value("ByFreq", "False")) == "TRUE");
    chkInsertionLoss.SetChecked(UpperCaseAscii(value("ByLoss", "False")) == "TRUE");
    chkConnector.SetChecked(UpperCaseAscii(value("ByC1", "False")) == "TRUE");
    chkConnector2.SetChecked(UpperCaseAscii(value("ByC2", "False")) == "TRUE");
    // The order its search lists the lines in; a sort this program does not know lists them as found.
    fileSort_ = ReadSortOrder(value("Sort", ""));
}

void TfrmMain::SaveQuerySettingsToFile1Click() {
    const auto folder = UserFilesFolder("dvk");
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
    ProposeIn(HtmlSave, folder, "dvk");
    HtmlSave.DefaultExt = ".dvk";
    HtmlSave.Filter = kQueryFilter;
    if (!services_.ExecuteFileDialog(HtmlSave) || HtmlSave.FileName.empty())
        return;
    std::filesystem::path path = HtmlSave.FileName;
    if (!path.has_extension())
        path += ".dvk";
    HtmlSave.FileName = path.string();
    const char sep = DecimalSeparator();
    std::vector<std::string> entries{
        "BegFreq=" + NumberForFile(cbxBeginningFrequency.Text(), sep),
        "EndFreq=" + NumberForFile(cbxEndingFrequency.Text(), sep),
        "C1=" + cbxConnector.Text(),
        "C2=" + cbxConnector2.Text(),
        "MaxLoss=" + NumberForFile(edtMaxLoss.Text(), sep),
        "Length=" + NumberForFile(edtLength.Text(), sep),
        "VSWR=" + NumberForFile(edtVSWR.Text(), sep),
        std::string("Units=") + (rbMeters.Checked() ? "M" : "F"),
        std::string("Foam=") + TrueFalse(chkFoam.Checked()),
        std::string("Air=") + TrueFalse(chkAir.Checked()),
        std::string("Waveguide=") + TrueFalse(chkWaveguide.Checked()),
        std::string("ByFreq=") + TrueFalse(chkFrequency.Checked()),
        std::string("ByLoss=") + TrueFalse(chkInsertionLoss.Checked()),
        std::string("ByC1=") + TrueFalse(chkConnector.Checked()),
        std::string("ByC2=") + TrueFalse(chkConnector2.Checked()),
    };
    // Other keys of the file are kept: an order saved before is emptied, not left to sort this query.
    if (sortOrder_.Key || FindProfileValue(path, "data", "Sort"))
        entries.push_back("Sort=" + SortOrderText(sortOrder_));
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
    if (UpperCaseAscii(env_.Params.front()) == "FILE") {
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
