// dorvik-query writes its results as it makes them; what it writes stays what the whole result would be.
#include "tool_runner.h"

namespace dorvik::testing {
namespace {

class QueryToolStreamingTest : public QueryToolTest {
protected:
    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        const auto path = folder.Path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    ToolResult Json(const std::string& prices) {
        const auto catalogue = Write(
            "catalogue.dat", "header\r\n"
                             "800|1000|A|X-1|FOAM|x|1.0|0.1|0.001|40|10|N Male|0|0|0|0|NOPRICE-1|||||\r\n"
                             "800|1000|A|X-2|FOAM|x|1.0|0.1|0.001|40|10|N Male|0|0|0|0|NOPRICE-2|||||\r\n"
                             "800|1000|A|X-2|FOAM|x|1.0|0.1|0.001|40|10|N Female|0|0|0|0|PRICED-1|||||\r\n");
        return Run({"--catalogue", catalogue.string(), "--prices", Write("M_lom.dat", prices).string(),
                    "--format", "json", Data("band_800_1000.dvk")});
    }
};

// The price heading of the part-number grid is set by the first part number that has a price line, wherever
// it stands; the headings are written before the connectors, and still read as after every row.
TEST_F(QueryToolStreamingTest, ConnectorHeadingsAreThoseAfterEveryRowWasRead) {
    const auto priced = Json("C|1|PRICED-1|x|priced part|7|\r\n");
    ASSERT_EQ(priced.status, 0) << priced.err;
    EXPECT_NE(priced.out.find("\"connector_headings\": [\"Part Number\", \"Description\", \"Price (USD)\"]"),
              std::string::npos);
    EXPECT_NE(priced.out.find("{\"part_number\": \"PRICED-1\", \"description\": \"priced part\", "
                              "\"price\": \"USD 7.00\"}"),
              std::string::npos);
    // Connectors listed in row order, each row once.
    EXPECT_LT(priced.out.find("NOPRICE-1"), priced.out.find("NOPRICE-2"));
    EXPECT_EQ(priced.out.find("NOPRICE-1"), priced.out.rfind("NOPRICE-1"));

    const auto unpriced = Json("C|1|OTHER|x|other part|7|\r\n");
    ASSERT_EQ(unpriced.status, 0) << unpriced.err;
    EXPECT_NE(
        unpriced.out.find("\"connector_headings\": [\"Part Number\", \"Description\", \"Price ($US)\"]"),
        std::string::npos);
}

} // namespace
} // namespace dorvik::testing
