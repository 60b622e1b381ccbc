// The query page in the per-user store: written at every exit, restored at a normal start.
#include "core/forms/main_window/frm_main.h"

#include <stdexcept>

namespace dorvik {

namespace {

// Ends a restore at the first value that is missing or of the wrong type; nothing is reported.
struct RestoreStopped {};

class SettingsReader {
public:
    explicit SettingsReader(const ISettingsStore& store) : store_(store) {}

    // A missing string reads as empty; a value of another type stops the restore.
    std::string String(std::string_view name) const {
        const auto value = store_.ReadValue(kSettingsKey, name);
        if (!value)
            return {};
        if (value->type != StoredValue::Type::String)
            throw RestoreStopped{};
        return value->text;
    }

    bool Flag(std::string_view name) const {
        const auto value = store_.ReadValue(kSettingsKey, name);
        if (!value || value->type != StoredValue::Type::Dword)
            throw RestoreStopped{};
        return value->number != 0;
    }

private:
    const ISettingsStore& store_;
};

} // namespace

void TfrmMain::SaveSettings() {
    if (!store_.CreateKey(kSettingsKey))
        return;
    const auto text = [this](std::string_view name, const std::string& value) {
        return store_.WriteString(kSettingsKey, name, value);
    };
    const auto flag = [this](std::string_view name, bool value) {
        return store_.WriteDword(kSettingsKey, name, value ? 1u : 0u);
    };
    // The first failure ends the writing; the values written before it stay.
    text("BeginningFrequency", cbxBeginningFrequency.Text()) &&
        text("EndingFrequency", cbxEndingFrequency.Text()) && text("MaxLoss", edtMaxLoss.Text()) &&
        text("Length", edtLength.Text()) && text("Connector1", cbxConnector.Text()) &&
        text("Connector2", cbxConnector2.Text()) && flag("Meters", rbMeters.Checked()) &&
        flag("Feet", rbFeet.Checked()) && flag("Air", chkAir.Checked()) && flag("Foam", chkFoam.Checked()) &&
        flag("EW", chkWaveguide.Checked()) && flag("ByFrequency", chkFrequency.Checked()) &&
        flag("ByLoss", chkInsertionLoss.Checked()) && flag("ByC1", chkConnector.Checked()) &&
        flag("ByC2", chkConnector2.Checked()) && text("VSWR", edtVSWR.Text()) &&
        flag("Save", SaveSettingsOnExit1->Checked());
}

void TfrmMain::LoadSettings() {
    if (!store_.KeyExists(kSettingsKey))
        return;
    const SettingsReader read(store_);
    try {
        SaveSettingsOnExit1->SetChecked(read.Flag("Save"));
        if (!SaveSettingsOnExit1->Checked())
            return;
        cbxBeginningFrequency.AddIfMissingAndSelect(read.String("BeginningFrequency"));
        cbxEndingFrequency.AddIfMissingAndSelect(read.String("EndingFrequency"));
        edtMaxLoss.SetText(read.String("MaxLoss"));
        edtLength.SetText(read.String("Length"));
        const std::string vswr = read.String("VSWR");
        edtVSWR.SetText(vswr.empty() ? kDefaultVswrText : vswr);
        cbxConnector.AddIfMissingAndSelect(read.String("Connector1"));
        cbxConnector2.AddIfMissingAndSelect(read.String("Connector2"));
        rbMeters.SetChecked(read.Flag("Meters"));
        rbFeet.SetChecked(read.Flag("Feet"));
        chkAir.SetChecked(read.Flag("Air"));
        chkFoam.SetChecked(read.Flag("Foam"));
        chkWaveguide.SetChecked(read.Flag("EW"));
        chkFrequency.SetChecked(read.Flag("ByFrequency"));
        chkInsertionLoss.SetChecked(read.Flag("ByLoss"));
        chkConnector.SetChecked(read.Flag("ByC1"));
        chkConnector2.SetChecked(read.Flag("ByC2"));
    } catch (const RestoreStopped&) {
    }
}

} // namespace dorvik
