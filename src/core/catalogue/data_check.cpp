#include "core/catalogue/data_check.h"

#include "core/catalogue/exchange_rates.h"
#include "core/catalogue/price_list.h"
#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/line_views.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace dorvik {

namespace {

constexpr int kCatalogueFields = 22;
constexpr int kPriceFields = 6;
constexpr std::array<int, 6> kConnectorPartNumbers{17, 18, 19, 20, 21, 22};

// What a catalogue could hold, with room to spare: a value beyond it is a slip of the pen (1e300, a rate of
// 1e-300), which the program would turn into figures of hundreds of digits.
struct PlausibleRange {
    double Low, High;
};

struct NumberField {
    int Field;
    std::optional<PlausibleRange> Range; // none: not used by any computation
};

// Fields of a catalogue line read as numbers: the band (MHz), the derating parameter, the two attenuation
// coefficients (a waveguide's cutoff in MHz), the average power constant, the peak power (kW), and the
// connector's four numbers, which nothing uses.
constexpr std::array<NumberField, 11> kCatalogueNumbers{{{1, PlausibleRange{0, 1e6}},
                                                         {2, PlausibleRange{0, 1e6}},
                                                         {7, PlausibleRange{0, 100}},
                                                         {8, PlausibleRange{0, 1e6}},
                                                         {9, PlausibleRange{0, 1e6}},
                                                         {10, PlausibleRange{0, 1e7}},
                                                         {11, PlausibleRange{0, 1e5}},
                                                         {13, std::nullopt},
                                                         {14, std::nullopt},
                                                         {15, std::nullopt},
                                                         {16, std::nullopt}}};
constexpr PlausibleRange kPrices{0, 1e7};   // US dollars a foot or a piece
constexpr PlausibleRange kRates{1e-7, 1e5}; // US dollars for one unit of a currency

int FieldCount(std::string_view line) {
    return static_cast<int>(std::count(line.begin(), line.end(), '|'));
}

std::string Quoted(std::string_view text) {
    return "'" + QuotedExcerpt(text) + "'";
}

// The problems found so far go to the sink until it has had enough.
class ProblemStream {
public:
    explicit ProblemStream(const ProblemSink& sink) : sink_(sink) {}
    void Add(const std::string& file, std::size_t line, std::string message, bool warning = false) {
        if (!stopped_)
            stopped_ = !sink_({file, line, std::move(message), warning});
    }
    // Warns when the value lies outside the range.
    void CheckRange(const std::string& file, std::size_t line, const std::string& what, std::string_view text,
                    double value, const PlausibleRange& range) {
        if (value >= range.Low && value <= range.High)
            return;
        Add(file, line,
            what + " reads " + Quoted(text) + ", far outside the plausible range of " +
                FormatGeneral(range.Low, '.') + " to " + FormatGeneral(range.High, '.') +
                ": the program uses it as it stands",
            true);
    }
    bool Stopped() const { return stopped_; }

private:
    const ProblemSink& sink_;
    bool stopped_ = false;
};

// A NUL ends the text for every reader: the lines after it are lost.
void CheckNulByte(const DataFile& file, ProblemStream& out) {
    if (const std::size_t line = NulByteLine(file.Bytes.View()); line > 0)
        out.Add(file.Name, line, NulByteMessage(line));
}

using LineNumbers = std::array<std::optional<double>, 12>; // fields 1 to 11 as read; index 0 unused

// The figures of a line the program would compute nothing sensible from.
void CheckFigures(const DataFile& catalogue, std::size_t lineNumber, std::string_view type,
                  const LineNumbers& v, ProblemStream& out) {
    const auto add = [&](std::string message) { out.Add(catalogue.Name, lineNumber, std::move(message)); };
    if (type != "AIR" && type != "FOAM" && type != "EW")
        add("the cable type " + Quoted(type) + " is none of AIR, FOAM and EW: no search finds the line");
    if (v[1] && v[2] && *v[1] > *v[2])
        add("the band's low edge " + FormatGeneral(*v[1], '.') + " MHz is above its high edge " +
            FormatGeneral(*v[2], '.') + " MHz");
    if (type == "EW") {
        if (v[8] && !(*v[8] > 0))
            add("the waveguide's cutoff (field 8) is " + FormatGeneral(*v[8], '.') +
                " MHz: its attenuation cannot be computed");
        else if (v[8] && v[1] && *v[8] >= *v[1] && *v[1] > 0)
            add("the waveguide's cutoff of " + FormatGeneral(*v[8], '.') +
                " MHz is not below its band (from " + FormatGeneral(*v[1], '.') +
                " MHz): no attenuation up to the cutoff");
    } else if (v[8] && v[9] && *v[8] == 0 && *v[9] == 0) {
        add("the attenuation (fields 8 and 9) is 0: the line would lose nothing");
    }
}

void CheckCatalogue(const DataFile& catalogue, const std::string& pricesName, const PriceList& priceList,
                    char separator, ProblemStream& out) {
    // part number -> the first line of it and its figures; the keys view the file's bytes
    std::unordered_map<std::string_view, std::pair<std::size_t, LineNumbers>> firstOf;
    std::size_t dataLines = 0;
    std::unordered_set<std::string> unpriced; // each part number without a price line is named once
    const auto checkPrice = [&](std::string_view partNumber, std::size_t lineNumber) {
        if (partNumber.empty() || priceList.FindPriceLine(partNumber) ||
            !unpriced.insert(std::string(partNumber)).second)
            return;
        out.Add(catalogue.Name, lineNumber,
                "part number " + QuotedExcerpt(partNumber) + " has no price line in " + pricesName);
    };
    std::size_t lineNumber = 0;
    ForEachLine(catalogue.Bytes.View(), [&](std::string_view line) {
        ++lineNumber;
        // Line 1 is the header.
        if (out.Stopped() || lineNumber == 1 || Trim(line).empty())
            return;
        ++dataLines;
        // A field that is missing is named once, with the line, not again as a number that does not read.
        const int fields = FieldCount(line);
        LineNumbers values;
        if (fields < kCatalogueFields)
            out.Add(catalogue.Name, lineNumber,
                    "the line has " + std::to_string(fields) + " of its " + std::to_string(kCatalogueFields) +
                        " fields (each field ends with \"|\")");
        for (const auto& [n, range] : kCatalogueNumbers) {
            if (n > fields)
                break;
            const auto text = RawFieldOf(line, n);
            const auto value = TryReadNumber(text, separator, /*alsoPoint=*/true);
            if (n < static_cast<int>(values.size()))
                values[static_cast<std::size_t>(n)] = value;
            if (!value)
                out.Add(catalogue.Name, lineNumber,
                        "field " + std::to_string(n) + ": " + ConversionError(text).what());
            else if (range)
                out.CheckRange(catalogue.Name, lineNumber, "field " + std::to_string(n), text, *value,
                               *range);
        }
        if (fields >= 11) {
            CheckFigures(catalogue, lineNumber, Trim(RawFieldOf(line, 5)), values, out);
            // A part number's lines after its first take their figures from the first.
            // A line whose numbers do not all read is left out by the loader, and named above.
            const bool allRead =
                std::all_of(kCatalogueNumbers.begin(), kCatalogueNumbers.end(), [&](const NumberField& f) {
                    return f.Field >= static_cast<int>(values.size()) ||
                           values[static_cast<std::size_t>(f.Field)];
                });
            const auto [first, added] =
                allRead ? firstOf.try_emplace(Trim(RawFieldOf(line, 4)), lineNumber, values)
                        : std::pair{firstOf.end(), false};
            if (allRead && !added && first->second.second != values)
                out.Add(catalogue.Name, lineNumber,
                        "part number " + QuotedExcerpt(first->first) + " has other figures than on line " +
                            std::to_string(first->second.first));
        }
        checkPrice(RawFieldOf(line, 4), lineNumber); // untrimmed, as the search looks it up
        for (const int n : kConnectorPartNumbers)
            checkPrice(RawFieldOf(line, n), lineNumber);
    });
    CheckNulByte(catalogue, out);
    if (dataLines == 0)
        out.Add(catalogue.Name, 0, "the catalogue holds no lines below its header: nothing can be found");
}

void CheckPrices(const DataFile& prices, char separator, ProblemStream& out) {
    // part number -> line that counts; the keys are views into the file's bytes
    std::unordered_map<std::string_view, std::size_t> firstLine;
    std::size_t lineNumber = 0;
    ForEachLine(prices.Bytes.View(), [&](std::string_view line) {
        ++lineNumber;
        if (out.Stopped() || IsSkippedLine(line))
            return;
        if (const int fields = FieldCount(line); fields < kPriceFields) {
            out.Add(prices.Name, lineNumber,
                    "the line has " + std::to_string(fields) + " of the " + std::to_string(kPriceFields) +
                        " fields it needs (each field ends with \"|\"): its price reads as 0");
        } else {
            const std::string_view price = Trim(RawFieldOf(line, 6));
            if (const auto value = TryReadNumber(price, separator, true); !value)
                out.Add(prices.Name, lineNumber,
                        "the price " + Quoted(price) + " is not a valid floating point value: it reads as 0");
            else
                out.CheckRange(prices.Name, lineNumber, "the price", price, *value, kPrices);
        }
        const std::string_view partNumber = Trim(RawFieldOf(line, 3));
        if (partNumber.empty())
            return;
        const auto [first, added] = firstLine.emplace(partNumber, lineNumber);
        if (!added)
            out.Add(prices.Name, lineNumber,
                    "part number " + QuotedExcerpt(partNumber) + " has a price line already (line " +
                        std::to_string(first->second) + ", which is used)");
    });
    CheckNulByte(prices, out);
}

void CheckRates(const DataFile& rates, const std::vector<std::string>& codes, char separator,
                ProblemStream& out) {
    if (rates.Name.empty())
        return;
    // code -> the line that is used (0 until one is met), in the order of the codes given
    std::map<std::string, std::size_t, std::less<>> used;
    for (const auto& code : codes)
        used.emplace(code, 0);
    std::size_t lineNumber = 0;
    ForEachLine(rates.Bytes.View(), [&](std::string_view line) {
        ++lineNumber;
        const auto entry = used.find(Trim(RawFieldOf(line, 1)));
        if (out.Stopped() || entry == used.end())
            return;
        const std::string& code = entry->first;
        if (entry->second != 0) {
            out.Add(rates.Name, lineNumber,
                    "the exchange rate for " + code + " is given already (line " +
                        std::to_string(entry->second) + ", which is used)");
            return;
        }
        entry->second = lineNumber;
        if (const auto problem = RateProblem(line, separator))
            out.Add(rates.Name, lineNumber, "the exchange rate for " + code + " cannot be used: " + *problem);
        else
            out.CheckRange(rates.Name, lineNumber, "the exchange rate for " + code, Trim(RawFieldOf(line, 2)),
                           RateOf(line, separator), kRates);
    });
    CheckNulByte(rates, out);
    for (const auto& code : codes)
        if (used.at(code) == 0)
            out.Add(rates.Name, 0,
                    "no line gives the exchange rate for " + code + ": prices in " + code +
                        " are shown in US dollars");
}

void CheckMakerPartNumbers(const DataFile& catalogue, const DataFile& userCatalogue, ProblemStream& out) {
    std::unordered_set<std::string_view> makerParts; // views into the maker's file
    std::size_t lineNumber = 0;
    ForEachLine(catalogue.Bytes.View(), [&](std::string_view line) {
        if (++lineNumber > 1)
            makerParts.insert(Trim(RawFieldOf(line, 4)));
    });
    lineNumber = 0;
    ForEachLine(userCatalogue.Bytes.View(), [&](std::string_view line) {
        const std::string_view partNumber = Trim(RawFieldOf(line, 4));
        if (++lineNumber > 1 && !out.Stopped() && !partNumber.empty() && makerParts.count(partNumber) > 0)
            out.Add(userCatalogue.Name, lineNumber,
                    "part number " + QuotedExcerpt(partNumber) + " is one of the maker's (" + catalogue.Name +
                        "): the program leaves this line out");
    });
}

} // namespace

std::string ProblemText(const DataProblem& problem) {
    return problem.File + (problem.Line > 0 ? ":" + std::to_string(problem.Line) : std::string()) + ": " +
           (problem.Warning ? "warning: " : "") + problem.Message;
}

void CheckDataFiles(const DataFile& catalogue, const DataFile& prices, const DataFile& rates,
                    const std::vector<std::string>& currencyCodes, char separator, const ProblemSink& sink) {
    ProblemStream out(sink);
    const PriceList priceList(prices.Bytes, separator);
    CheckCatalogue(catalogue, prices.Name, priceList, separator, out);
    CheckPrices(prices, separator, out);
    CheckRates(rates, currencyCodes, separator, out);
}

void CheckUserFiles(const DataFile& catalogue, const DataFile& prices, const DataFile& userCatalogue,
                    const DataFile& userPrices, char separator, const ProblemSink& sink) {
    ProblemStream out(sink);
    if (!userCatalogue.Name.empty()) {
        // The program's own list: the maker's lines first, then the user's.
        std::string joined(prices.Bytes.View().substr(0, prices.Bytes.View().find('\0')));
        joined += '\n';
        joined += userPrices.Bytes.View().substr(0, userPrices.Bytes.View().find('\0'));
        const PriceList priceList(FileBytes(std::move(joined)), separator);
        CheckCatalogue(userCatalogue,
                       userPrices.Name.empty() ? prices.Name : prices.Name + " or " + userPrices.Name,
                       priceList, separator, out);
        CheckMakerPartNumbers(catalogue, userCatalogue, out);
    }
    if (!userPrices.Name.empty())
        CheckPrices(userPrices, separator, out);
}

} // namespace dorvik
