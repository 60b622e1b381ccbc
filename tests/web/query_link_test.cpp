#include "web/json_writer.h"
#include "web/query_link.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dorvik::web {
namespace {

TEST(QueryFileOfFragment, EachDecodedPairOnALineOfItsOwn) {
    struct Case {
        std::string Fragment;
        std::optional<std::string> Expected;
    };
    const std::vector<Case> cases{
        {"#BegFreq=800&EndFreq=1000&ByFreq=True", "[data]\r\nBegFreq=800\r\nEndFreq=1000\r\nByFreq=True\r\n"},
        {"C1=7-16%20DIN%20Male&C2=N+Male&C3=", "[data]\r\nC1=7-16 DIN Male\r\nC2=N Male\r\nC3=\r\n"},
        // UTF-8 from the address becomes the data files' 8-bit characters.
        {"C1=Caf%C3%A9", "[data]\r\nC1=Caf\xE9\r\n"},
        {"VSWR=1%2C3&MaxLoss=a%3Db", "[data]\r\nVSWR=1,3\r\nMaxLoss=a=b\r\n"},
        // A pair that would add a line, a section or a key of its own is left out.
        {"C1=a%0D%0A%5Bother%5D&Length=5", "[data]\r\nLength=5\r\n"},
        {"C1=a%0Ab&X%0AY=1&%5Bdata%5D=1&=5&bare&%ZZ=1&Air=%4&A%00=1", std::nullopt},
        {"", std::nullopt},
        {"#", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Fragment);
        EXPECT_EQ(QueryFileOfFragment(c.Fragment), c.Expected);
    }
}

TEST(UnreadablePairs, NamesEachPairThatWouldBeReadAsSomethingElse) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"#BegFreq=8%2G4&EndFreq=960", {"BegFreq=8%2G4"}},
        {"C1=%E0%A4%A&C2=N+Male&bare", {"C1=%E0%A4%A"}},
        {"C1=a%0Ab&%5Bdata%5D=1&=5", {"C1=a%0Ab", "%5Bdata%5D=1", "=5"}},
        {"#BegFreq=800&C1=7-16%20DIN", {}},
    };
    for (const auto& [fragment, expected] : cases)
        EXPECT_EQ(UnreadablePairs(fragment), expected) << fragment;
}

TEST(JsonWriter, EscapesTextAndSeparatesNestedValues) {
    JsonWriter json;
    json.BeginObject()
        .Field("text", std::string("a\"b\\c\r\n\x01"))
        .Field("n", -12)
        .Field("yes", true)
        .Key("list")
        .BeginArray()
        .String("x")
        .BeginObject()
        .EndObject()
        .BeginArray()
        .EndArray()
        .Number(3)
        .EndArray()
        .Field("after", std::string("\xC3\xA9"))
        .EndObject();
    EXPECT_EQ(json.Text(),
              R"({"text":"a\"b\\c\u000d\u000a\u0001","n":-12,"yes":true,"list":["x",{},[],3],"after":")"
              "\xC3\xA9\"}");
}

} // namespace
} // namespace dorvik::web
