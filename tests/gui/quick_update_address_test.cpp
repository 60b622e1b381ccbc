// The quick update from the address in the settings store, through the dialog's own code and the desktop's
// download, against a local server: the message, the package handed over, and no partial file.
#include "core/forms/ancillary/frm_update.h"
#include "core/forms/ancillary/quick_update.h"
#include "core/forms/fake_services.h"
#include "core/store/memory_settings_store.h"
#include "gui/platform/qt_platform_services.h"
#include "local_http_server.h"
#include "support/test_files.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace dorvik::gui {
namespace {

// Messages and the hand-over recorded; the download is the desktop's.
class DownloadingServices : public dorvik::testing::FakeServices {
public:
    DownloadResult Download(const std::string& url, const std::string& path) override {
        return qt.Download(url, path);
    }
    QtPlatformServices qt;
};

class QuickUpdateAddressTest : public ::testing::Test {
protected:
    dorvik::testing::TempFolder folder;
    QByteArray body = QByteArray(300'000, 'd') + "end";
    testing::LocalHttpServer server{body};
    DownloadingServices services;
    MemorySettingsStore store;

    void SetUp() override { ASSERT_TRUE(server.Listening()); }

    // Presses Update in the dialog with the store's address set to the server's path.
    void Update(const char* path) {
        store.CreateKey(kCommonFilesKey);
        store.WriteString(kCommonFilesKey, kUpdateUrlValue, server.Url(path));
        TAppEnvironment environment;
        environment.ProgramFolder = folder.Path();
        environment.OutputFolder = folder.Path();
        TQuickUpdate update(environment, services, QuickUpdateUrl(store));
        TfrmUpdate dialog(update);
        dialog.btnUpdateClick();
    }

    bool PackageLeft() const { return std::filesystem::exists(folder / "dvksetup.deb"); }
    // Only the package and update.ini may be there: no temporary file of the download.
    std::size_t FilesLeft() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            ++count;
        return count;
    }
};

TEST_F(QuickUpdateAddressTest, TheStoredAddressWinsOverTheMakersWhenItIsAText) {
    EXPECT_EQ(QuickUpdateUrl(store), kSetupUrl);
    store.CreateKey(kCommonFilesKey);
    store.WriteString(kCommonFilesKey, kUpdateUrlValue, "");
    EXPECT_EQ(QuickUpdateUrl(store), kSetupUrl);
    store.WriteDword(kCommonFilesKey, kUpdateUrlValue, 7);
    EXPECT_EQ(QuickUpdateUrl(store), kSetupUrl);
    store.WriteString(kCommonFilesKey, kUpdateUrlValue, "http://127.0.0.1/p.deb");
    EXPECT_EQ(QuickUpdateUrl(store), "http://127.0.0.1/p.deb");
}

TEST_F(QuickUpdateAddressTest, ACompleteDownloadIsHandedToTheDesktop) {
    Update("/ok");
    const std::string package = (folder / "dvksetup.deb").string();
    EXPECT_EQ(services.Events,
              (std::vector<std::string>{std::string("info: ") + kDownloadedMessage, "open: " + package}));
    EXPECT_EQ(dorvik::testing::ReadBytes(package), body.toStdString());
    EXPECT_EQ(server.Requests(), 1);
}

TEST_F(QuickUpdateAddressTest, AMissingOrCutDownloadIsReportedAndLeavesNoFile) {
    for (const auto& [path, message] :
         {std::pair{"/missing", kDownloadRefusedMessage}, {"/cut", kDownloadFailedMessage}}) {
        services.Events.clear();
        Update(path);
        EXPECT_EQ(services.Events, std::vector<std::string>{std::string("error: ") + message}) << path;
        EXPECT_FALSE(PackageLeft()) << path;
        EXPECT_EQ(FilesLeft(), 1u) << path; // update.ini, the next reminder
    }
}

TEST_F(QuickUpdateAddressTest, CancelShowsProgressThenReportsNothingAndLeavesNoFile) {
    QTimer cancel;
    QString label;
    int maximum = -1;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(window);
                progress && progress->isVisible() && progress->labelText().contains("received")) {
                label = progress->labelText();
                maximum = progress->maximum();
                if (auto* button = progress->findChild<QPushButton*>())
                    button->click();
            }
    });
    cancel.start(20);
    Update("/stall");
    EXPECT_TRUE(label.contains(QStringLiteral("bytes received"))) << label.toStdString();
    EXPECT_GT(maximum, 0); // the announced size gives the bar its length
    EXPECT_TRUE(services.Events.empty());
    EXPECT_FALSE(PackageLeft());
    EXPECT_EQ(FilesLeft(), 1u);
}

} // namespace
} // namespace dorvik::gui
