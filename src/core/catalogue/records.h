#pragma once
// The catalogue's record classes: one transmission line with its fitting connectors, and the catalogue that
// holds them. Records keep their texts as views into blocks the catalogue owns (the file as read), and all
// connectors sit in one array: a catalogue is a few blocks, not a few allocations per line.
#include "core/text/file_bytes.h"
#include "core/text/large_memory.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

class TConnector {
public:
    std::string_view ConnectorName;
    std::array<double, 4> ConnectorNumbers{}; // stored as read, used by nothing
    // Fields 17 to 22 as they stand, each with its '|': the part numbers are its non-empty fields.
    std::string_view PartNumberFields;

    std::int32_t PartNumberCount() const;
    // Throws std::out_of_range past the last part number.
    std::string_view PartNumberAt(std::int32_t index) const;
    // The non-empty part-number fields, in field order.
    std::vector<std::string_view> PartNumbers() const;

    template <typename Visit> void ForEachPartNumber(Visit&& visit) const {
        std::string_view rest = PartNumberFields;
        for (auto bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
            if (bar > 0)
                visit(rest.substr(0, bar));
            rest.remove_prefix(bar + 1);
        }
    }
};

class TTransmissionLine {
public:
    double LowFrequency = 0;  // MHz
    double HighFrequency = 0; // MHz
    std::string_view AuxText1;
    std::string_view PartNumber;
    std::string_view CableType; // "AIR", "FOAM", "EW"; compared as stored by the formulas
    std::string_view AuxText2;
    long double DeratingParameter = 0;
    double AttenuationK1 = 0; // coax: coefficient of sqrt(f); waveguide: cutoff frequency, MHz
    double AttenuationK2 = 0; // coax: coefficient of f; waveguide: attenuation scale
    double PeakPower = 0;     // kW
    double AveragePowerConstant = 0;
    std::string Description; // attached from the price list; empty until then
    double ListPrice = 0;    // US dollars per foot
    bool UserLine = false;   // from the user's own catalogue, not the maker's

    std::int32_t ConnectorCount() const { return static_cast<std::int32_t>(Connectors.size()); }
    const TConnector& ConnectorAt(std::int32_t index) const;

    std::span<const TConnector> Connectors; // in the catalogue's array of connectors
};

// The lines of a search result, in catalogue order; owns nothing.
using HitList = std::vector<TTransmissionLine*>;

// All lines in file order, with their connectors and the blocks their texts view. Moving a catalogue keeps
// every record where it is, so hit lists stay valid; it is built once and then only read (and given prices).
class Catalogue {
public:
    Catalogue() = default;
    Catalogue(Catalogue&&) noexcept = default;
    Catalogue& operator=(Catalogue&&) noexcept = default;
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    TTransmissionLine& operator[](std::size_t index) { return lines_.at(index); }
    const TTransmissionLine& operator[](std::size_t index) const { return lines_.at(index); }
    auto begin() { return lines_.begin(); }
    auto end() { return lines_.end(); }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }
    void clear() { *this = Catalogue(); }
    // Every line, writable as a hit list's lines are: the search attaches prices to them.
    HitList AllLines() const;

    // Building. The texts of what is added must view a block the catalogue keeps (or static storage).
    void KeepBlock(FileBytes block) { blocks_.push_back(std::move(block)); }
    // A copy of the text in a block of the catalogue's own, for records made by hand.
    std::string_view KeepText(std::string_view text);
    void ReserveConnectors(std::size_t count) { connectors_.reserve(count); }
    TTransmissionLine& AddLine(TTransmissionLine line);
    // To the last line added.
    void AddConnector(const TConnector& connector);

private:
    std::vector<TTransmissionLine, LargeAllocator<TTransmissionLine>> lines_;
    std::vector<TConnector, LargeAllocator<TConnector>> connectors_;
    std::vector<std::uint32_t, LargeAllocator<std::uint32_t>> firstConnector_; // of each line, in connectors_
    std::vector<FileBytes> blocks_;
};

} // namespace dorvik
