// The desktop program with large data: the main window up with a large catalogue and price list, and the
// grid of a search with 100,000 hits filled, the model and the Qt table. Targets: 1 s and 200 ms.
#include "../catalogue_generator.h"
#include "../silent_services.h"
#include "core/store/memory_settings_store.h"
#include "gui/grid/grid_table_model.h"
#include "gui/main_window/main_window_view.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace dorvik::bench {
namespace {

struct DataFolder {
    std::filesystem::path folder;
    GeneratedFiles files;
    explicit DataFolder(const GeneratorPlan& plan)
        : folder(std::filesystem::temp_directory_path() / ("dorvik_gui_bench_" + std::to_string(getpid()) + "_" +
                                                            std::to_string(plan.TransmissionLines))),
          files(GenerateCatalogueFiles(folder, plan)) {}
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// A main window over the files, as the desktop program makes it (the data files copied into memory).
struct Window {
    MemorySettingsStore store;
    SilentServices services;
    std::unique_ptr<TfrmMain> form;
    std::unique_ptr<gui::MainWindowView> view;

    explicit Window(const DataFolder& data) {
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

// A search of 100,000 hits on the shown window, until the results page is drawn: the search itself, the
// price lookups, the model's fill and the Qt table's.
struct HitsFixture {
    DataFolder data;
    std::unique_ptr<Window> window;
    explicit HitsFixture(int lines) : data(Plan(lines)), window(std::make_unique<Window>(data)) {
        TfrmMain& form = *window->form;
        window->view->Act([&form] {
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
