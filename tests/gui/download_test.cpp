// The desktop's download against a local HTTP server: only a complete, successful transfer leaves a file.
#include "gui/platform/qt_platform_services.h"
#include "local_http_server.h"
#include "support/test_files.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace dorvik::gui {
namespace {

class DownloadTest : public ::testing::Test {
protected:
    dorvik::testing::TempFolder folder;
    QByteArray body = QByteArray(200'000, 'p') + "end";
    dorvik::testing::LocalHttpServer server{body};
    QtPlatformServices services;
    std::filesystem::path target = folder / "dvksetup.deb";

    void SetUp() override { ASSERT_TRUE(server.Listening()); }

    // Nothing but the target, if that: no temporary file is left behind.
    std::vector<std::string> FilesLeft() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(DownloadTest, CompleteTransferWritesTheFile) {
    EXPECT_EQ(services.Download(server.Url("/ok"), target.string()), DownloadResult::Completed);
    EXPECT_EQ(dorvik::testing::ReadBytes(target), body.toStdString());
    EXPECT_EQ(FilesLeft(), std::vector<std::string>{"dvksetup.deb"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the progress dialog has gone
}

TEST_F(DownloadTest, FailuresLeaveNoFileAndKeepAnEarlierOne) {
    // A 404 is the server's answer, not a failed connection.
    for (const auto& [path, result] :
         {std::pair{"/missing", DownloadResult::Refused}, {"/cut", DownloadResult::Failed}}) {
        std::filesystem::remove(target);
        EXPECT_EQ(services.Download(server.Url(path), target.string()), result) << path;
        EXPECT_TRUE(FilesLeft().empty()) << path;
        dorvik::testing::WriteBytes(target, "earlier package");
        EXPECT_EQ(services.Download(server.Url(path), target.string()), result) << path;
        EXPECT_EQ(dorvik::testing::ReadBytes(target), "earlier package") << path;
        EXPECT_EQ(FilesLeft(), std::vector<std::string>{"dvksetup.deb"}) << path;
    }
    // Nobody listens there, and a URL that does not read.
    std::filesystem::remove(target);
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const std::string refused = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/ok";
    closed.close();
    EXPECT_EQ(services.Download(refused, target.string()), DownloadResult::Failed);
    EXPECT_EQ(services.Download("http://[bad", target.string()), DownloadResult::Failed);
    EXPECT_TRUE(FilesLeft().empty());
}

TEST_F(DownloadTest, CancelStopsTheTransferAndRemovesThePartialFile) {
    // The user presses Cancel in the progress dialog once some bytes came in.
    QTimer cancel;
    QString label;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(window);
                progress && progress->isVisible() && progress->labelText().contains("received")) {
                label = progress->labelText();
                if (auto* button = progress->findChild<QPushButton*>())
                    button->click();
            }
    });
    cancel.start(20);
    EXPECT_EQ(services.Download(server.Url("/stall"), target.string()), DownloadResult::Cancelled);
    EXPECT_TRUE(label.contains(QStringLiteral("bytes received"))) << label.toStdString();
    EXPECT_TRUE(FilesLeft().empty());
}

} // namespace
} // namespace dorvik::gui
