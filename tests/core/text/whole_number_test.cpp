#include "core/text/whole_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dorvik {
namespace {

TEST(WholeNumber, DecimalAndHexadecimal) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {{"30", 30},
                                                                           {" 45 ", 45},
                                                                           {"-5", -5},
                                                                           {"+7", 7},
                                                                           {"0x1F", 31},
                                                                           {"0X1f", 31},
                                                                           {"-0x10", -16},
                                                                           {"007", 7},
                                                                           {"2147483647", 2147483647},
                                                                           {"-2147483648", -2147483647 - 1},
                                                                           {"2147483648", std::nullopt},
                                                                           {"0x80000000", std::nullopt},
                                                                           {"", std::nullopt},
                                                                           {"-", std::nullopt},
                                                                           {"0x", std::nullopt},
                                                                           {"1.5", std::nullopt},
                                                                           {"12a", std::nullopt},
                                                                           {"0x-1", std::nullopt},
                                                                           {"--1", std::nullopt},
                                                                           {"1 2", std::nullopt},
                                                                           {"$10", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(TryReadWholeNumber(text), expected) << '"' << text << '"';
}

} // namespace
} // namespace dorvik
