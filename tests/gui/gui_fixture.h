#pragma once
// The real main window over the sample data in a temporary program folder, offscreen.
#include "core/forms/fake_services.h"
#include "core/store/memory_settings_store.h"
#include "gui/main_window/main_window_view.h"
#include "support/test_files.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace dorvik::gui {

class MainWindowViewTest : public ::testing::Test {
protected:
    const dorvik::testing::TempFolder temp;
    const std::filesystem::path folder = temp.Path();
    MemorySettingsStore store;
    dorvik::testing::FakeServices services;
    std::unique_ptr<TfrmMain> form;
    std::unique_ptr<MainWindowView> view;

    void SetUp() override {
        std::filesystem::create_directories(folder / "shared");
        const std::filesystem::path sample = DORVIK_SAMPLE_DATA;
        for (const char* name : {"Freq_TLine_Connectors.dat", "xcngrate.dat"})
            std::filesystem::copy_file(sample / name, folder / name);
        std::filesystem::copy_file(sample / "M_lom.dat", folder / "shared" / "M_lom.dat");
        store.CreateKey(kCommonFilesKey);
        store.WriteString(kCommonFilesKey, "Path", (folder / "shared").string());
        TAppEnvironment env;
        env.ProgramFolder = folder;
        env.OutputFolder = folder;
        form = std::make_unique<TfrmMain>(env, store, services);
        view = std::make_unique<MainWindowView>(*form);
        form->Dispatch([this] { form->FormCreate(); });
        view->Refresh();
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void TearDown() override { view.reset(); }
    template <typename W> W* Widget(const TControl& control) {
        return qobject_cast<W*>(view->WidgetOf(control));
    }
    void SaveScreenshot(const QString& name) {
        std::filesystem::create_directories(DORVIK_ARTIFACTS);
        EXPECT_TRUE(view->grab().save(QStringLiteral(DORVIK_ARTIFACTS "/") + name));
    }
    // A search of the sample data over 824 to 960 MHz, run by the button.
    void SearchBand() {
        form->cbxBeginningFrequency.SetTextByProgram("824");
        form->cbxEndingFrequency.SetTextByProgram("960");
        form->edtLength.SetText("50");
        view->Refresh();
        QTest::mouseClick(Widget<QPushButton>(form->btnSearch), Qt::LeftButton);
        ASSERT_EQ(view->Pages()->currentIndex(), 1);
    }
};

} // namespace dorvik::gui
