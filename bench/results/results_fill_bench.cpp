// The results page over a large hit list: search, price lookups and the fill of every grid cell, as the
// search button runs them.
#include "../catalogue_generator.h"
#include "../silent_services.h"
#include "core/forms/main_window/frm_main.h"
#include "core/store/memory_settings_store.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace dorvik::bench {
namespace {

struct ResultsFixture {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "dorvik-bench-results";
    MemorySettingsStore store;
    SilentServices services;
    std::unique_ptr<TfrmMain> form;

    explicit ResultsFixture(int lines) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        GeneratorPlan plan;
        plan.TransmissionLines = lines;
        plan.ConnectorsPerLine = 3;
        plan.PriceLines = lines * 4;
        const auto files = GenerateCatalogueFiles(folder, plan);
        TAppEnvironment env;
        env.ProgramFolder = folder;
        env.OutputFolder = folder;
        env.CatalogueFile = files.Catalogue;
        env.PriceFile = files.PriceList;
        store.CreateKey(kCommonFilesKey);
        store.WriteString(kCommonFilesKey, "Path", folder.string());
        form = std::make_unique<TfrmMain>(env, store, services);
        form->FormCreate();
        const SearchCriteria c = BenchmarkCriteria();
        form->cbxBeginningFrequency.SetTextByProgram("824");
        form->cbxEndingFrequency.SetTextByProgram("960");
        form->edtLength.SetText("100");
        form->edtMaxLoss.SetText("14.5");
        form->rbMeters.SetChecked(true);
        form->chkInsertionLoss.SetChecked(true);
        form->chkWaveguide.SetChecked(c.Waveguide);
    }
    ~ResultsFixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

void BM_SearchAndFillResults(benchmark::State& state) {
    ResultsFixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fixture.form->btnNewQueryClick();
        fixture.form->btnSearchClick();
        benchmark::DoNotOptimize(fixture.form->grdSpecs.RowCount());
    }
    state.counters["rows"] = fixture.form->grdSpecs.RowCount();
    state.counters["messages"] = fixture.services.Messages;
}
BENCHMARK(BM_SearchAndFillResults)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_RefillForCurrencyChange(benchmark::State& state) {
    ResultsFixture fixture(static_cast<int>(state.range(0)));
    fixture.form->btnSearchClick();
    for (auto _ : state) {
        fixture.form->FillSpecsGrid();
        benchmark::DoNotOptimize(fixture.form->grdSpecs.RowCount());
    }
    state.counters["rows"] = fixture.form->grdSpecs.RowCount();
}
BENCHMARK(BM_RefillForCurrencyChange)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace dorvik::bench
BENCHMARK_MAIN();
