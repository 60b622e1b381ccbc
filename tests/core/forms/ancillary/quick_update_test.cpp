// The update reminder, the "Quick Update" and "Update Options" dialogs and update.ini, with fake services
// that play the user.
#include "core/errors.h"
#include "core/forms/ancillary/frm_options.h"
#include "core/forms/ancillary/frm_update.h"
#include "core/forms/ancillary/quick_update.h"
#include "core/forms/ancillary/reminder_date.h"
#include "core/forms/fake_services.h"
#include "core/store/profile_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>

namespace dorvik {
namespace {

using testing::FakeServices;

class QuickUpdateTest : public ::testing::Test {
protected:
    dorvik::testing::TempFolder program;
    dorvik::testing::TempFolder output;
    FakeServices services;
    std::unique_ptr<TQuickUpdate> update;
    std::filesystem::path ini = output / "update.ini";

    void SetUp() override {
        TAppEnvironment env;
        env.ProgramFolder = program.Path();
        env.OutputFolder = output.Path();
        update = std::make_unique<TQuickUpdate>(env, services, "http://127.0.0.1:9/dvksetup.deb");
        dorvik::testing::WriteBytes(program / "connect.gif", "GIF89a picture");
    }

    void WriteIni(const std::string& text) { dorvik::testing::WriteBytes(ini, text); }
    std::optional<std::string> Stored(const char* key) const { return FindProfileValue(ini, "UPDATE", key); }

    // The user's answer to each "Quick Update" dialog: a button of the dialog, or nothing (its close box).
    void AnswerUpdateDialog(std::function<void(TfrmUpdate&)> answer) {
        services.OnShowModal = [this, answer](TForm& form) {
            if (auto* dialog = dynamic_cast<TfrmUpdate*>(&form)) {
                messages.push_back(dialog->lblMessage.Caption());
                if (answer)
                    answer(*dialog);
            }
            return TModalResult::None;
        };
    }
    std::vector<std::string> messages; // lblMessage of each dialog shown
};

TEST_F(QuickUpdateTest, FirstCheckWritesTheDateThirtyDaysAheadWithoutADialog) {
    update->CheckUpdateReminder();
    EXPECT_TRUE(services.ModalShown.empty());
    EXPECT_EQ(Stored("date"), "2027-01-07");
    EXPECT_EQ(dorvik::testing::ReadBytes(ini), "[UPDATE]\r\ndate=2027-01-07\r\n");
    EXPECT_TRUE(services.Messages().empty());
}

TEST_F(QuickUpdateTest, ReminderIsDueOnlyAfterTheStoredDay) {
    struct Case {
        const char* date;
        bool due;
    };
    for (const Case& c : {Case{"2026-12-08", false}, Case{"2026-12-07", true}, Case{"2026-12-09", false},
                          Case{"2025-12-31", true}, Case{" 2026-11-30 ", true}}) {
        services.ModalShown.clear();
        messages.clear();
        AnswerUpdateDialog(nullptr);
        WriteIni(std::string("[update]\r\nDATE=") + c.date + "\r\n");
        update->CheckUpdateReminder();
        ASSERT_EQ(services.ModalShown.size(), c.due ? 1u : 0u) << c.date;
        if (c.due) {
            EXPECT_EQ(messages, std::vector<std::string>{kReminderMessage});
        }
        // The close box is Cancel: the reminder waits its days instead of coming back at once.
        if (c.due)
            EXPECT_EQ(Stored("date"), "2027-01-07") << c.date;
        else
            EXPECT_EQ(dorvik::testing::ReadBytes(ini), std::string("[update]\r\nDATE=") + c.date + "\r\n")
                << c.date;
    }
}

TEST_F(QuickUpdateTest, CancelInTheReminderMovesTheDateByTheStoredDays) {
    WriteIni("[UPDATE]\r\ndate=2026-12-07\r\ndays=45\r\n");
    AnswerUpdateDialog([](TfrmUpdate& dialog) { dialog.btnCancel.Click(); });
    update->CheckUpdateReminder();
    EXPECT_EQ(Stored("date"), "2027-01-22");
    EXPECT_EQ(services.ModalShown, std::vector<std::string>{"Quick Update"});
    // Now the reminder is not due.
    update->CheckUpdateReminder();
    EXPECT_EQ(services.ModalShown.size(), 1u);
}

TEST_F(QuickUpdateTest, DateThatDoesNotReadIsRewrittenThirtyDaysAhead) {
    for (const char* date : {"", "12/07/2026", "2026-02-30", "tomorrow", "2026-1-07"}) {
        WriteIni(std::string("[UPDATE]\r\ndate=") + date + "\r\ndays=45\r\n");
        update->CheckUpdateReminder();
        EXPECT_TRUE(services.ModalShown.empty()) << date;
        EXPECT_EQ(dorvik::testing::ReadBytes(ini), "[UPDATE]\r\ndate=2027-01-07\r\ndays=45\r\n") << date;
    }
}

TEST_F(QuickUpdateTest, ReminderDaysAreUsedAsReadWithThirtyForNoNumber) {
    const std::map<std::string, int> cases = {{"", 30},          {"days=", 30},     {"days=45", 45},
                                              {"days=5", 5},     {"days=0x10", 16}, {"days=ten", 30},
                                              {"days=12.5", 30}, {"days=-3", -3},   {"days=99999999999", 30}};
    for (const auto& [line, days] : cases) {
        WriteIni("[UPDATE]\r\n" + line + "\r\n");
        EXPECT_EQ(update->ReadReminderDays(), days) << line;
    }
}

TEST_F(QuickUpdateTest, FiveDaysMoveTheDateByFiveUnlessTheOptionsDialogWasOpened) {
    WriteIni("[UPDATE]\r\ndate=2026-12-01\r\ndays=5\r\n");
    AnswerUpdateDialog([](TfrmUpdate& dialog) { dialog.btnCancel.Click(); });
    update->CheckUpdateReminder();
    EXPECT_EQ(Stored("date"), "2026-12-13");

    WriteIni("[UPDATE]\r\ndate=2026-12-01\r\ndays=5\r\n");
    services.ModalShown.clear();
    int optionsDays = 0;
    services.OnShowModal = [&](TForm& form) {
        if (auto* options = dynamic_cast<TfrmOptions*>(&form)) {
            optionsDays = options->txtDays.Value();
            options->btnOK.Click();
        } else if (auto* dialog = dynamic_cast<TfrmUpdate*>(&form)) {
            dialog->btnOptions.Click();
            EXPECT_EQ(dialog->ModalResult, TModalResult::None); // the update dialog stays open
            dialog->btnCancel.Click();
        }
        return TModalResult::None;
    };
    update->CheckUpdateReminder();
    EXPECT_EQ(optionsDays, 10);
    EXPECT_EQ(Stored("days"), "10");
    EXPECT_EQ(Stored("date"), "2026-12-18");
    EXPECT_EQ(services.ModalShown, (std::vector<std::string>{"Quick Update", "Update Options"}));
}

TEST_F(QuickUpdateTest, UnwritableUpdateIniIsReportedOncePerRun) {
    std::filesystem::create_directory(ini); // a folder where the file should be: no write can succeed
    for (int i = 0; i < 3; ++i)
        update->CheckUpdateReminder();
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_EQ(services.Messages()[0], "error: Unable to write to " + ini.string());
    // A user's answer in the dialog still reports its own failure.
    AnswerUpdateDialog(nullptr);
    TfrmUpdate dialog(*update);
    EXPECT_THROW(dialog.btnCancelClick(), FileError);
    EXPECT_EQ(dialog.ModalResult, TModalResult::Cancel);
}

TEST_F(QuickUpdateTest, UpdateDownloadsReportsAndHandsThePackageToTheDesktop) {
    WriteIni("[UPDATE]\r\ndays=45\r\n");
    services.DownloadAnswer = DownloadResult::Completed;
    TfrmUpdate dialog(*update);
    dialog.FormCreate();
    dialog.btnUpdate.Click();
    const std::string target = (output / "dvksetup.deb").string();
    EXPECT_EQ(services.Downloads, std::vector<std::string>{"http://127.0.0.1:9/dvksetup.deb > " + target});
    EXPECT_TRUE(services.BusyDuringDownload);
    EXPECT_EQ(services.CursorChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(services.Events,
              (std::vector<std::string>{"info: " + std::string(kDownloadedMessage), "open: " + target}));
    EXPECT_EQ(Stored("date"), "2027-01-22");
    EXPECT_EQ(dialog.ModalResult, TModalResult::Ok);
}

TEST_F(QuickUpdateTest, FailedDownloadIsReportedAndStillMovesTheDate) {
    services.DownloadAnswer = DownloadResult::Failed;
    TfrmUpdate dialog(*update);
    dialog.btnUpdate.Click();
    EXPECT_EQ(services.Events, std::vector<std::string>{"error: " + std::string(kDownloadFailedMessage)});
    EXPECT_EQ(services.CursorChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(Stored("date"), "2027-01-07");
    EXPECT_EQ(dialog.ModalResult, TModalResult::Ok);
}

TEST_F(QuickUpdateTest, CancelledDownloadReportsNothingAndMovesTheDate) {
    services.DownloadAnswer = DownloadResult::Cancelled;
    TfrmUpdate dialog(*update);
    dialog.btnUpdate.Click();
    EXPECT_TRUE(services.Events.empty());
    EXPECT_EQ(services.CursorChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(Stored("date"), "2027-01-07");
}

TEST_F(QuickUpdateTest, MenuDialogShowsItsOwnMessageAndPicture) {
    AnswerUpdateDialog([](TfrmUpdate& dialog) {
        EXPECT_EQ(dialog.Picture, "GIF89a picture");
        EXPECT_EQ(dialog.Caption, "Quick Update");
        EXPECT_EQ(dialog.ClientWidth, 290);
        EXPECT_EQ(dialog.ClientHeight, 177);
    });
    update->ShowUpdateDialog({});
    EXPECT_EQ(messages, std::vector<std::string>{kUpdateDialogMessage});
    EXPECT_EQ(Stored("date"), "2027-01-07"); // closed by its close box: as Cancel
}

TEST_F(QuickUpdateTest, MissingOrUnreadablePictureIsReportedAndTheDialogStillOpens) {
    for (const char* content : {static_cast<const char*>(nullptr), "PNG not a gif"}) {
        services.Events.clear();
        services.ModalShown.clear();
        std::filesystem::remove(program / "connect.gif");
        if (content)
            dorvik::testing::WriteBytes(program / "connect.gif", content);
        std::string picture = "unset";
        services.OnShowModal = [&](TForm& form) {
            picture = dynamic_cast<TfrmUpdate&>(form).Picture;
            return TModalResult::None;
        };
        update->ShowUpdateDialog({});
        ASSERT_EQ(services.Messages().size(), 1u);
        EXPECT_NE(services.Messages()[0].find("connect.gif"), std::string::npos) << services.Messages()[0];
        EXPECT_EQ(services.ModalShown.size(), 1u);
        EXPECT_EQ(picture, "");
    }
}

TEST_F(QuickUpdateTest, OptionsLoadClampAndSaveHoweverTheDialogCloses) {
    struct Case {
        const char* ini;
        int shown;
        bool autoUpdate;
    };
    for (const Case& c :
         {Case{"", 30, false}, Case{"days=5\r\nautoupdate=1", 10, true},
          Case{"days=250\r\nautoupdate=0", 100, false}, Case{"days=0x20\r\nautoupdate=7", 32, true},
          Case{"days=x\r\nautoupdate=yes", 30, false}}) {
        WriteIni(std::string("[UPDATE]\r\n") + c.ini + "\r\n");
        TfrmOptions options(ini);
        options.FormCreate();
        EXPECT_EQ(options.txtDays.Value(), c.shown) << c.ini;
        EXPECT_EQ(options.cbxAutoUpdate.Checked(), c.autoUpdate) << c.ini;
        EXPECT_EQ(options.txtDays.Enabled(), !c.autoUpdate) << c.ini;
        options.FormDestroy(); // the close box: saved all the same
        EXPECT_EQ(Stored("days"), std::to_string(c.shown)) << c.ini;
        EXPECT_EQ(Stored("autoupdate"), c.autoUpdate ? "1" : "0") << c.ini;
    }
}

TEST_F(QuickUpdateTest, OptionsDaysFieldAndAutoUpdateBox) {
    TfrmOptions options(ini);
    options.FormCreate();
    EXPECT_EQ(options.Caption, "Update Options");
    options.cbxAutoUpdate.SetChecked(true);
    EXPECT_FALSE(options.txtDays.Enabled());
    options.cbxAutoUpdate.SetChecked(false);
    EXPECT_TRUE(options.txtDays.Enabled());

    options.txtDays.SetText("7");
    EXPECT_EQ(options.txtDays.Value(), 7); // clamped only when the focus leaves
    options.btnOK.Click();
    EXPECT_EQ(options.txtDays.Text(), "10");
    EXPECT_EQ(options.ModalResult, TModalResult::Ok);
    for (const auto& [text, value] :
         std::vector<std::pair<std::string, int>>{{"abc", 10}, {"", 10}, {"101", 100}, {"64", 64}}) {
        options.txtDays.SetText(text);
        options.txtDays.Exit();
        EXPECT_EQ(options.txtDays.Value(), value) << text;
    }
    options.FormDestroy();
    EXPECT_EQ(dorvik::testing::ReadBytes(ini), "[UPDATE]\r\ndays=64\r\nautoupdate=0\r\n");
}

TEST(ReminderDate, AddDaysCrossesMonthsYearsAndLeapDays) {
    const std::vector<std::tuple<CalendarDate, long long, const char*>> cases = {
        {{2026, 12, 8}, 30, "2027-01-07"},
        {{2024, 2, 28}, 1, "2024-02-29"},
        {{2023, 2, 28}, 1, "2023-03-01"},
        {{2026, 3, 1}, -1, "2026-02-28"},
        {{2026, 12, 8}, 0, "2026-12-08"},
        {{2026, 12, 8}, 2147483647, "9999-12-31"},
        {{2026, 12, 8}, -2147483648LL, "0001-01-01"}};
    for (const auto& [date, days, expected] : cases)
        EXPECT_EQ(FormatIsoDate(AddDays(date, days)), expected) << days;
}

TEST(ReminderDate, CompareAndRead) {
    EXPECT_EQ(CompareDates({2026, 12, 8}, {2026, 12, 7}), 1);
    EXPECT_EQ(CompareDates({2026, 11, 30}, {2026, 12, 1}), -1);
    EXPECT_EQ(CompareDates({2025, 12, 31}, {2026, 1, 1}), -1);
    EXPECT_EQ(CompareDates({2026, 12, 8}, {2026, 12, 8}), 0);
    EXPECT_EQ(FormatIsoDate(*ReadIsoDate("2024-02-29")), "2024-02-29");
    for (const char* bad : {"2023-02-29", "2026-13-01", "2026-00-10", "0000-01-01", "2026/12/08", "2026-12-8",
                            "+026-12-08", "2026-12-08x"})
        EXPECT_FALSE(ReadIsoDate(bad)) << bad;
}

} // namespace
} // namespace dorvik
