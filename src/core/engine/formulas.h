#pragma once
// The engineering formulas. Every computation without a value throws ComputationError naming the part
// number and the quantity; nothing returns NaN or infinity.
#include "core/catalogue/records.h"

#include <string_view>

namespace dorvik {

// The catalogue's conversion, kept to four decimals (1 m is 3.280840 ft) so that per-meter figures match
// the maker's printed tables.
inline constexpr double kFeetPerMeter = 3.2808;

// dB per 100 ft at the mid-band frequency (f1 + f2) / 2.
double Attenuation(const TTransmissionLine& line, double f1, double f2);
// dB over the length; feet clear means the length is in meters.
double CableLoss(const TTransmissionLine& line, bool feet, double length, double f1, double f2);
// The part number only names the line in an error message.
double ConnectorPairLoss(double f1, double f2, std::string_view partNumber = {});
double InsertionLoss(const TTransmissionLine& line, bool feet, double length, double f1, double f2);
// Percent, never above 100: a negative insertion loss throws.
double Efficiency(const TTransmissionLine& line, bool feet, double length, double f1, double f2);
// kW, capped by the peak power.
double AveragePower(const TTransmissionLine& line, double f1, double f2);
// The factor that multiplies the average power; the part number only names the line in an error message.
double VswrDeratingFactor(std::string_view cableType, double vswr, double f1, double f2,
                          long double deratingParameter, std::string_view partNumber = {});
double DeratingPolynomial(double phi, double c0, double c1, double c2, double c3);

} // namespace dorvik
