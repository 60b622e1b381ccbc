#include "core/forms/main_window_fixture.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

class SettingsTest : public MainWindowTest {
protected:
    std::string Text(std::string_view name) {
        const auto value = store.ReadValue(kSettingsKey, name);
        return value && value->type == StoredValue::Type::String ? value->text : "<none>";
    }
    int Flag(std::string_view name) {
        const auto value = store.ReadValue(kSettingsKey, name);
        return value && value->type == StoredValue::Type::Dword ? static_cast<int>(value->number) : -1;
    }
    void Restart() {
        form->FormDestroy();
        services.Events.clear();
        Start();
    }
};

TEST_F(SettingsTest, FirstExitWritesAllSeventeenValues) {
    auto& f = Start();
    f.FormDestroy();
    EXPECT_EQ(Text("BeginningFrequency"), "100");
    EXPECT_EQ(Text("EndingFrequency"), "300");
    EXPECT_EQ(Text("MaxLoss"), "0");
    EXPECT_EQ(Text("Length"), "0");
    EXPECT_EQ(Text("Connector1"), "7-16 DIN Female");
    EXPECT_EQ(Text("VSWR"), "1.1");
    EXPECT_EQ(Flag("Meters"), 0);
    EXPECT_EQ(Flag("Feet"), 1);
    for (const char* name : {"Air", "Foam", "EW", "ByFrequency", "Save"})
        EXPECT_EQ(Flag(name), 1) << name;
    for (const char* name : {"ByLoss", "ByC1", "ByC2"})
        EXPECT_EQ(Flag(name), 0) << name;
}

TEST_F(SettingsTest, RoundTripRestoresThePage) {
    auto& f = Start();
    User([&] {
        f.cbxBeginningFrequency.UserType("800");
        f.cbxBeginningFrequency.CompleteEntry();
    });
    f.edtLength.SetText("50");
    f.edtMaxLoss.SetText("3");
    f.rbMeters.SetChecked(true);
    f.chkInsertionLoss.SetChecked(true);
    f.chkAir.SetChecked(false);
    f.cbxConnector2.SetItemIndex(2);
    Restart();
    auto& g = *form;
    EXPECT_EQ(g.cbxBeginningFrequency.Text(), "800");
    EXPECT_EQ(g.cbxEndingFrequency.Text(), "1000");
    // Restored frequencies do not narrow the lists.
    EXPECT_EQ(g.cbxEndingFrequency.Items().size(), 3u);
    EXPECT_EQ(g.edtLength.Text(), "50");
    EXPECT_EQ(g.edtMaxLoss.Text(), "3");
    EXPECT_TRUE(g.rbMeters.Checked());
    EXPECT_FALSE(g.rbFeet.Checked());
    EXPECT_TRUE(g.chkInsertionLoss.Checked());
    EXPECT_FALSE(g.chkAir.Checked());
    EXPECT_EQ(g.cbxConnector2.Text(), "N Male");
    EXPECT_TRUE(services.Events.empty());
}

TEST_F(SettingsTest, SaveFlagOffRestoresOnlyTheCheckMark) {
    auto& f = Start();
    f.edtLength.SetText("50");
    f.SaveSettingsOnExit1Click();
    Restart();
    EXPECT_FALSE(form->SaveSettingsOnExit1->Checked());
    EXPECT_EQ(form->edtLength.Text(), "0");
    EXPECT_EQ(Text("Length"), "50"); // the store still holds the previous run's values
}

TEST_F(SettingsTest, StoredValuesAreAppliedWithTheirRules) {
    Start();
    form->FormDestroy();
    store.WriteString(kSettingsKey, "BeginningFrequency", "123.4");
    store.WriteString(kSettingsKey, "MaxLoss", "abc");
    store.WriteString(kSettingsKey, "VSWR", "");
    store.WriteDword(kSettingsKey, "ByFrequency", 0);
    store.WriteDword(kSettingsKey, "ByLoss", 1);
    services.Events.clear();
    auto& f = Start();
    EXPECT_EQ(f.cbxBeginningFrequency.Items().back(), "123.4");
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "123.4");
    EXPECT_EQ(f.edtMaxLoss.Text(), "0");
    EXPECT_EQ(f.edtVSWR.Text(), "1.1");
    EXPECT_TRUE(f.chkFrequency.Checked());
    EXPECT_TRUE(f.chkInsertionLoss.Checked());
    EXPECT_TRUE(f.chkInsertionLoss.Enabled());
    EXPECT_THAT(services.Messages(), ElementsAre("info: This field must contain a numeric value."));
}

TEST_F(SettingsTest, WrongTypeEndsTheRestoreThere) {
    Start();
    form->edtLength.SetText("50");
    form->chkAir.SetChecked(false);
    form->FormDestroy();
    store.WriteString(kSettingsKey, "Meters", "yes"); // a text where a flag belongs
    auto& f = Start();
    EXPECT_EQ(f.edtLength.Text(), "50"); // restored before the damaged value
    EXPECT_TRUE(f.chkAir.Checked());     // after it: the designed state stays
}

TEST_F(SettingsTest, MissingSaveFlagRestoresNothing) {
    store.CreateKey(kSettingsKey);
    store.WriteString(kSettingsKey, "Length", "77");
    auto& f = Start();
    EXPECT_TRUE(f.SaveSettingsOnExit1->Checked());
    EXPECT_EQ(f.edtLength.Text(), "0");
}

TEST_F(SettingsTest, FirstWriteFailureEndsTheWriting) {
    auto& f = Start();
    store.FailWritesAfter(3); // CreateKey, BeginningFrequency, EndingFrequency
    f.edtMaxLoss.SetText("9");
    f.FormDestroy();
    EXPECT_EQ(Text("EndingFrequency"), "300");
    EXPECT_EQ(Text("MaxLoss"), "<none>");
    EXPECT_EQ(Flag("Save"), -1);
}

} // namespace
} // namespace dorvik::testing
