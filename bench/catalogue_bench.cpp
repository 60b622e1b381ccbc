// Loading a large catalogue and price list from disk, and a search with every filter on and the price lookups
// of its hits: by one pass over the price list per search, and by an index of the whole list made once. Run a
// Release build; the figures to watch are the times and the counter peak_to_files (peak resident memory of
// the process over the size of the two files).
#include "catalogue_generator.h"

#include "core/catalogue/catalogue_loader.h"
#include "core/catalogue/hit_prices.h"
#include "core/catalogue/price_list.h"
#include "core/engine/search.h"
#include "core/text/file_bytes.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace dorvik::bench {
namespace {

struct Loaded {
    LoadedCatalogue Catalogue;
    PriceList Prices;
};

// As the programs load them: each file in one block, the catalogue's records as views into it.
LoadedCatalogue LoadCatalogueFile(const std::filesystem::path& path, FileBytes::Access access) {
    return LoadCatalogue(FileBytes::Read(path, access), '.');
}

Loaded LoadFiles(const GeneratedFiles& files, FileBytes::Access access = FileBytes::Access::Copy) {
    return {LoadCatalogueFile(files.Catalogue, access),
            PriceList(FileBytes::Read(files.PriceList, access), '.')};
}

double PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0; // kilobytes on Linux
}

void LoadAll(benchmark::State& state, const GeneratedFiles& files, FileBytes::Access access) {
    std::size_t lines = 0;
    for (auto _ : state) {
        const Loaded loaded = LoadFiles(files, access);
        lines = loaded.Catalogue.Lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["records"] = static_cast<double>(lines);
    state.counters["files_MB"] = static_cast<double>(files.Bytes) / 1e6;
    state.counters["peak_rss_MB"] = PeakResidentBytes() / 1e6;
    state.counters["peak_to_files"] = PeakResidentBytes() / static_cast<double>(files.Bytes);
}

void LoadCatalogueOnly(benchmark::State& state, const GeneratedFiles& files) {
    for (auto _ : state) {
        const auto loaded = LoadCatalogueFile(files.Catalogue, FileBytes::Access::Copy);
        benchmark::DoNotOptimize(loaded.Lines.size());
    }
}

// What the first lookup not asked for first costs: the index of the whole list.
void IndexPriceList(benchmark::State& state, const GeneratedFiles& files) {
    for (auto _ : state) {
        const PriceList prices(FileBytes::Read(files.PriceList), '.');
        benchmark::DoNotOptimize(prices.FindPriceLine("not asked for"));
    }
}

// The search driver's work: the hit list, then description and price of every hit from the price list, which
// is passed once for the part numbers of the hits and their connectors; or, indexed, looked up in its index.
void SearchWithLookups(benchmark::State& state, const GeneratedFiles& files, bool indexed) {
    Loaded loaded = LoadFiles(files);
    if (indexed)
        loaded.Prices.FindPriceLine("not asked for");
    const SearchCriteria criteria = BenchmarkCriteria();
    std::size_t hits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PriceList prices = loaded.Prices; // without what the last round found
        state.ResumeTiming();
        const HitList found = SearchCatalogue(loaded.Catalogue.Lines, criteria);
        PreparePriceLookups(prices, found);
        for (TTransmissionLine* line : found) {
            if (const auto entry = prices.FindPriceLine(line->PartNumber)) {
                line->Description = entry->Description;
                line->ListPrice = entry->Price;
            }
        }
        hits = found.size();
        state.PauseTiming();
        for (TTransmissionLine* line : found)
            line->Description.clear(); // the next round looks them up again
        state.ResumeTiming();
    }
    state.counters["hits"] = static_cast<double>(hits);
}

// Price lookups of every connector part number of the hits, as the results page makes them line by line.
void ConnectorLookupsOfHits(benchmark::State& state, const GeneratedFiles& files) {
    Loaded loaded = LoadFiles(files);
    const HitList found = SearchCatalogue(loaded.Catalogue.Lines, BenchmarkCriteria());
    PreparePriceLookups(loaded.Prices, found);
    std::size_t lookups = 0;
    for (auto _ : state) {
        lookups = 0;
        for (const TTransmissionLine* line : found)
            for (const TConnector& connector : line->Connectors)
                for (const auto part : connector.PartNumbers()) {
                    benchmark::DoNotOptimize(loaded.Prices.FindPriceLine(part));
                    ++lookups;
                }
    }
    state.counters["lookups"] = static_cast<double>(lookups);
}

} // namespace
} // namespace dorvik::bench

int main(int argc, char** argv) {
    using namespace dorvik::bench;
    using dorvik::FileBytes;
    const auto folder = std::filesystem::temp_directory_path() / ("dorvik_bench_" + std::to_string(getpid()));
    const GeneratedFiles files = GenerateCatalogueFiles(folder);
    // Registered first, so that its peak-memory counter is not raised by the other benchmarks.
    benchmark::RegisterBenchmark("LoadCatalogueAndPriceList", LoadAll, files, FileBytes::Access::Copy)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadCatalogueAndPriceListMapped", LoadAll, files, FileBytes::Access::Map)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadCatalogue", LoadCatalogueOnly, files)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("IndexPriceList", IndexPriceList, files)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SearchWithPriceLookups", SearchWithLookups, files, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SearchWithIndexedPriceLookups", SearchWithLookups, files, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ConnectorPriceLookupsOfHits", ConnectorLookupsOfHits, files)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
