#pragma once
// A main window over a small catalogue in a temporary program folder, with an in-memory store.
#include "core/forms/fake_services.h"
#include "core/forms/main_window/frm_main.h"
#include "core/store/memory_settings_store.h"
#include "support/test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

namespace dorvik::testing {

using TempFolder = dorvik::testing::TempFolder;

class MainWindowTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path programFolder = folder.Path() / "program";
    std::filesystem::path sharedFolder = folder.Path() / "shared";
    // As an installed program: its own files in a data folder, the user's in the documents folder.
    std::filesystem::path outputFolder = programFolder;
    std::optional<std::filesystem::path> documentsFolder;
    // The folder of the user's own catalogue files, as the desktop program gives one.
    std::optional<std::filesystem::path> userFolder;
    MemorySettingsStore store;
    FakeServices services;
    std::unique_ptr<TfrmMain> form;

    void SetUp() override {
        std::filesystem::create_directories(programFolder);
        std::filesystem::create_directories(sharedFolder);
        const std::filesystem::path data = DORVIK_TEST_DATA "/forms";
        std::filesystem::copy_file(data / "Freq_TLine_Connectors.dat",
                                   programFolder / "Freq_TLine_Connectors.dat");
        std::filesystem::copy_file(data / "M_lom.dat", sharedFolder / "M_lom.dat");
        store.CreateKey(kCommonFilesKey);
        store.WriteString(kCommonFilesKey, "Path", sharedFolder.string());
    }

    void WithRates(const std::string& content = {}) {
        if (content.empty())
            std::filesystem::copy_file(DORVIK_TEST_DATA "/forms/xcngrate.dat",
                                       programFolder / "xcngrate.dat");
        else
            WriteFile(programFolder / "xcngrate.dat", content);
    }

    static void WriteFile(const std::filesystem::path& path, const std::string& content);

    // Creates the window and runs FormCreate as the program does.
    TfrmMain& Start(std::vector<std::string> params = {}, char separator = '.') {
        TAppEnvironment env;
        env.Params = std::move(params);
        env.ProgramFolder = programFolder;
        env.OutputFolder = outputFolder;
        env.DocumentsFolder = documentsFolder;
        env.DecimalSeparator = separator;
        if (userFolder) {
            env.UserCatalogueFile = *userFolder / "User_TLine_Connectors.dat";
            env.UserPriceFile = *userFolder / "User_M_lom.dat";
        }
        form = std::make_unique<TfrmMain>(env, store, services);
        form->Dispatch([this] { form->FormCreate(); });
        return *form;
    }

    // The user's action, through the general error handler.
    void User(const std::function<void()>& action) { form->Dispatch(action); }

    void Search() {
        User([this] { form->btnSearchClick(); });
    }

    // The results page after a search of 800 to 1000 MHz over 100 ft (two lines), with no event recorded.
    TfrmMain& StartWithResults() {
        auto& f = Start();
        f.cbxBeginningFrequency.SetTextByProgram("800");
        f.cbxEndingFrequency.SetTextByProgram("1000");
        f.edtLength.SetText("100");
        Search();
        EXPECT_EQ(f.grdSpecs.RowCount(), 2);
        services.Events.clear();
        return f;
    }

    static std::vector<std::string> Column(const TGrid& grid, int col) {
        std::vector<std::string> out;
        for (int r = 1; r <= grid.RowCount(); ++r)
            out.push_back(grid.Cell(col, r));
        return out;
    }
    static std::vector<std::string> Row(const TGrid& grid, int row) {
        std::vector<std::string> out;
        for (int c = 1; c <= grid.ColCount(); ++c)
            out.push_back(grid.Cell(c, row));
        return out;
    }
};

inline void MainWindowTest::WriteFile(const std::filesystem::path& path, const std::string& content) {
    dorvik::testing::WriteBytes(path, content);
}

} // namespace dorvik::testing
