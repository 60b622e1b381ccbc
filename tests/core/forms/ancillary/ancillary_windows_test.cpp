// The main window's About, Quick Update and activation reach the ancillary windows.
#include "core/forms/ancillary/frm_about.h"
#include "core/forms/ancillary/frm_update.h"
#include "core/forms/ancillary/quick_update.h"
#include "core/forms/main_window_fixture.h"
#include "core/store/profile_file.h"

namespace dorvik::testing {
namespace {

class AncillaryWindowsTest : public MainWindowTest {};

TEST_F(AncillaryWindowsTest, AboutMenuOpensANewBoxEachTime) {
    Start();
    int opened = 0;
    services.OnShowModal = [&](TForm& shown) {
        auto& about = dynamic_cast<TfrmAbout&>(shown);
        EXPECT_EQ(about.KeyBuffer(), "");
        EXPECT_FALSE(about.Image3.Visible());
        about.FormKeyUp('J', true);
        about.FormKeyUp('O', true);
        ++opened;
        return TModalResult::None;
    };
    User([this] { form->About1->Click(); });
    User([this] { form->About1->Click(); });
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(services.ModalShown, (std::vector<std::string>{"About", "About"}));
}

TEST_F(AncillaryWindowsTest, QuickUpdateMenuAndActivation) {
    Start();
    const auto ini = programFolder / "update.ini";
    User([this] { form->FormActivate(); });
    EXPECT_EQ(FindProfileValue(ini, "UPDATE", "date"), "2027-01-07");
    EXPECT_TRUE(services.ModalShown.empty());

    std::string message;
    services.OnShowModal = [&](TForm& shown) {
        message = dynamic_cast<TfrmUpdate&>(shown).lblMessage.Caption();
        return TModalResult::None;
    };
    User([this] { form->Update1->Click(); });
    EXPECT_EQ(services.ModalShown, std::vector<std::string>{"Quick Update"});
    EXPECT_EQ(message, kUpdateDialogMessage);
    EXPECT_EQ(form->Update1->ShortCut, "Ctrl+U");

    WriteFile(ini, "[UPDATE]\r\ndate=2026-12-07\r\n");
    User([this] { form->FormActivate(); });
    EXPECT_EQ(services.ModalShown.size(), 2u);
    EXPECT_EQ(message, kReminderMessage);
}

TEST_F(AncillaryWindowsTest, UpdateIniGoesToTheWritableFolder) {
    TAppEnvironment env;
    env.ProgramFolder = programFolder;
    env.OutputFolder = folder.Path() / "output";
    const TQuickUpdate quick(env, services);
    EXPECT_EQ(quick.IniFile(), env.OutputFolder / "update.ini");
    EXPECT_EQ(quick.SetupFile(), env.OutputFolder / "dvksetup.deb");
    EXPECT_EQ(quick.PictureFile(), programFolder / "connect.gif");
    EXPECT_EQ(quick.SetupUrl().rfind("https://", 0), 0u);
}

} // namespace
} // namespace dorvik::testing
