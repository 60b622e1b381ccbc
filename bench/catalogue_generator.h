#pragma once
// Large catalogue and price files for the benchmarks, written straight to disk so that making them costs
// little memory (the load benchmarks measure the process's peak memory).
#include "core/engine/search.h"

#include <cstdint>
#include <filesystem>

namespace dorvik::bench {

// The order of the price lines after the list's header. A maker's shared list is rarely in catalogue order:
// it is sorted by part number (here with the catalogue's family after the accessories that fill most of it)
// or kept in no order a reader can use.
enum class PriceOrder { Catalogue, Sorted, Shuffled };

struct GeneratorPlan {
    int TransmissionLines = 10'000;
    int ConnectorsPerLine = 10; // catalogue lines per transmission line
    int PriceLines = 1'000'000; // every line and connector part number, then filler part numbers
    std::uint32_t Seed = 20240611;
    PriceOrder Order = PriceOrder::Catalogue;
};

struct GeneratedFiles {
    std::filesystem::path Catalogue; // Freq_TLine_Connectors.dat
    std::filesystem::path PriceList; // M_lom.dat
    std::uintmax_t Bytes = 0;        // both files together
};

GeneratedFiles GenerateCatalogueFiles(const std::filesystem::path& folder, const GeneratorPlan& plan = {});

// A query with every filter on that the generated catalogue answers with about 95 in 100 of its lines.
SearchCriteria BenchmarkCriteria();

} // namespace dorvik::bench
