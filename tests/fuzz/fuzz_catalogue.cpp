// The catalogue with its search and formulas. Properties: loading never throws; every data line is either in
// a record or named as a problem; band-edge lists are distinct and ascending by the values kept beside their
// texts; connector names are distinct ignoring letter case and in alphabetical order; a search over the
// catalogue's own bands fails only with a computation error, and every figure of a hit either has a value or
// fails with one.
#include "core/catalogue/catalogue_loader.h"
#include "core/engine/formulas.h"
#include "core/engine/search.h"
#include "core/errors.h"
#include "core/text/collation.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using namespace dorvik;
using fuzz::Require;

namespace {

void CheckLists(const LoadedCatalogue& loaded) {
    for (const auto* list : {&loaded.BeginFrequencyList, &loaded.EndFrequencyList}) {
        for (std::size_t i = 1; i < list->size(); ++i) {
            Require((*list)[i - 1].Value <= (*list)[i].Value, "band edges ascend by value");
            Require(!SameTextIgnoreCase((*list)[i - 1].Text, (*list)[i].Text), "band edges are distinct");
        }
    }
    const auto& names = loaded.ConnectorNameList;
    for (std::size_t i = 1; i < names.size(); ++i)
        Require(CompareTextIgnoreCase(names[i - 1], names[i]) < 0, "connector names are distinct and sorted");
}

// Every figure the results page shows for a line, each either a value or a computation error.
void Figures(const TTransmissionLine& line, const SearchCriteria& c) {
    const std::vector<std::function<double()>> figures{
        [&] { return Attenuation(line, c.Band); },
        [&] { return InsertionLoss(line, c.Length, c.Band); },
        [&] { return Efficiency(line, c.Length, c.Band); },
        [&] { return AveragePower(line, c.Band); },
        [&] { return VswrDeratingFactor(line.CableType, 1.3, c.Band, line.DeratingParameter); },
    };
    for (const auto& figure : figures) {
        try {
            const double value = figure();
            Require(std::isfinite(value), "a figure has a finite value");
            FormatFixed2(value, '.');
        } catch (const ComputationError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::AsText(data, size);
    const char separator = size > 0 && (data[0] & 1) ? ',' : '.';
    const auto lines = SplitLines(text);
    const auto loaded = LoadCatalogue(lines, separator, "fuzz.dat");
    std::size_t dataLines = 0;
    for (std::size_t i = 1; i < lines.size(); ++i)
        dataLines += Trim(lines[i]).empty() ? 0 : 1;
    std::size_t connectors = 0;
    for (const auto& line : loaded.Lines) {
        Require(line.ConnectorCount() >= 1, "a record has its first line's connector");
        connectors += static_cast<std::size_t>(line.ConnectorCount());
    }
    Require(connectors + loaded.Problems.size() == dataLines, "each data line is in a record or a problem");
    CheckLists(loaded);

    // Searches over the bands of the first records, as the query page would pick them.
    for (std::size_t i = 0; i < std::min<std::size_t>(loaded.Lines.size(), 3); ++i) {
        const auto& line = loaded.Lines[i];
        SearchCriteria criteria;
        criteria.Band = {line.LowFrequency, line.HighFrequency};
        criteria.Length = {static_cast<double>(i * 50 + 1), i % 2 ? LengthUnit::Feet : LengthUnit::Meters};
        criteria.MaxLoss = 3;
        criteria.ByFrequency = true;
        criteria.ByLoss = i != 1;
        criteria.ByConnector1 = true;
        criteria.ConnectorName1 = line.ConnectorAt(0).ConnectorName;
        criteria.Air = criteria.Foam = criteria.Waveguide = true;
        try {
            const auto hits = SearchCatalogue(loaded.Lines, criteria);
            for (const auto* hit : hits)
                Figures(*hit, criteria);
        } catch (const ComputationError&) {
        }
        Require(FindByPartNumber(loaded.Lines, line.PartNumber).size() >= 1,
                "a record is found by its part number");
    }
    return 0;
}
