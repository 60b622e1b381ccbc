#pragma once
// The engineering formulas. Every computation without a value throws ComputationError naming the part
// number and the quantity; nothing returns NaN or infinity.
#include "core/catalogue/records.h"
#include "core/engine/quantities.h"

#include <string_view>

namespace dorvik {

// Each figure over a band is the figure at its mid-band frequency.

// dB per 100 ft.
double Attenuation(const TTransmissionLine& line, FrequencyBand band);
// dB over the run.
double CableLoss(const TTransmissionLine& line, RunLength run, FrequencyBand band);
// The part number only names the line in an error message.
double ConnectorPairLoss(FrequencyBand band, std::string_view partNumber = {});
double InsertionLoss(const TTransmissionLine& line, RunLength run, FrequencyBand band);
// Percent, never above 100: a negative insertion loss throws.
double Efficiency(const TTransmissionLine& line, RunLength run, FrequencyBand band);
// kW, capped by the peak power.
double AveragePower(const TTransmissionLine& line, FrequencyBand band);
// The factor that multiplies the average power; the part number only names the line in an error message.
double VswrDeratingFactor(std::string_view cableType, double vswr, FrequencyBand band,
                          long double deratingParameter, std::string_view partNumber = {});
double DeratingPolynomial(double phi, double c0, double c1, double c2, double c3);

} // namespace dorvik
