// The order of the lines found and the cost of a run.
#include "core/engine/formulas.h"
#include "core/engine/search_result.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace dorvik {
namespace {

using ::testing::ElementsAreArray;

// Lines in catalogue order with the figures a sort reads, set by hand: a missing value is N/A.
struct Row {
    std::string_view Part;
    std::string_view Description;
    double Low, High;
    std::optional<double> Loss;
};

class SortTest : public ::testing::Test {
protected:
    SearchResult Result(const std::vector<Row>& rows) {
        SearchResult result;
        lines_.clear();
        lines_.reserve(rows.size());
        for (const Row& row : rows) {
            TTransmissionLine& line = lines_.emplace_back();
            line.PartNumber = row.Part;
            line.Description = std::string(row.Description);
            line.LowFrequency = row.Low;
            line.HighFrequency = row.High;
            LineResult& r = result.Lines.emplace_back();
            r.Line = &line;
            r.CatalogueIndex = result.Lines.size() - 1;
            r[Figure::InsertionLoss].Value = row.Loss;
        }
        return result;
    }
    static std::vector<std::string> Parts(const SearchResult& result) {
        std::vector<std::string> parts;
        for (const LineResult& line : result.Lines)
            parts.emplace_back(line.Line->PartNumber);
        return parts;
    }

private:
    std::vector<TTransmissionLine> lines_;
};

TEST_F(SortTest, NumbersTextsAndBandsWithNotApplicableLastAndTiesInCatalogueOrder) {
    const std::vector<Row> rows{{"b2", "ela", 800, 960, 2.5},       {"A1", "\xC9l", 700, 2000, std::nullopt},
                                {"c10", "el", 800, 900, 10.0},      {"a1", "zeta", 30, 3000, 2.5},
                                {"C9", "", 800, 900, std::nullopt}, {"b10", "Ela", 30, 100, 0.75}};
    struct Case {
        const char* sort;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        // Numbers as numbers (10 after 2.5), N/A last both ways, the 2.5 pair in catalogue order both ways.
        {"loss", {"b10", "b2", "a1", "c10", "A1", "C9"}},
        {"loss:desc", {"c10", "b2", "a1", "b10", "A1", "C9"}},
        // Letter case ignored, so "A1" and "a1" tie and keep catalogue order.
        {"part", {"A1", "a1", "b10", "b2", "c10", "C9"}},
        {"part:desc", {"C9", "c10", "b2", "b10", "A1", "a1"}},
        // An empty text is a value; an accented letter sorts by its base letter: "el" < "Él" < "ela".
        {"description", {"C9", "c10", "A1", "b2", "b10", "a1"}},
        // By the low edge, then the high one.
        {"band", {"b10", "a1", "A1", "c10", "C9", "b2"}},
        {"band:desc", {"b2", "c10", "C9", "A1", "a1", "b10"}},
    };
    for (const Case& c : cases) {
        SearchResult result = Result(rows);
        // Sorted from another order first: a sort starts from catalogue order whatever came before.
        SortLines(result, *ReadSortOrder("part:desc"));
        const auto order = ReadSortOrder(c.sort);
        ASSERT_TRUE(order) << c.sort;
        SortLines(result, *order);
        EXPECT_THAT(Parts(result), ElementsAreArray(c.parts)) << c.sort;
        EXPECT_EQ(SortOrderText(result.Order), c.sort);
    }
    SearchResult result = Result(rows);
    SortLines(result, *ReadSortOrder("loss:desc"));
    SortLines(result, {});
    EXPECT_THAT(Parts(result), ElementsAreArray({"b2", "A1", "c10", "a1", "C9", "b10"}));
}

TEST(SortOrderTest, KeysReadInAnyCaseAndOthersAreRefused) {
    EXPECT_EQ(SortKeyNames().size(), 13u);
    for (const auto& name : SortKeyNames()) {
        const auto order = ReadSortOrder(name + ":desc");
        ASSERT_TRUE(order) << name;
        EXPECT_EQ(SortOrderText(*order), name + ":desc");
    }
    const auto spaced = ReadSortOrder(" Cost : DESC ");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->Key, SortKey::Cost);
    EXPECT_TRUE(spaced->Descending);
    for (const char* bad : {"", "bogus", "loss:up", ":desc", "loss:desc:desc", "los"})
        EXPECT_FALSE(ReadSortOrder(bad)) << bad;
}

// A catalogue of one foam line (USD 10 per foot) with two connector types, and a price list.
class CostTest : public ::testing::Test {
protected:
    CostTest() {
        TTransmissionLine line;
        line.PartNumber = catalogue_.KeepText("F-50");
        line.CableType = catalogue_.KeepText("FOAM");
        line.LowFrequency = 0.5;
        line.HighFrequency = 3000;
        line.AttenuationK1 = 0.1;
        line.ListPrice = 10;
        catalogue_.AddLine(std::move(line));
        for (const auto& [name, parts] :
             {std::pair{"N Male", "NM-1|NM-2|NM-3||||"}, std::pair{"DIN Male", "DM-1|||||"},
              std::pair{"Flange", "FL-1|||||"}}) {
            TConnector connector;
            connector.ConnectorName = catalogue_.KeepText(name);
            connector.PartNumberFields = catalogue_.KeepText(parts);
            catalogue_.AddConnector(connector);
        }
    }
    SearchResult Compute(const SearchCriteria& query, std::optional<double> rate = std::nullopt) {
        const PartPriceLookup price = [this](std::string_view part) -> std::optional<double> {
            if (const auto found = prices.find(std::string(part)); found != prices.end())
                return found->second;
            return std::nullopt;
        };
        return ComputeResult(query, catalogue_.AllLines(), {}, {rate ? "EUR" : "USD", rate}, price);
    }

    std::map<std::string, double> prices{
        {"F-50", 10}, {"NM-1", 30}, {"NM-2", 25.5}, {"NM-3", 40}, {"DM-1", 60}};

private:
    Catalogue catalogue_;
};

TEST_F(CostTest, LengthAtTheListPriceAndTheCheapestPartOfEachNamedConnector) {
    struct Case {
        const char* name;
        double length;
        LengthUnit units;
        const char* connector1; // ticked when not empty
        const char* connector2;
        std::optional<double> rate;
        std::optional<double> cost;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"feet, no connector", 100, LengthUnit::Feet, "", "", {}, 1000, {}},
        {"meters", 50, LengthUnit::Meters, "", "", {}, 50 * 10 * kFeetPerMeter, {}},
        {"one connector: its cheapest part", 100, LengthUnit::Feet, "N Male", "", {}, 1025.5, {"NM-2"}},
        {"two ends of one type count twice",
         100,
         LengthUnit::Feet,
         "N Male",
         "N Male",
         {},
         1051,
         {"NM-2", "NM-2"}},
        {"two types", 10, LengthUnit::Feet, "N Male", "DIN Male", {}, 185.5, {"NM-2", "DM-1"}},
        {"in another currency", 100, LengthUnit::Feet, "DIN Male", "", 0.5, 2120, {"DM-1"}},
        {"a connector without a priced part", 100, LengthUnit::Feet, "Flange", "", {}, {}, {}},
        {"no length", 0, LengthUnit::Feet, "N Male", "", {}, {}, {}},
    };
    for (const Case& c : cases) {
        SearchCriteria query;
        query.Band = {800, 900};
        query.Vswr = 1.1;
        query.Length = {c.length, c.units};
        query.ByConnector1 = *c.connector1 != '\0';
        query.ConnectorName1 = c.connector1;
        query.ByConnector2 = *c.connector2 != '\0';
        query.ConnectorName2 = c.connector2;
        const SearchResult result = Compute(query, c.rate);
        const LineResult& line = result.Lines.at(0);
        const FigureValue& cost = line[Figure::CostOfRun];
        ASSERT_EQ(cost.Value.has_value(), c.cost.has_value()) << c.name << ": " << cost.Reason;
        if (c.cost) {
            EXPECT_NEAR(*cost.Value, *c.cost, 0.005) << c.name;
        }
        std::vector<std::string> parts;
        for (const CostPart& part : line.CostParts)
            parts.push_back(part.PartNumber);
        EXPECT_THAT(parts, ElementsAreArray(c.parts)) << c.name;
        // Only a missing price is a reason the note counts; a query without a length asks for no cost.
        EXPECT_EQ(result.LinesWithoutCost, c.cost || c.length == 0 ? 0u : 1u) << c.name;
    }
}

TEST_F(CostTest, ReasonsAndTheBreakdownOfTheCurrentLine) {
    SearchCriteria query;
    query.Band = {800, 900};
    query.Length = {30, LengthUnit::Meters};
    query.ByConnector1 = true;
    query.ConnectorName1 = "Flange";
    SearchResult result = Compute(query);
    EXPECT_EQ(
        result.CostNote(),
        "1 line without a cost of run: No part number of the Flange connector of F-50 has a list price.");
    EXPECT_EQ(CostBreakdown(result, result.Lines[0]),
              "No cost of run: No part number of the Flange connector of F-50 has a list price.");

    query.ConnectorName1 = "N Male";
    result = Compute(query);
    EXPECT_EQ(CostBreakdown(result, result.Lines[0]), "Cost of run: 30 m of F-50, N Male NM-2");
    prices.erase("F-50"); // a line without a price line costs nothing known, not 0
    result = Compute(query);
    EXPECT_FALSE(result.Lines[0][Figure::CostOfRun].Value);
    EXPECT_EQ(result.CostNote(), "1 line without a cost of run: F-50 has no list price.");

    query.Length.Value = 0;
    result = Compute(query);
    EXPECT_EQ(CostBreakdown(result, result.Lines[0]), "");
}

} // namespace
} // namespace dorvik
