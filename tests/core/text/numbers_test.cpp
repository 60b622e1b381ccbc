#include "core/text/numbers.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace dorvik {
namespace {

struct ReadCase {
    std::string Text;
    char Separator;
    bool AlsoPoint;
    std::optional<double> Expected;
};

TEST(TryReadNumber, FollowsTheNumberRule) {
    const std::string zeros(400, '0');
    const std::vector<ReadCase> cases{
        {"0", '.', false, 0},
        {"12", '.', false, 12},
        {"-12.5", '.', false, -12.5},
        {"+3", '.', false, 3},
        {"  7  ", '.', false, 7},
        {"1.", '.', false, 1},
        {".5", '.', false, 0.5},
        {"-.5", '.', false, -0.5},
        {"1e3", '.', false, 1000},
        {"1E-2", '.', false, 0.01},
        {"2.5e+2", '.', false, 250},
        {"1e", '.', false, 1},
        {"007.50", '.', false, 7.5},
        {"2,5", ',', false, 2.5},
        {"2.5", ',', false, std::nullopt},
        {"2.5", ',', true, 2.5},
        {"2,5", '.', true, std::nullopt},
        {"", '.', false, std::nullopt},
        {"   ", '.', false, std::nullopt},
        {"-", '.', false, std::nullopt},
        {"+", '.', false, std::nullopt},
        {"e5", '.', false, std::nullopt},
        {"1,000.5", '.', false, std::nullopt},
        {"1 000", '.', false, std::nullopt},
        {"\t1", '.', false, std::nullopt},
        {"1\r", '.', false, std::nullopt},
        {"0x10", '.', false, std::nullopt},
        {"inf", '.', false, std::nullopt},
        {"nan", '.', false, std::nullopt},
        {"--1", '.', false, std::nullopt},
        {"1-", '.', false, std::nullopt},
        {"1e5.5", '.', false, std::nullopt},
        {"1.2.3", '.', false, std::nullopt},
        {"12abc", '.', false, std::nullopt},
        {"1e400", '.', false, std::nullopt},
        {"1e-400", '.', false, 0},
        {"1e-99999999999", '.', false, 0},
        {"1" + zeros, '.', false, std::nullopt},
        {"1" + zeros + "e-1", '.', false, std::nullopt},
        {"1" + zeros + "e-390", '.', false, 1e10},
        {"0." + zeros + "1e300", '.', false, 1e-101},
        {"0." + zeros + "1", '.', false, 0},
        {"1.7976931348623157e308", '.', false, std::numeric_limits<double>::max()},
        {"1.79769313486232e+308", '.', false, std::nullopt}, // rounds above the largest double
        // Exponents of any length saturate instead of being cut: the place of the first digit decides.
        {"0." + std::string(99999, '0') + "1e1000000", '.', false, std::nullopt},
        {"1" + std::string(200000, '0') + "e-1234567", '.', false, 0},
        {"0." + std::string(99999, '0') + "1e100005", '.', false, 1e5},
        {"1" + std::string(200000, '0') + "e-199998", '.', false, 100},
        {"1e99999999999999999999999999", '.', false, std::nullopt},
        {"1e-99999999999999999999999999", '.', false, 0},
        {"0e99999999999999999999999999", '.', false, 0},
        {"4.9e-324", '.', false, 4.9e-324},
        {"2e-324", '.', false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.Text.substr(0, 40) + "' separator " + c.Separator);
        const auto value = TryReadNumber(c.Text, c.Separator, c.AlsoPoint);
        ASSERT_EQ(value.has_value(), c.Expected.has_value());
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.Expected);
        }
    }
}

// Plain decimals are read at once; with an exponent the same digits take the general reading: both give the
// same double, to the last bit, at every length around the limit of the quick reading.
TEST(TryReadNumber, PlainDecimalsReadAsTheGeneralReadingDoes) {
    for (const std::string text :
         {"0", "0.05", "1.05", "9007199254740993", "0.1000000000000000055511151231257827",
          "123456789012345678901234567890.1", "123456789012345678901234567890.12",
          "1234567890123456789012345678901.23", "0.30000000000000001665334536937734810635"}) {
        SCOPED_TRACE(text);
        const auto plain = TryReadNumber(text, '.', false);
        const auto general = TryReadNumber(text + "e0", '.', false);
        ASSERT_TRUE(plain && general);
        EXPECT_EQ(*plain, *general);
    }
}

TEST(ReadNumber, ThrowsTheConversionErrorNamingTheText) {
    EXPECT_EQ(ReadNumber("4,25", ','), 4.25);
    try {
        ReadNumber(" 12a", '.');
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "' 12a' is not a valid floating point value");
        EXPECT_EQ(error.Text(), " 12a");
    }
}

TEST(ReadNumber, QuotesALongTextCutToAReadableLength) {
    const std::string field = "12" + std::string(5'000'000, 'x');
    try {
        ReadNumber(field, '.');
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        const std::string message = error.what();
        EXPECT_LT(message.size(), 120U);
        EXPECT_EQ(message, "'12" + std::string(58, 'x') + "...' is not a valid floating point value");
    }
    // 60 bytes are quoted whole; a cut never splits a UTF-8 character.
    const std::string sixty(60, '7');
    EXPECT_EQ(QuotedExcerpt(sixty + "x"), sixty + "...");
    EXPECT_EQ(QuotedExcerpt(sixty), sixty);
    EXPECT_EQ(QuotedExcerpt(std::string(59, 'a') + "\xC3\xA9zzz"), std::string(59, 'a') + "...");
}

TEST(ParseNumberOrDefault, FallsBackToTheDefaultAndNeverFails) {
    EXPECT_EQ(ParseNumberOrDefault("", "0", '.'), 0);
    EXPECT_EQ(ParseNumberOrDefault("abc", "0", '.'), 0);
    EXPECT_EQ(ParseNumberOrDefault("2.5", "0", '.'), 2.5);
    EXPECT_EQ(ParseNumberOrDefault("", "7", '.'), 7);
    EXPECT_EQ(ParseNumberOrDefault("x", "y", '.'), 0);
    EXPECT_EQ(ParseNumberOrDefault("2.5", "0", ',', true), 2.5);
    EXPECT_EQ(ParseNumberOrDefault("2.5", "1", ','), 1);
}

TEST(FormatFixed2, TwoDecimalsHalvesAwayFromZero) {
    struct Case {
        double Value;
        char Separator;
        const char* Expected;
    };
    const std::vector<Case> cases{
        {0, '.', "0.00"},
        {0.125, '.', "0.13"}, // exact tie
        {-0.125, '.', "-0.13"},
        {0.375, '.', "0.38"},
        {1.125, '.', "1.13"},
        {2.5, '.', "2.50"},
        {1.005, '.', "1.00"}, // just below the half in binary
        {2.675, '.', "2.67"},
        {0.015, '.', "0.01"},
        {0.005, '.', "0.01"}, // just above the half in binary
        {12.79512, '.', "12.80"},
        {65.616, '.', "65.62"},
        {39.858, '.', "39.86"},
        {1234567.891, '.', "1234567.89"},
        {3.5, ',', "3,50"},
        {-0.125, ',', "-0,13"},
        {1e21, '.', "1000000000000000000000.00"},
        {99.995, '.', "100.00"},
        {-99.995, '.', "-100.00"},
        // Exact ties far above 2^53 / 200, where value * 200 is no longer exact.
        {562949953421312.125, '.', "562949953421312.13"},
        {-562949953421312.125, '.', "-562949953421312.13"},
        {70368744177664.375, '.', "70368744177664.38"},
        {1125899906842623.875, ',', "1125899906842623,88"},
        {1125899906842623.625, '.', "1125899906842623.63"},
        {4503599627370495.5, '.', "4503599627370495.50"},
        {9007199254740993.0, '.', "9007199254740992.00"},
        // A value that rounds to zero never shows a sign.
        {-0.0, '.', "0.00"},
        {-0.004, '.', "0.00"},
        {-1e-300, ',', "0,00"},
        {-0.005, '.', "-0.01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FormatFixed2(c.Value, c.Separator), c.Expected);
    }
    EXPECT_THROW(FormatFixed2(std::nan(""), '.'), ComputationError);
    EXPECT_THROW(FormatFixed2(std::numeric_limits<double>::infinity(), '.'), ComputationError);
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        double Value;
        char Separator;
        const char* Expected;
    };
    const std::vector<Case> cases{
        {800, '.', "800"},
        {800.0, '.', "800"},
        {1.50, '.', "1.5"},
        {0.5, ',', "0,5"},
        {2700, ',', "2700"},
        {1.0 / 3, '.', "0.333333333333333"},
        {0.1 + 0.2, '.', "0.3"},
        {123456789012345, '.', "123456789012345"},
        {1e15, '.', "1e+15"},
        {0.0001, '.', "0.0001"},
        {0.00001, '.', "1e-05"},
        {1.5e-5, ',', "1,5e-05"},
        {-12.25, '.', "-12.25"},
        // Rounding that carries into a new digit, the extremes, and the sign of zero.
        {999999999999999.5, '.', "1e+15"},
        {1e300, '.', "1e+300"},
        {5e-324, '.', "4.94065645841247e-324"},
        {-0.0, '.', "-0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FormatGeneral(c.Value, c.Separator), c.Expected);
    }
    EXPECT_THROW(FormatGeneral(std::nan(""), '.'), ComputationError);
}

} // namespace
} // namespace dorvik
