#include "core/errors.h"
#include "report/text_pipeline.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace dorvik::testing {
namespace {

using report::PipelineField;
using report::TextPipeline;

TEST(TextPipelineTest, ReadsFieldsByPositionFromTheFieldList) {
    dorvik::testing::TempFolder folder;
    dorvik::testing::WriteBytes(folder / "data.dvk", "a|b|c 90\xB0|\r\nd||f|\r\n");
    TextPipeline pipeline('|', {{"First", 0, 10}, {"Third", 2, 150}, {"Beyond", 5, 10}});
    pipeline.SetFileName(folder / "data.dvk");
    pipeline.Open();
    ASSERT_TRUE(pipeline.IsOpen());
    ASSERT_EQ(pipeline.RecordCount(), 2);
    EXPECT_EQ(pipeline.Value(0, "First"), "a");
    EXPECT_EQ(pipeline.Value(0, "Third"), QString::fromUtf8("c 90\u00B0")) << "8-bit bytes decoded";
    EXPECT_EQ(pipeline.Value(1, "First"), "d");
    EXPECT_EQ(pipeline.Value(1, "Third"), "f");
    EXPECT_EQ(pipeline.Value(1, "Beyond"), "") << "a position the record lacks reads empty";
    EXPECT_THROW(pipeline.Value(0, "Second"), std::invalid_argument);

    pipeline.Close();
    EXPECT_FALSE(pipeline.IsOpen());
    EXPECT_EQ(pipeline.RecordCount(), 0);
    std::filesystem::remove(folder / "data.dvk"); // nothing holds the file
}

TEST(TextPipelineTest, CustomDelimiterAndValuesLongerThanTheirDeclaredLength) {
    dorvik::testing::TempFolder folder;
    dorvik::testing::WriteBytes(folder / "data.txt", "JPY 123456.78;x\n");
    TextPipeline pipeline(';', {{"Price", 0, 10}, {"Rest", 1, 10}});
    pipeline.SetFileName(folder / "data.txt");
    pipeline.Open();
    EXPECT_EQ(pipeline.Value(0, "Price"), "JPY 123456.78") << "a price is never cut";
    EXPECT_EQ(pipeline.Value(0, "Rest"), "x");
}

TEST(TextPipelineTest, MissingFileIsAnErrorNamingIt) {
    dorvik::testing::TempFolder folder;
    TextPipeline pipeline('|', {{"First", 0, 10}});
    pipeline.SetFileName(folder / "gone.dvk");
    try {
        pipeline.Open();
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("gone.dvk"), std::string::npos);
    }
    EXPECT_FALSE(pipeline.IsOpen());
}

} // namespace
} // namespace dorvik::testing
