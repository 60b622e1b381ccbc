// The desktop program with large data: the main window up with a large catalogue and price list, and the
// grid of a search with 100,000 hits filled, the model and the Qt table. Targets: 1 s and 200 ms.
#include "../catalogue_generator.h"
#include "../silent_services.h"
#include "core/store/memory_settings_store.h"
#include "gui/grid/grid_table_model.h"
#include "gui/main_window/main_window_view.h"
#include "gui/platform/qt_platform_services.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace dorvik::bench {
namespace {

struct DataFolder {
    std::filesystem::path folder;
    GeneratedFiles files;
    explicit DataFolder(const GeneratorPlan& plan)
        : folder(std::filesystem::temp_directory_path() / ("dorvik_gui_bench_" + std::to_string(getpid()) +
                                                           "_" + std::to_string(plan.TransmissionLines))),
          files(GenerateCatalogueFiles(folder, plan)) {}
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// A main window over the files, as the desktop program makes it (the data files copied into memory).
template <typename Services> struct BasicWindow {
    MemorySettingsStore store;
    Services services;
    std::unique_ptr<TfrmMain> form;
    std::unique_ptr<gui::MainWindowView> view;

    explicit BasicWindow(const DataFolder& data) {
        TAppEnvironment env;
        env.ProgramFolder = data.folder;
        env.OutputFolder = data.folder;
        env.CatalogueFile = data.files.Catalogue;
        env.PriceFile = data.files.PriceList;
        store.CreateKey(kCommonFilesKey);
        store.WriteString(kCommonFilesKey, "Path", data.folder.string());
        form = std::make_unique<TfrmMain>(env, store, services);
        view = std::make_unique<gui::MainWindowView>(*form);
        form->Dispatch([this] { form->FormCreate(); });
        view->Refresh();
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            throw std::runtime_error("the window was not shown");
    }
};

using Window = BasicWindow<SilentServices>;

const DataFolder& LargeFiles() {
    static const DataFolder data{GeneratorPlan{}};
    return data;
}

// From the model's creation to the window on the screen with its pick lists filled.
void BM_WindowUpWithLargeFiles(benchmark::State& state) {
    const DataFolder& data = LargeFiles();
    for (auto _ : state) {
        auto window = std::make_unique<Window>(data);
        benchmark::DoNotOptimize(window->form->cbxConnector.Items().size());
        state.PauseTiming(); // closing is not part of starting
        window.reset();
        state.ResumeTiming();
    }
    state.counters["files_MB"] = static_cast<double>(data.files.Bytes) / 1e6;
}
BENCHMARK(BM_WindowUpWithLargeFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

// A query whose hits are every air and foam line of the generated catalogue.
void AskForEveryBandOfHits(TfrmMain& form, gui::MainWindowView& view) {
    view.Act([&form] {
        form.cbxBeginningFrequency.SetTextByProgram("824");
        form.cbxEndingFrequency.SetTextByProgram("960");
        form.chkConnector.SetChecked(false);
        form.chkConnector2.SetChecked(false);
        form.chkInsertionLoss.SetChecked(false);
        form.chkAir.SetChecked(true);
        form.chkFoam.SetChecked(true);
        form.chkWaveguide.SetChecked(false); // no waveguide computes at 892 MHz: below its cutoff
        form.chkFrequency.SetChecked(false);
    });
}

// A search of 100,000 hits on the shown window, until the results page is drawn: the search itself, the
// price lookups, the model's fill and the Qt table's.
struct HitsFixture {
    DataFolder data;
    std::unique_ptr<Window> window;
    explicit HitsFixture(int lines) : data(Plan(lines)), window(std::make_unique<Window>(data)) {
        AskForEveryBandOfHits(*window->form, *window->view);
    }
    static GeneratorPlan Plan(int lines) {
        GeneratorPlan plan;
        plan.TransmissionLines = lines;
        plan.ConnectorsPerLine = 2;
        plan.PriceLines = lines * 5;
        return plan;
    }
};

void BM_SearchFillsGridOf100kHits(benchmark::State& state) {
    HitsFixture fixture(100'000);
    TfrmMain& form = *fixture.window->form;
    gui::MainWindowView& view = *fixture.window->view;
    for (auto _ : state) {
        view.Act([&form] {
            form.btnNewQueryClick();
            form.btnSearchClick();
        });
        QApplication::processEvents();
        view.repaint();
    }
    state.counters["rows"] = form.grdSpecs.RowCount();
    state.counters["messages"] = fixture.window->services.Messages;
}
BENCHMARK(BM_SearchFillsGridOf100kHits)->Unit(benchmark::kMillisecond)->Iterations(5);

// The grid alone: the model's fill of 100,000 rows (as after a currency change), then the Qt table model's
// reset and the table's drawing.
void BM_GridFillOf100kRows(benchmark::State& state) {
    HitsFixture fixture(100'000);
    TfrmMain& form = *fixture.window->form;
    gui::MainWindowView& view = *fixture.window->view;
    view.Act([&form] { form.btnSearchClick(); });
    auto* table = qobject_cast<QTableView*>(view.WidgetOf(form.grdSpecs));
    for (auto _ : state) {
        form.FillSpecsGrid();
        view.Refresh();
        table->repaint();
    }
    state.counters["rows"] = table->model()->rowCount();
}
BENCHMARK(BM_GridFillOf100kRows)->Unit(benchmark::kMillisecond)->Iterations(5);

// A desktop whose default-application query takes a second to answer, as on a busy desktop.
struct SlowDesktopQuery {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("dorvik_gui_bench_tools_" + std::to_string(getpid()));
    std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    SlowDesktopQuery() {
        std::filesystem::create_directories(folder);
        const auto tool = folder / "xdg-mime";
        std::ofstream(tool) << "#!/bin/sh\nsleep 1\necho calc.desktop\n";
        std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
        setenv("PATH", (folder.string() + ":" + oldPath).c_str(), 1);
    }
    ~SlowDesktopQuery() {
        setenv("PATH", oldPath.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// A page change each way (a search of a few hits, then "New Query") with the desktop program's own
// services: the results page asks whether a spreadsheet program is installed, which must not wait for the
// desktop's answer. Target: under 50 ms a change.
void BM_PageChangeWithPlatformServices(benchmark::State& state) {
    const SlowDesktopQuery desktop;
    const DataFolder data(HitsFixture::Plan(50));
    BasicWindow<gui::QtPlatformServices> window(data);
    TfrmMain& form = *window.form;
    gui::MainWindowView& view = *window.view;
    window.services.SetDialogParent(&view);
    AskForEveryBandOfHits(form, view);
    for (auto _ : state) {
        view.Act([&form] { form.btnSearchClick(); });
        view.repaint();
        view.Act([&form] { form.btnNewQueryClick(); });
        view.repaint();
    }
    state.counters["hits"] = form.grdSpecs.RowCount() - 1;
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_PageChangeWithPlatformServices)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace dorvik::bench

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
