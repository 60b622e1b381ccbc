#include "core/catalogue/data_check.h"

#include "core/catalogue/exchange_rates.h"
#include "core/catalogue/price_list.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

namespace dorvik {

namespace {

constexpr int kCatalogueFields = 22;
constexpr int kPriceFields = 6;
// Fields of a catalogue line read as numbers: the band, the electrical data, the connector's four numbers.
constexpr std::array<int, 11> kCatalogueNumbers{1, 2, 7, 8, 9, 10, 11, 13, 14, 15, 16};
constexpr std::array<int, 6> kConnectorPartNumbers{17, 18, 19, 20, 21, 22};

int FieldCount(std::string_view line) {
    return static_cast<int>(std::count(line.begin(), line.end(), '|'));
}

class ProblemList {
public:
    explicit ProblemList(std::vector<DataProblem>& problems) : problems_(problems) {}
    void Add(const std::string& file, std::size_t line, std::string message) {
        problems_.push_back({file, line, std::move(message)});
    }

private:
    std::vector<DataProblem>& problems_;
};

void CheckCatalogue(const DataFileLines& catalogue, const DataFileLines& prices, const PriceList& priceList,
                    char separator, ProblemList& out) {
    std::unordered_set<std::string> unpriced; // each part number without a price line is named once
    const auto checkPrice = [&](const std::string& partNumber, std::size_t lineNumber) {
        if (partNumber.empty() || priceList.FindPriceLine(partNumber) || !unpriced.insert(partNumber).second)
            return;
        out.Add(catalogue.Name, lineNumber,
                "part number " + partNumber + " has no price line in " + prices.Name);
    };
    // Line 1 is the header.
    for (std::size_t index = 1; index < catalogue.Lines.size(); ++index) {
        const std::string& line = catalogue.Lines[index];
        const std::size_t lineNumber = index + 1;
        if (Trim(line).empty())
            continue;
        if (const int fields = FieldCount(line); fields < kCatalogueFields)
            out.Add(catalogue.Name, lineNumber,
                    "the line has " + std::to_string(fields) + " of its " + std::to_string(kCatalogueFields) +
                        " fields (each field ends with \"|\")");
        for (const int n : kCatalogueNumbers) {
            const auto text = RawFieldOf(line, n);
            if (!TryReadNumber(text, separator, /*alsoPoint=*/true))
                out.Add(catalogue.Name, lineNumber,
                        "field " + std::to_string(n) + ": '" + std::string(text) +
                            "' is not a valid floating point value");
        }
        checkPrice(std::string(RawFieldOf(line, 4)), lineNumber); // untrimmed, as the search looks it up
        for (const int n : kConnectorPartNumbers)
            checkPrice(std::string(RawFieldOf(line, n)), lineNumber);
    }
}

void CheckPrices(const DataFileLines& prices, char separator, ProblemList& out) {
    std::unordered_map<std::string, std::size_t> firstLine; // part number -> line that counts
    for (std::size_t index = 0; index < prices.Lines.size(); ++index) {
        const std::string& line = prices.Lines[index];
        const std::size_t lineNumber = index + 1;
        if (IsSkippedLine(line))
            continue;
        const std::string partNumber = FieldOf(line, 3);
        if (const int fields = FieldCount(line); fields < kPriceFields) {
            out.Add(prices.Name, lineNumber,
                    "the line has " + std::to_string(fields) + " of the " + std::to_string(kPriceFields) +
                        " fields it needs (each field ends with \"|\"): its price reads as 0");
        } else if (const std::string price = FieldOf(line, 6); !TryReadNumber(price, separator, true)) {
            out.Add(prices.Name, lineNumber,
                    "the price '" + price + "' is not a valid floating point value: it reads as 0");
        }
        if (partNumber.empty())
            continue;
        const auto [first, added] = firstLine.emplace(partNumber, lineNumber);
        if (!added)
            out.Add(prices.Name, lineNumber,
                    "part number " + partNumber + " has a price line already (line " +
                        std::to_string(first->second) + ", which is used)");
    }
}

void CheckRates(const DataFileLines& rates, const std::vector<std::string>& codes, char separator,
                ProblemList& out) {
    if (rates.Name.empty())
        return;
    std::vector<DataProblem> found;
    ProblemList list(found);
    for (const auto& code : codes) {
        const auto line = FindRateLine(rates.Lines, code);
        if (!line)
            continue;
        if (const auto problem = RateProblem(line->Text, separator))
            list.Add(rates.Name, line->Number,
                     "the exchange rate for " + code + " cannot be used: " + *problem);
        for (std::size_t index = line->Number; index < rates.Lines.size(); ++index)
            if (FieldOf(rates.Lines[index], 1) == code)
                list.Add(rates.Name, index + 1,
                         "the exchange rate for " + code + " is given already (line " +
                             std::to_string(line->Number) + ", which is used)");
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.Line < b.Line; });
    for (auto& problem : found)
        out.Add(problem.File, problem.Line, std::move(problem.Message));
}

} // namespace

std::vector<DataProblem> CheckDataFiles(const DataFileLines& catalogue, const DataFileLines& prices,
                                        const DataFileLines& rates,
                                        const std::vector<std::string>& currencyCodes, char separator) {
    std::vector<DataProblem> problems;
    ProblemList out(problems);
    const PriceList priceList(prices.Lines, separator);
    CheckCatalogue(catalogue, prices, priceList, separator, out);
    CheckPrices(prices, separator, out);
    CheckRates(rates, currencyCodes, separator, out);
    return problems;
}

} // namespace dorvik
