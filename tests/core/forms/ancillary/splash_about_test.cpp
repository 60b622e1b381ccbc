// The splash's close query against an injected clock, and the about box's reveal keys.
#include "core/forms/ancillary/frm_about.h"
#include "core/forms/ancillary/frm_splash.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace dorvik {
namespace {

using namespace std::chrono_literals;

TEST(Splash, ClosesOnlyOnceItsTimerHasFiredAfterThreeSeconds) {
    auto now = std::chrono::steady_clock::time_point{} + 100s;
    TfrmSplash splash([&now] { return now; });
    EXPECT_EQ(splash.ClientWidth, 639);
    EXPECT_EQ(splash.ClientHeight, 480);
    EXPECT_EQ(splash.Left, 98);
    EXPECT_EQ(splash.Top, 42);
    EXPECT_EQ(splash.Caption, "Veltrane Insertion Loss Calculator");
    EXPECT_FALSE(splash.FormCloseQuery());
    EXPECT_EQ(splash.Timer1.Remaining(), 3000ms);

    now += 2999ms;
    splash.Timer1.Poll();
    EXPECT_FALSE(splash.FormCloseQuery());
    EXPECT_EQ(splash.Timer1.Remaining(), 1ms);

    // A fraction of a millisecond early is still early.
    now += 999us;
    splash.Timer1.Poll();
    EXPECT_FALSE(splash.FormCloseQuery());
    EXPECT_EQ(splash.Timer1.Remaining(), 1ms);

    now += 1us;
    // The time alone does not open the window: the timer's event does.
    EXPECT_FALSE(splash.FormCloseQuery());
    splash.Timer1.Poll();
    EXPECT_TRUE(splash.FormCloseQuery());
    EXPECT_FALSE(splash.Timer1.Enabled());
}

TEST(Splash, TimerFiresOnce) {
    auto now = std::chrono::steady_clock::time_point{};
    TfrmSplash splash([&now] { return now; });
    int fired = 0;
    splash.Timer1.OnTimer = [&] {
        ++fired;
        splash.Timer1Timer();
    };
    for (int i = 0; i < 4; ++i) {
        now += 3s;
        splash.Timer1.Poll();
    }
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(splash.FormCloseQuery());
}

struct Visibility {
    bool image1, label1, memo1, button1, image2, image3;
    bool operator==(const Visibility&) const = default;
};

Visibility Shown(const TfrmAbout& about) {
    return {about.Image1.Visible(),  about.Label1.Visible(), about.Memo1.Visible(),
            about.Button1.Visible(), about.Image2.Visible(), about.Image3.Visible()};
}

constexpr Visibility kNormal{true, true, true, true, false, false};
constexpr Visibility kFirstPicture{false, false, false, true, true, false};
constexpr Visibility kSecondPicture{false, false, false, false, false, true};

TEST(AboutBox, StartsWithLogoLabelNoticeAndButton) {
    TfrmAbout about;
    EXPECT_EQ(about.Caption, "About");
    EXPECT_EQ(about.Width, 274);
    EXPECT_EQ(about.Height, 403);
    EXPECT_EQ(about.Label1.Caption(), "Veltrane DORVIK (TM)");
    EXPECT_EQ(about.Button1.Caption(), "&Ok");
    EXPECT_TRUE(about.Memo1.Caption().ends_with(std::string("\n\nVersion ") + DORVIK_VERSION));
    EXPECT_EQ(Shown(about), kNormal);
    EXPECT_EQ(about.KeyBuffer(), "");
}

TEST(AboutBox, CapitalFirstLetterShowsTheFirstPicture) {
    for (char key : std::string("jOLTx 1")) {
        TfrmAbout about;
        about.Button1KeyPress(key);
        EXPECT_EQ(Shown(about), kNormal) << key;
    }
    TfrmAbout about;
    about.Button1KeyPress('J');
    EXPECT_EQ(Shown(about), kFirstPicture);
    EXPECT_EQ(about.ModalResult, TModalResult::None);
}

// Keys released with Alt held, as key codes (letters are their capitals).
void AltKeys(TfrmAbout& about, const std::string& keys) {
    for (char key : keys)
        about.FormKeyUp(key, true);
}

TEST(AboutBox, KeyBufferRules) {
    struct Case {
        const char* keys;
        const char* buffer;
        bool revealed;
    };
    const std::vector<Case> cases = {
        {"J", "J", false},
        {"JO", "JO", false},
        {"JOL", "JOL", false},
        {"JOLT", "", true},
        {"jolt", "", true},    // key codes in lower case count as their capitals
        {"JOX", "X", false},   // a wrong letter mid-word restarts the buffer at that letter
        {"JOXJOLT", "", true}, // and the first letter begins a new attempt
        {"JOJ", "J", false},
        {"OL", "OL", false},   // a later part of the word stays in the buffer
        {"OLT", "OLT", false}, // but never equals the word
        {"OLTJ", "J", false},
        {"JJOLT", "", true},
        {"JOLTO", "O", true}, // after a reveal the buffer starts
                              // empty
        {"T", "T", false},
    };
    for (const auto& c : cases) {
        TfrmAbout about;
        AltKeys(about, c.keys);
        EXPECT_EQ(about.KeyBuffer(), c.buffer) << c.keys;
        EXPECT_EQ(about.Image3.Visible(), c.revealed) << c.keys;
    }
}

TEST(AboutBox, WholeWordWithAltShowsOnlyTheSecondPicture) {
    TfrmAbout about;
    about.Button1KeyPress('J');
    AltKeys(about, "JOLT");
    EXPECT_EQ(Shown(about), kSecondPicture);
    // Still closable by a click.
    about.FormClick();
    EXPECT_EQ(about.ModalResult, TModalResult::Cancel);
}

TEST(AboutBox, KeyReleasesWithoutAltLeaveTheBuffer) {
    TfrmAbout about;
    AltKeys(about, "JO");
    for (char key : std::string("XJLT"))
        about.FormKeyUp(key, false);
    EXPECT_EQ(about.KeyBuffer(), "JO");
    AltKeys(about, "LT");
    EXPECT_EQ(Shown(about), kSecondPicture);
}

TEST(AboutBox, ButtonClickCloses) {
    TfrmAbout about;
    about.Button1.Click();
    EXPECT_EQ(about.ModalResult, TModalResult::Cancel);
}

TEST(AboutBox, EachBoxStartsAfresh) {
    {
        TfrmAbout first;
        AltKeys(first, "JOL");
        first.Button1KeyPress('J');
    }
    TfrmAbout second;
    EXPECT_EQ(second.KeyBuffer(), "");
    EXPECT_EQ(Shown(second), kNormal);
    AltKeys(second, "T");
    EXPECT_FALSE(second.Image3.Visible());
}

} // namespace
} // namespace dorvik
