#pragma once
// Builds catalogue lines of 22 "|"-terminated fields for the loader and search tests.
#include <array>
#include <string>

namespace dorvik::testing {

struct Row {
    std::string Low = "800";
    std::string High = "960";
    std::string Aux1 = "1/2 in";
    std::string Part = "VF4-50";
    std::string Type = "FOAM";
    std::string Aux2 = "Foam Coax";
    std::string Derating = "0.5";
    std::string K1 = "0.1";
    std::string K2 = "0.001";
    std::string PowerConstant = "40";
    std::string Peak = "10";
    std::string Connector = "N Male";
    std::array<std::string, 4> Numbers{"1.05", "0.05", "0", "0"};
    std::array<std::string, 6> Parts{"V4NM", "", "", "", "", ""};

    std::string Text() const {
        std::string out;
        for (const auto* field : {&Low, &High, &Aux1, &Part, &Type, &Aux2, &Derating, &K1, &K2,
                                  &PowerConstant, &Peak, &Connector})
            out += *field + "|";
        for (const auto& n : Numbers)
            out += n + "|";
        for (const auto& p : Parts)
            out += p + "|";
        return out;
    }
};

inline std::string Header() {
    return "Low|High|Size|PartNumber|Type|Family|Derating|K1|K2|AvgConst|Peak|Connector|N1|N2|N3|N4|P1|P2|P3|"
           "P4|"
           "P5|P6|";
}

} // namespace dorvik::testing
