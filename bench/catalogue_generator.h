#pragma once
// Large catalogue and price files for the benchmarks, written straight to disk so that making them costs
// little memory (the load benchmarks measure the process's peak memory).
#include "core/engine/search.h"

#include <cstdint>
#include <filesystem>

namespace dorvik::bench {

struct GeneratorPlan {
    int TransmissionLines = 10'000;
    int ConnectorsPerLine = 10; // catalogue lines per transmission line
    int PriceLines = 1'000'000; // every line and connector part number, then filler part numbers
    std::uint32_t Seed = 20240611;
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
