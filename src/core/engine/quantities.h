#pragma once
// The frequency band and the run length that the formulas, the search and the chart take.

namespace dorvik {

// The catalogue's conversion, kept to four decimals (1 m is 3.280840 ft) so that per-meter figures match
// the maker's printed tables.
inline constexpr double kFeetPerMeter = 3.2808;

enum class LengthUnit { Feet, Meters };

// How many feet one of the unit is.
constexpr double FeetPer(LengthUnit unit) {
    return unit == LengthUnit::Feet ? 1.0 : kFeetPerMeter;
}

// "ft" or "m".
constexpr const char* UnitName(LengthUnit unit) {
    return unit == LengthUnit::Feet ? "ft" : "m";
}

// A band of frequencies in MHz; a single frequency is a band whose edges are equal.
struct FrequencyBand {
    double Low = 0, High = 0;
    // The frequency the formulas evaluate the band at.
    constexpr double Mid() const { return (Low + High) / 2; }
};

struct RunLength {
    double Value = 0;
    LengthUnit Unit = LengthUnit::Feet;
    // A length in feet is multiplied by exactly 1.0, so it comes back unchanged.
    constexpr double Feet() const { return Value * FeetPer(Unit); }
};

} // namespace dorvik
