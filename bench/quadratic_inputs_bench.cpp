// The four inputs that once took quadratic time: a catalogue of distinct connector names in descending order,
// one of distinct band edges in descending order, a query file with 100,000 keys, and a settings file with
// 100,000 values under one key. Each must stay under a second at 100,000 (O(n log n) or better); the
// ascending orders are the linear controls.
#include "core/catalogue/catalogue_loader.h"
#include "core/store/profile_file.h"
#include "core/store/registry_file_store.h"
#include "core/store/settings_store.h"
#include "core/text/text_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace dorvik::bench {
namespace {

constexpr const char* kHeader =
    "Low|High|Aux|Part|Type|Aux2|Der|K1|K2|Avg|Peak|Connector|n1|n2|n3|n4|p1|p2|p3|p4|p5|p6|";

enum class Order { Descending, Ascending };

std::vector<std::string> ConnectorNames(std::int64_t count, Order order) {
    std::vector<std::string> lines{kHeader};
    char buffer[160];
    for (std::int64_t i = 0; i < count; ++i) {
        const auto n = order == Order::Descending ? count - i : i + 1;
        std::snprintf(buffer, sizeof buffer,
                      "800|1000|A|TC-100|FOAM|x|1.0|0.1|0.001|40|10|C%07lld|0|0|0|0|NM-1||||||",
                      static_cast<long long>(n));
        lines.emplace_back(buffer);
    }
    return lines;
}

std::vector<std::string> BandEdges(std::int64_t count, Order order) {
    std::vector<std::string> lines{kHeader};
    char buffer[160];
    for (std::int64_t i = 0; i < count; ++i) {
        const auto n = static_cast<long long>(order == Order::Descending ? count - i : i + 1);
        std::snprintf(buffer, sizeof buffer,
                      "%lld|%lld|A|P%lld|FOAM|x|1.0|0.1|0.001|40|10|N|0|0|0|0|NM-1||||||", n, 2'000'000 + n,
                      n);
        lines.emplace_back(buffer);
    }
    return lines;
}

void LoadLines(benchmark::State& state, const std::vector<std::string>& lines) {
    for (auto _ : state) {
        const auto loaded = LoadCatalogue(lines, '.');
        benchmark::DoNotOptimize(loaded.ConnectorNameList.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}

void DistinctConnectorNames(benchmark::State& state, Order order) {
    LoadLines(state, ConnectorNames(state.range(0), order));
}

void DistinctBandEdges(benchmark::State& state, Order order) {
    LoadLines(state, BandEdges(state.range(0), order));
}

std::filesystem::path Scratch(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("dorvik-bench-" + std::to_string(::getpid()) + "-" + name);
}

// Opening a query file as the query page does: the section, then each of its fifteen keys.
void QueryFileWithManyKeys(benchmark::State& state) {
    const auto file = Scratch("keys.dvk");
    {
        std::ofstream out(file, std::ios::binary);
        out << "[data]\r\nBegFreq=824\r\nEndFreq=960\r\n";
        for (std::int64_t i = 0; i < state.range(0); ++i)
            out << 'K' << i << '=' << i << "\r\n";
    }
    for (auto _ : state) {
        const auto section = ReadIniSection("data", file);
        for (const char* key : {"BegFreq", "EndFreq", "C1", "C2", "MaxLoss", "Length", "VSWR", "Units",
                                "Foam", "Air", "Waveguide", "ByFreq", "ByLoss", "ByC1", "ByC2"})
            benchmark::DoNotOptimize(ReadValueOrDefault(section, key, "0"));
    }
    // Saving over it, as "Save Query Settings To File" does.
    const std::vector<std::string> entries{"BegFreq=1", "C1=N Male", "ByC2=False"};
    WriteIniSection(file, "data", entries);
    std::filesystem::remove(file);
}

// A program start: the settings file read, then the values the start-up reads.
void SettingsWithManyValues(benchmark::State& state) {
    const auto file = Scratch("registry.reg");
    {
        std::ofstream out(file, std::ios::binary);
        out << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings]\r\n";
        for (std::int64_t i = 0; i < state.range(0); ++i)
            out << "\"V" << i << "\"=\"" << i << "\"\r\n";
    }
    for (auto _ : state) {
        const RegistryFileStore store(file);
        for (const char* name : {"Save", "BeginningFrequency", "EndingFrequency", "MaxLoss", "Length", "VSWR",
                                 "Connector1", "Connector2", "Currency"})
            benchmark::DoNotOptimize(store.ReadValue(kSettingsKey, name));
    }
    std::filesystem::remove(file);
}

BENCHMARK_CAPTURE(DistinctConnectorNames, descending, Order::Descending)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DistinctConnectorNames, ascending, Order::Ascending)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DistinctBandEdges, descending, Order::Descending)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DistinctBandEdges, ascending, Order::Ascending)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(QueryFileWithManyKeys)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(SettingsWithManyValues)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace dorvik::bench
