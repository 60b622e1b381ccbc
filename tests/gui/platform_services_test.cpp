// The Qt platform services that do not need a person: the background lookup of a default application.
#include "gui/platform/qt_platform_services.h"
#include "support/test_files.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace dorvik::gui {
namespace {

// A desktop whose xdg-mime answers after a while, with whatever answer file says.
class DefaultApplicationTest : public ::testing::Test {
protected:
    dorvik::testing::TempFolder folder;
    std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";

    void SetUp() override {
        dorvik::testing::WriteBytes(folder / "xdg-mime",
                                    "#!/bin/sh\nsleep 0.2\ncat \"" + (folder / "answer").string() + "\"\n");
        std::filesystem::permissions(folder / "xdg-mime", std::filesystem::perms::owner_all);
        Answer("calc.desktop\n");
        setenv("PATH", (folder.Path().string() + ":" + savedPath).c_str(), 1);
    }
    void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }
    void Answer(const std::string& text) { dorvik::testing::WriteBytes(folder / "answer", text); }
};

TEST_F(DefaultApplicationTest, AnswersAtOnceAndFollowsWhenTheLookupEnds) {
    QtPlatformServices services;
    int changes = 0;
    services.SetDefaultApplicationChanged([&changes] { ++changes; });
    const std::string excel = "application/vnd.ms-excel";
    // The page change does not wait for the desktop: no answer yet reads as "none".
    EXPECT_FALSE(services.HasDefaultApplication(excel));
    for (int i = 0; i < 500 && changes == 0; ++i) // up to 10 s on a loaded machine
        QTest::qWait(20);
    ASSERT_EQ(changes, 1);
    EXPECT_TRUE(services.HasDefaultApplication(excel)); // from the last answer; a new lookup starts
    Answer("");
    for (int i = 0; i < 500 && changes == 1; ++i)
        QTest::qWait(20);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(services.HasDefaultApplication(excel));
    EXPECT_FALSE(services.HasDefaultApplication("no/such-type"));
}

} // namespace
} // namespace dorvik::gui
