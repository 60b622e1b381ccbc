#pragma once
// The catalogue's record classes: one transmission line with its fitting connectors.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dorvik {

class TConnector {
public:
    std::string ConnectorName;
    std::array<long double, 4> ConnectorNumbers{}; // stored as read, used by nothing

    void AddPartNumber(std::string partNumber) { PartNumbers.push_back(std::move(partNumber)); }
    std::int32_t PartNumberCount() const { return static_cast<std::int32_t>(PartNumbers.size()); }
    const std::string& PartNumberAt(std::int32_t index) const {
        return PartNumbers.at(static_cast<std::size_t>(index));
    }

    std::vector<std::string> PartNumbers; // the non-empty part-number fields, in field order
};

class TTransmissionLine {
public:
    double LowFrequency = 0;  // MHz
    double HighFrequency = 0; // MHz
    std::string AuxText1;
    std::string PartNumber;
    std::string CableType; // "AIR", "FOAM", "EW"; compared as stored by the formulas
    std::string AuxText2;
    long double DeratingParameter = 0;
    double AttenuationK1 = 0; // coax: coefficient of sqrt(f); waveguide: cutoff frequency, MHz
    double AttenuationK2 = 0; // coax: coefficient of f; waveguide: attenuation scale
    double PeakPower = 0;     // kW
    double AveragePowerConstant = 0;
    std::string Description; // attached from the price list; empty until then
    double ListPrice = 0;    // US dollars per foot

    void AddConnector(TConnector connector) { Connectors.push_back(std::move(connector)); }
    std::int32_t ConnectorCount() const { return static_cast<std::int32_t>(Connectors.size()); }
    const TConnector& ConnectorAt(std::int32_t index) const {
        return Connectors.at(static_cast<std::size_t>(index));
    }

    std::vector<TConnector> Connectors;
};

// All lines in file order; owns them. Lines are held by unique_ptr so hit lists can refer to them stably.
using Catalogue = std::vector<std::unique_ptr<TTransmissionLine>>;

// The lines of a search result, in catalogue order; owns nothing.
using HitList = std::vector<TTransmissionLine*>;

} // namespace dorvik
