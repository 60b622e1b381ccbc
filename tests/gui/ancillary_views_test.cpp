// The splash, the about box and the update dialogs as drawn: offscreen, with screenshots for a look.
#include "core/forms/ancillary/frm_about.h"
#include "core/forms/ancillary/frm_splash.h"
#include "core/forms/ancillary/quick_update.h"
#include "core/forms/fake_services.h"
#include "core/store/profile_file.h"
#include "gui/ancillary/about_view.h"
#include "gui/ancillary/ancillary_views.h"
#include "gui/ancillary/splash_view.h"
#include "gui/ancillary/update_view.h"
#include "gui/platform/qt_platform_services.h"
#include "support/test_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplashScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace dorvik::gui {
namespace {

void SaveScreenshot(QWidget& widget, const QString& name) {
    std::filesystem::create_directories(DORVIK_ARTIFACTS);
    EXPECT_TRUE(widget.grab().save(QStringLiteral(DORVIK_ARTIFACTS "/") + name));
}

TEST(SplashView, WaitsForTheTimerWithoutSpinning) {
    // The splash's timer runs from its creation.
    QElapsedTimer clock;
    clock.start();
    TfrmSplash splash;
    splash.Timer1.Interval = 300;
    QSplashScreen* shown = nullptr;
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<QSplashScreen*>(window); s && s->isVisible())
                shown = s;
        if (shown) {
            EXPECT_EQ(shown->size(), QSize(639, 480));
            EXPECT_EQ(shown->pos(), QPoint(98, 42));
            EXPECT_TRUE(shown->windowFlags() & Qt::FramelessWindowHint);
            SaveScreenshot(*shown, QStringLiteral("splash.png"));
            // A click does not end it early.
            QTest::mouseClick(shown, Qt::LeftButton);
            EXPECT_TRUE(shown->isVisible());
        }
    });
    look.start(50);
    const int rounds = ShowSplashAndWait(splash);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_NE(shown, nullptr);
    EXPECT_TRUE(splash.FormCloseQuery());
    // Each round waited for an event: a busy loop would have run thousands of rounds.
    EXPECT_LT(rounds, 100);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QSplashScreen*>(window) && window->isVisible());
}

class AboutViewTest : public ::testing::Test {
protected:
    dorvik::testing::FakeServices services;
    TfrmAbout form;
    AboutView view{form, services};

    void SetUp() override {
        view.Refresh();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    void AltKey(QWidget* target, Qt::Key key) {
        QTest::keyPress(target, key, Qt::AltModifier);
        QTest::keyRelease(target, key, Qt::AltModifier);
    }
};

TEST_F(AboutViewTest, ShowsLogoLabelNoticeAndButton) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(view.Label1()->text(), QStringLiteral("Veltrane DORVIK (TM)"));
    EXPECT_TRUE(view.Label1()->font().bold());
    EXPECT_EQ(view.Label1()->font().pointSize(), 18);
    EXPECT_TRUE(view.Memo1()->isReadOnly());
    // The whole notice shows in the box made for it.
    EXPECT_FALSE(view.Memo1()->verticalScrollBar()->isVisible());
    EXPECT_EQ(QFontInfo(view.Memo1()->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(view.Button1()->isVisible());
    EXPECT_FALSE(view.Image3()->isVisible());
    SaveScreenshot(view, QStringLiteral("about.png"));
}

TEST_F(AboutViewTest, CapitalLetterAndTheWordWithAltRevealThePictures) {
    QTest::keyClick(view.Button1(), 'j');
    EXPECT_FALSE(form.Image2.Visible());
    QTest::keyClick(view.Button1(), 'J');
    EXPECT_TRUE(form.Image2.Visible());
    EXPECT_FALSE(view.Label1()->isVisible());
    SaveScreenshot(view, QStringLiteral("about_first_picture.png"));
    // The word with Alt held, typed in the notice: Alt+O is not the button's mnemonic here.
    for (Qt::Key key : {Qt::Key_J, Qt::Key_O, Qt::Key_L, Qt::Key_T})
        AltKey(view.Button1(), key);
    EXPECT_EQ(form.KeyBuffer(), ""); // the last release counted once, though the button went away with it
    EXPECT_EQ(form.ModalResult, TModalResult::None);
    EXPECT_TRUE(view.Image3()->isVisible());
    EXPECT_FALSE(view.Button1()->isVisible());
    EXPECT_FALSE(view.Memo1()->isVisible());
    SaveScreenshot(view, QStringLiteral("about_second_picture.png"));
    // Still closes on a click.
    QTest::mouseClick(view.Image3(), Qt::LeftButton);
    EXPECT_EQ(form.ModalResult, TModalResult::Cancel);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(AboutViewTest, KeysFromTheNoticeCountOnceAndReleasesWithoutAltNot) {
    view.Memo1()->setFocus();
    AltKey(view.Memo1(), Qt::Key_J);
    EXPECT_EQ(form.KeyBuffer(), "J"); // once, though the notice passes the key on to the box
    QTest::keyRelease(view.Memo1(), Qt::Key_X);
    EXPECT_EQ(form.KeyBuffer(), "J");
    AltKey(view.Memo1(), Qt::Key_O);
    EXPECT_EQ(form.KeyBuffer(), "JO");
}

TEST_F(AboutViewTest, ClicksOnTheNoticeTheLabelAndTheButtonClose) {
    QTest::mouseClick(view.Memo1()->viewport(), Qt::LeftButton);
    EXPECT_EQ(form.ModalResult, TModalResult::Cancel);
    for (int part = 0; part < 2; ++part) {
        TfrmAbout other;
        AboutView otherView(other, services);
        otherView.Refresh();
        otherView.show();
        QTest::mouseClick(part == 0 ? static_cast<QWidget*>(otherView.Label1()) : otherView.Button1(),
                          Qt::LeftButton);
        EXPECT_EQ(other.ModalResult, TModalResult::Cancel) << part;
        EXPECT_FALSE(otherView.isVisible()) << part;
    }
}

class UpdateViewTest : public ::testing::Test {
protected:
    dorvik::testing::TempFolder folder;
    dorvik::testing::FakeServices services;
    std::unique_ptr<TQuickUpdate> update;

    void SetUp() override {
        std::filesystem::copy_file(DORVIK_SAMPLE_DATA "/connect.gif", folder / "connect.gif");
        TAppEnvironment env;
        env.ProgramFolder = folder.Path();
        env.OutputFolder = folder.Path();
        update = std::make_unique<TQuickUpdate>(env, services);
    }
};

TEST_F(UpdateViewTest, ShowsThePictureTheMessageAndTheButtons) {
    TfrmUpdate form(*update);
    form.FormCreate();
    ASSERT_TRUE(services.Messages().empty()) << services.Messages().front();
    UpdateView view(form, services);
    view.Refresh();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Quick Update"));
    ASSERT_FALSE(view.Picture()->pixmap().isNull());
    EXPECT_EQ(view.Picture()->size(), view.Picture()->pixmap().size());
    EXPECT_EQ(view.Message()->text().toStdString(), kUpdateDialogMessage);
    EXPECT_GE(view.Message()->x(), view.Picture()->geometry().right());
    EXPECT_EQ(view.focusWidget(), view.Button(form.btnUpdate));
    SaveScreenshot(view, QStringLiteral("quick_update.png"));
    QTest::mouseClick(view.Button(form.btnCancel), Qt::LeftButton);
    EXPECT_EQ(form.ModalResult, TModalResult::Cancel);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(FindProfileValue(update->IniFile(), "UPDATE", "date"), "2027-01-07");
}

TEST_F(UpdateViewTest, EscapeAnswersCancelAndTheCloseBoxAnswersNothing) {
    for (const bool escape : {true, false}) {
        std::filesystem::remove(update->IniFile());
        TfrmUpdate form(*update);
        form.FormCreate();
        UpdateView view(form, services);
        view.Refresh();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        if (escape)
            QTest::keyClick(&view, Qt::Key_Escape);
        else
            view.close();
        EXPECT_FALSE(view.isVisible()) << escape;
        EXPECT_EQ(form.ModalResult, escape ? TModalResult::Cancel : TModalResult::None) << escape;
        EXPECT_EQ(FindProfileValue(update->IniFile(), "UPDATE", "date"),
                  escape ? std::optional<std::string>("2027-01-07") : std::nullopt)
            << escape;
    }
}

TEST_F(UpdateViewTest, OptionsFollowTheModel) {
    dorvik::testing::WriteBytes(update->IniFile(), "[UPDATE]\r\ndays=45\r\nautoupdate=1\r\n");
    TfrmOptions form(update->IniFile());
    form.FormCreate();
    OptionsView view(form, services);
    view.Refresh();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.Days()->value(), 45);
    EXPECT_TRUE(view.AutoUpdate()->isChecked());
    EXPECT_FALSE(view.Days()->isEnabled());
    SaveScreenshot(view, QStringLiteral("update_options.png"));
    QTest::mouseClick(view.AutoUpdate(), Qt::LeftButton);
    EXPECT_FALSE(form.cbxAutoUpdate.Checked());
    EXPECT_TRUE(view.Days()->isEnabled());
    view.Days()->setFocus();
    QTest::keyClick(view.Days(), Qt::Key_Up);
    EXPECT_EQ(form.txtDays.Value(), 46);
    QTest::mouseClick(view.Ok(), Qt::LeftButton);
    EXPECT_EQ(form.ModalResult, TModalResult::Ok);
    form.FormDestroy();
    EXPECT_EQ(FindProfileValue(update->IniFile(), "UPDATE", "days"), "46");
    EXPECT_EQ(FindProfileValue(update->IniFile(), "UPDATE", "autoupdate"), "0");
}

TEST(ModalViews, PlatformServicesShowTheRegisteredView) {
    QtPlatformServices services;
    TfrmAbout about;
    EXPECT_EQ(services.ShowModal(about), TModalResult::None); // nothing registered yet
    RegisterAncillaryViews(services);
    QTimer press;
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<AboutView*>(QApplication::activeModalWidget()))
            box->Button1()->click();
    });
    press.start(0);
    EXPECT_EQ(services.ShowModal(about), TModalResult::Cancel);
    EXPECT_EQ(about.ModalResult, TModalResult::Cancel);
}

} // namespace
} // namespace dorvik::gui
