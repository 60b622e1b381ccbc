#include "core/chart/log_axis.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace dorvik {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;

MATCHER(RelativelyNear, "") {
    return std::abs(std::get<0>(arg) - std::get<1>(arg)) <= 1e-9 * std::abs(std::get<1>(arg));
}

TEST(LogAxis, OneTwoFiveStepsSnappedOutward) {
    const LogAxis axis = MakeLogAxis(30, 3000);
    EXPECT_THAT(axis.Ticks,
                Pointwise(RelativelyNear(), std::vector<double>{20, 50, 100, 200, 500, 1000, 2000, 5000}));
    EXPECT_DOUBLE_EQ(axis.Low, 20);
    EXPECT_DOUBLE_EQ(axis.High, 5000);
    // Minor grid lines: the other integer steps, never a labelled one.
    EXPECT_THAT(axis.MinorTicks, ::testing::Contains(DoubleNear(30, 1e-9)));
    EXPECT_THAT(axis.MinorTicks, ::testing::Not(::testing::Contains(DoubleNear(50, 1e-9))));
}

TEST(LogAxis, ExactTicksAreKeptAsEnds) {
    const LogAxis axis = MakeLogAxis(1, 1000);
    EXPECT_DOUBLE_EQ(axis.Low, 1);
    EXPECT_DOUBLE_EQ(axis.High, 1000);
    const LogAxis small = MakeLogAxis(0.02, 0.5);
    EXPECT_THAT(small.Ticks, Pointwise(RelativelyNear(), std::vector<double>{0.02, 0.05, 0.1, 0.2, 0.5}));
}

TEST(LogAxis, ShortRangeUsesEveryStep) {
    // A waveguide band of 3.7 to 4.2 GHz lies between two 1-2-5 ticks: the integer steps label it.
    const LogAxis axis = MakeLogAxis(3700, 4200);
    EXPECT_THAT(axis.Ticks, Pointwise(RelativelyNear(), std::vector<double>{3000, 4000, 5000}));
}

TEST(LogAxis, DegenerateInput) {
    const LogAxis one = MakeLogAxis(100, 100);
    EXPECT_LT(one.Low, 100);
    EXPECT_GT(one.High, 100);
    const LogAxis bad = MakeLogAxis(0, -5);
    EXPECT_GT(bad.Low, 0);
    EXPECT_GT(bad.High, bad.Low);
    const LogAxis reversed = MakeLogAxis(1000, 10);
    EXPECT_DOUBLE_EQ(reversed.Low, 10);
    EXPECT_DOUBLE_EQ(reversed.High, 1000);
}

// Values near the ends of the doubles: finite ends with ticks, clamped to the range the axis can cover.
TEST(LogAxis, ExtremeValuesGiveFiniteTicks) {
    const std::pair<double, double> cases[] = {
        {1e308, 1e308}, {0.5, 5e307}, {4.9e-324, 4.9e-324}, {4.9e-324, 1e308}, {1e-310, 2}};
    for (const auto& [low, high] : cases) {
        const LogAxis axis = MakeLogAxis(low, high);
        ASSERT_GE(axis.Ticks.size(), 2U) << low << " " << high;
        EXPECT_GE(axis.Low, kLogAxisLowest / 10) << low << " " << high;
        EXPECT_LE(axis.High, kLogAxisHighest * 10) << low << " " << high;
        EXPECT_TRUE(std::isfinite(axis.Low) && std::isfinite(axis.High) && axis.Low < axis.High);
    }
}

} // namespace
} // namespace dorvik
