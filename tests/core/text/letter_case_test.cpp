#include "core/text/letter_case.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

TEST(LetterCaseTest, OnlyAsciiLettersChange) {
    // "Meters" and a Windows-1252 "é" (0xE9) / "É" (0xC9): the 8-bit letters stay as they are under any
    // locale.
    EXPECT_EQ(UpperCaseAscii("Meters az@[`{\xE9"), "METERS AZ@[`{\xE9");
    EXPECT_EQ(LowerCaseAscii("FEET AZ@[`{\xC9"), "feet az@[`{\xC9");
}

} // namespace
} // namespace dorvik
