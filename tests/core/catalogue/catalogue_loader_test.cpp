#include "core/catalogue/catalogue_loader.h"

#include "core/catalogue/catalogue_rows.h"
#include "core/errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

namespace dorvik {
namespace {

using dorvik::testing::Header;
using dorvik::testing::Row;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

Row Part(std::string part, std::string connector = "N Male") {
    Row row;
    row.Part = std::move(part);
    row.Connector = std::move(connector);
    return row;
}

std::vector<std::string> PartNumbers(const LoadedCatalogue& loaded) {
    std::vector<std::string> parts;
    for (const auto& line : loaded.Lines)
        parts.emplace_back(line.PartNumber);
    return parts;
}

TEST(ParseLine, ReadsFieldsOneToElevenAsTheyStand) {
    Row row;
    row.Low = "0.5";
    row.High = "2700.0";
    row.Aux1 = " 1/2 in ";
    row.Part = " VF4-50";
    row.Type = "Foam";
    row.Derating = "1.94";
    row.K1 = "0.0663";
    row.K2 = "2.4e-4";
    row.PowerConstant = "2.3";
    row.Peak = "40";
    PickList begin;
    PickList end;
    const std::string text = row.Text();
    const auto line = ParseLine(text, '.', begin, end);
    EXPECT_EQ(line->LowFrequency, 0.5);
    EXPECT_EQ(line->HighFrequency, 2700);
    EXPECT_EQ(line->AuxText1, " 1/2 in ");
    EXPECT_EQ(line->PartNumber, " VF4-50");
    EXPECT_EQ(line->CableType, "Foam");
    EXPECT_EQ(line->AuxText2, "Foam Coax");
    EXPECT_EQ(line->DeratingParameter, static_cast<long double>(1.94));
    EXPECT_EQ(line->AttenuationK1, 0.0663);
    EXPECT_EQ(line->AttenuationK2, 2.4e-4);
    EXPECT_EQ(line->AveragePowerConstant, 2.3); // field 10
    EXPECT_EQ(line->PeakPower, 40);             // field 11
    EXPECT_EQ(line->ConnectorCount(), 0);
    EXPECT_THAT(begin.Items(), ElementsAre("0.5"));
    EXPECT_THAT(end.Items(), ElementsAre("2700"));
}

TEST(ParseLine, BandEdgesUseTheLocaleSeparatorAndDataAlsoReadsPoint) {
    Row row;
    row.Low = "0,5";
    row.High = "1700.25";
    PickList begin;
    PickList end;
    const std::string text = row.Text();
    const auto line = ParseLine(text, ',', begin, end);
    EXPECT_EQ(line->LowFrequency, 0.5);
    EXPECT_EQ(line->HighFrequency, 1700.25);
    EXPECT_THAT(begin.Items(), ElementsAre("0,5"));
    EXPECT_THAT(end.Items(), ElementsAre("1700,25"));
}

TEST(ParseLine, ANumberThatDoesNotReadNamesItsTextAndAddsNoBandEdge) {
    Row row;
    row.K2 = "abc";
    PickList begin;
    PickList end;
    try {
        ParseLine(row.Text(), '.', begin, end);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_THAT(begin.Items(), IsEmpty());
    EXPECT_THAT(end.Items(), IsEmpty());
}

TEST(ParseConnector, KeepsTheNonEmptyPartNumbersInFieldOrder) {
    struct Case {
        std::array<std::string, 6> Parts;
        std::vector<std::string> Expected;
    };
    const std::vector<Case> cases{
        {{"", "", "", "", "", ""}, {}},
        {{"A", "B", "", "D", "", "F"}, {"A", "B", "D", "F"}},
        {{"A", "B", "C", "D", "E", "F"}, {"A", "B", "C", "D", "E", "F"}},
    };
    for (const auto& c : cases) {
        Row row;
        row.Parts = c.Parts;
        PickList names;
        const std::string text = row.Text();
        const auto connector = ParseConnector(text, '.', names);
        EXPECT_THAT(connector.PartNumbers(), ElementsAreArray(c.Expected));
        EXPECT_EQ(connector.PartNumberCount(), static_cast<int>(c.Expected.size()));
    }
}

TEST(ParseConnector, ReadsNameAndNumbers) {
    Row row;
    row.Connector = "";
    row.Numbers = {"1", "2,5", "-3", "4e1"};
    PickList names;
    const std::string text = row.Text();
    const auto connector = ParseConnector(text, ',', names);
    EXPECT_EQ(connector.ConnectorName, "");
    EXPECT_EQ(connector.ConnectorNumbers[0], 1);
    EXPECT_EQ(connector.ConnectorNumbers[1], 2.5);
    EXPECT_EQ(connector.ConnectorNumbers[2], -3);
    EXPECT_EQ(connector.ConnectorNumbers[3], 40);
    EXPECT_THAT(names.Items(), ElementsAre(""));
}

TEST(ParseConnector, ALastPartNumberWithoutItsBarReadsAsEmpty) {
    Row row;
    row.Parts = {"A", "B", "C", "D", "E", "F"};
    std::string text = row.Text();
    text.pop_back(); // "F" loses its terminating '|'
    PickList names;
    EXPECT_THAT(ParseConnector(text, '.', names).PartNumbers(), ElementsAre("A", "B", "C", "D", "E"));
}

TEST(LoadCatalogue, EmptyFileOrHeaderOnlyGivesAnEmptyCatalogue) {
    for (const auto& lines : {std::vector<std::string>{}, std::vector<std::string>{Header()}}) {
        const auto loaded = LoadCatalogue(lines, '.');
        EXPECT_THAT(loaded.Lines, IsEmpty());
        EXPECT_THAT(loaded.BeginFrequencyList, IsEmpty());
        EXPECT_THAT(loaded.EndFrequencyList, IsEmpty());
        EXPECT_THAT(loaded.ConnectorNameList, IsEmpty());
        EXPECT_THAT(loaded.Problems, IsEmpty());
    }
}

TEST(LoadCatalogue, AHeaderThatLooksLikeDataIsIgnored) {
    const auto loaded = LoadCatalogue({Part("HEADER").Text(), Part("VF4-50").Text()}, '.');
    EXPECT_THAT(PartNumbers(loaded), ElementsAre("VF4-50"));
}

TEST(LoadCatalogue, GroupsConsecutiveLinesOfOnePartNumber) {
    const auto loaded = LoadCatalogue({Header(), Part("A", "N Male").Text(), Part("A", "N Female").Text(),
                                       Part("B").Text(), Part("A", "7-16 DIN Male").Text()},
                                      '.');
    ASSERT_THAT(PartNumbers(loaded), ElementsAre("A", "B", "A"));
    EXPECT_EQ(loaded.Lines[0].ConnectorCount(), 2);
    EXPECT_EQ(loaded.Lines[0].ConnectorAt(1).ConnectorName, "N Female");
    EXPECT_EQ(loaded.Lines[1].ConnectorCount(), 1);
    EXPECT_EQ(loaded.Lines[2].ConnectorCount(), 1);
    EXPECT_EQ(loaded.Lines[2].ConnectorAt(0).ConnectorName, "7-16 DIN Male");
}

TEST(LoadCatalogue, FieldsOneToElevenComeFromTheFirstLineOfARun) {
    Row first = Part("A");
    Row second = Part("A", "N Female");
    second.Low = "1";
    second.K1 = "not read";
    const auto loaded = LoadCatalogue({Header(), first.Text(), second.Text()}, '.');
    ASSERT_EQ(loaded.Lines.size(), 1U);
    EXPECT_EQ(loaded.Lines[0].LowFrequency, 800);
    EXPECT_EQ(loaded.Lines[0].ConnectorCount(), 2);
    EXPECT_THAT(TextsOf(loaded.BeginFrequencyList), ElementsAre("800"));
    EXPECT_THAT(loaded.Problems, IsEmpty());
}

TEST(LoadCatalogue, APartNumberWithBlanksStartsARecordOnEveryLine) {
    const auto loaded = LoadCatalogue({Header(), Part(" A ").Text(), Part(" A ").Text()}, '.');
    EXPECT_THAT(PartNumbers(loaded), ElementsAre(" A ", " A "));
}

TEST(LoadCatalogue, FrequencyListsAreDistinctAndSortedByValue) {
    Row a = Part("A");
    a.Low = "800";
    a.High = "1900";
    Row b = Part("B");
    b.Low = "800.0";
    b.High = "450";
    Row c = Part("C");
    c.Low = "1900";
    c.High = "1900.00";
    Row d = Part("D");
    d.Low = "0.5";
    d.High = "10700";
    const auto loaded = LoadCatalogue({Header(), a.Text(), b.Text(), c.Text(), d.Text()}, '.');
    EXPECT_THAT(TextsOf(loaded.BeginFrequencyList), ElementsAre("0.5", "800", "1900"));
    EXPECT_THAT(TextsOf(loaded.EndFrequencyList), ElementsAre("450", "1900", "10700"));
}

TEST(LoadCatalogue, ConnectorNamesAreAlphabeticalAndTheFirstFormStays) {
    const auto loaded =
        LoadCatalogue({Header(), Part("A", "n male").Text(), Part("A", "7-16 DIN Female").Text(),
                       Part("B", "N Male").Text(), Part("B", "4.3-10 Male").Text()},
                      '.');
    EXPECT_THAT(loaded.ConnectorNameList, ElementsAre("4.3-10 Male", "7-16 DIN Female", "n male"));
}

TEST(LoadCatalogue, BlankLinesAreSkippedSilently) {
    const auto loaded =
        LoadCatalogue({Header(), Part("A").Text(), "", "  \t", Part("A", "N Female").Text()}, '.');
    ASSERT_THAT(PartNumbers(loaded), ElementsAre("A"));
    EXPECT_EQ(loaded.Lines[0].ConnectorCount(), 2);
    EXPECT_THAT(loaded.Problems, IsEmpty());
}

TEST(LoadCatalogue, ABadConnectorLineIsLeftOutAndTheRunGoesOn) {
    Row bad = Part("A", "N Female");
    bad.Numbers[2] = "x";
    const auto loaded = LoadCatalogue(
        {Header(), Part("A").Text(), bad.Text(), Part("A", "7-16 DIN Male").Text(), Part("B").Text()}, '.');
    ASSERT_THAT(PartNumbers(loaded), ElementsAre("A", "B"));
    EXPECT_EQ(loaded.Lines[0].ConnectorCount(), 2);
    EXPECT_EQ(loaded.Lines[0].ConnectorAt(1).ConnectorName, "7-16 DIN Male");
    EXPECT_THAT(loaded.ConnectorNameList, ElementsAre("7-16 DIN Male", "N Male"));
    EXPECT_THAT(loaded.Problems,
                ElementsAre("Freq_TLine_Connectors.dat, line 3: 'x' is not a valid floating point value"));
}

TEST(LoadCatalogue, ABadFirstLineLetsTheRunStartFromItsNextLineNotJoinThePreviousRecord) {
    Row bad = Part("B");
    bad.Peak = "abc";
    bad.Low = "1";
    Row bElse = Part("B", "N Female");
    const auto loaded = LoadCatalogue(
        {Header(), Part("A").Text(), bad.Text(), bElse.Text(), Part("A").Text()}, '.', "cat.dat");
    ASSERT_THAT(PartNumbers(loaded), ElementsAre("A", "B", "A"));
    EXPECT_EQ(loaded.Lines[0].ConnectorCount(), 1);
    EXPECT_EQ(loaded.Lines[1].ConnectorCount(), 1);
    EXPECT_EQ(loaded.Lines[1].ConnectorAt(0).ConnectorName, "N Female");
    EXPECT_EQ(loaded.Lines[2].ConnectorCount(), 1);
    // The left-out line's band edge (1) does not reach the pick list.
    EXPECT_THAT(TextsOf(loaded.BeginFrequencyList), ElementsAre("800"));
    EXPECT_THAT(loaded.Problems, ElementsAre("cat.dat, line 3: 'abc' is not a valid floating point value"));
}

TEST(LoadCatalogue, ALeftOutLineBetweenTwoRunsOfOnePartNumberKeepsThemApart) {
    Row bad = Part("B");
    bad.Derating = "";
    const auto loaded =
        LoadCatalogue({Header(), Part("A").Text(), bad.Text(), Part("A", "N Female").Text()}, '.');
    EXPECT_THAT(PartNumbers(loaded), ElementsAre("A", "A"));
    EXPECT_THAT(loaded.Problems,
                ElementsAre("Freq_TLine_Connectors.dat, line 3: '' is not a valid floating point value"));
}

TEST(LoadCatalogue, EveryBadLineIsReportedWithItsLineNumber) {
    Row bad1 = Part("A");
    bad1.Low = "8OO";
    Row bad2 = Part("B");
    bad2.High = "1,5";
    const auto loaded = LoadCatalogue({Header(), bad1.Text(), "", bad2.Text(), "not a catalogue line"}, '.');
    EXPECT_THAT(loaded.Lines, IsEmpty());
    EXPECT_THAT(loaded.Problems,
                ElementsAre("Freq_TLine_Connectors.dat, line 2: '8OO' is not a valid floating point value",
                            "Freq_TLine_Connectors.dat, line 4: '1,5' is not a valid floating point value",
                            "Freq_TLine_Connectors.dat, line 5: '' is not a valid floating point value"));
}

TEST(SortNumerically, SortsByTheKeptValueAndKeepsTheOrderOfEqualValues) {
    std::vector<PickEntry> list{{"1900", 1900}, {"a", 450}, {"1e3", 1000}, {"1000", 1000},
                                {"0,5", 0.5},   {"-2", -2}, {"x", 1000}};
    SortNumerically(list);
    EXPECT_THAT(TextsOf(list), ElementsAre("-2", "0,5", "a", "1e3", "1000", "x", "1900"));
}

TEST(LoadCatalogue, TheLargestDoubleAsABandEdgeLoadsAndSortsLast) {
    // Its general format rounds above the largest double and does not read back: the list keeps the value.
    Row huge = Part("H");
    huge.Low = "1.7976931348623157e308";
    huge.High = "1.7976931348623157e308";
    Row small = Part("S");
    small.Low = "-1e308";
    const auto loaded = LoadCatalogue({Header(), huge.Text(), Part("A").Text(), small.Text()}, '.');
    EXPECT_THAT(loaded.Problems, IsEmpty());
    EXPECT_THAT(PartNumbers(loaded), ElementsAre("H", "A", "S"));
    EXPECT_THAT(TextsOf(loaded.BeginFrequencyList), ElementsAre("-1e+308", "800", "1.79769313486232e+308"));
    EXPECT_EQ(loaded.BeginFrequencyList.back().Value, std::numeric_limits<double>::max());
    EXPECT_THAT(TextsOf(loaded.EndFrequencyList), ElementsAre("960", "1.79769313486232e+308"));
}

TEST(LoadCatalogue, EntriesCarryTheValueOfTheirText) {
    // 800.0000000000001 shows as 800: the entry stands for 800, as the query page reads it.
    Row a = Part("A");
    a.Low = "800.0000000000001";
    const auto loaded = LoadCatalogue({Header(), a.Text()}, ',');
    ASSERT_EQ(loaded.BeginFrequencyList.size(), 1U);
    EXPECT_EQ(loaded.BeginFrequencyList[0].Text, "800");
    EXPECT_EQ(loaded.BeginFrequencyList[0].Value, 800.0);
}

// The file's bytes as read: the records view them, and they stay where they are when the catalogue moves, as
// do its lines and connectors, so a hit list made before the move still reads them.
TEST(LoadCatalogue, RecordsOfTheFileStayValidWhenTheCatalogueMoves) {
    Row second = Part("B", "N Female");
    second.Parts = {"B1", "", "B3", "", "", "B6"};
    const std::string text = Header() + "\r\n" + Part("A").Text() + "\r\n" +
                             Part("A", "7-16 DIN Male").Text() + "\r\n" + second.Text() + "\n";
    auto loaded = LoadCatalogue(FileBytes(text), '.');
    const HitList hits = loaded.Lines.AllLines();
    const Catalogue moved = std::move(loaded.Lines);
    ASSERT_EQ(hits.size(), 2U);
    EXPECT_EQ(hits[0], &moved[0]);
    EXPECT_EQ(hits[0]->PartNumber, "A");
    ASSERT_EQ(hits[0]->ConnectorCount(), 2);
    EXPECT_EQ(hits[0]->ConnectorAt(1).ConnectorName, "7-16 DIN Male");
    EXPECT_EQ(hits[1]->ConnectorAt(0).ConnectorName, "N Female");
    EXPECT_THAT(hits[1]->ConnectorAt(0).PartNumbers(), ElementsAre("B1", "B3", "B6"));
    EXPECT_EQ(hits[1]->ConnectorAt(0).PartNumberAt(2), "B6");
    EXPECT_THROW(hits[1]->ConnectorAt(0).PartNumberAt(3), std::out_of_range);
    EXPECT_THROW(hits[1]->ConnectorAt(1), std::out_of_range);
}

TEST(LoadCatalogue, ConnectorNamesFoldEveryLetterOfTheCharacterSet) {
    // Windows-1252 bytes: \xC9 is E acute, \xE9 e acute, \xD6 O diaeresis, \xF6 o diaeresis.
    const auto loaded =
        LoadCatalogue({Header(), Part("A", "\xC9l").Text(), Part("A", "em").Text(), Part("A", "\xE9l").Text(),
                       Part("A", "el").Text(), Part("A", "EL").Text(), Part("A", "\xD6se").Text(),
                       Part("A", "\xF6SE").Text(), Part("A", "ela").Text()},
                      '.');
    EXPECT_THAT(loaded.ConnectorNameList, ElementsAre("el", "\xC9l", "ela", "em", "\xD6se"));
}

} // namespace
} // namespace dorvik
