#include "core/catalogue/catalogue_loader.h"

#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/line_views.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <unordered_set>
#include <utility>

namespace dorvik {

namespace {

constexpr int kFieldCount = 22;
constexpr int kFirstPartNumberField = 17; // to 22

// The 22 fields of a catalogue line as they stand (the record parsers never trim), split once. A field whose
// terminating '|' is missing reads as empty, as with RawFieldOf.
class RecordFields {
public:
    explicit RecordFields(std::string_view text) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size() && count_ < kFieldCount; ++i) {
            if (text[i] != '|')
                continue;
            fields_[static_cast<std::size_t>(count_++)] = text.substr(start, i - start);
            start = i + 1;
        }
    }
    std::string_view operator[](int n) const {
        return n >= 1 && n <= count_ ? fields_[static_cast<std::size_t>(n - 1)] : std::string_view{};
    }
    double Number(int n, char separator) const {
        return ReadNumber((*this)[n], separator, /*alsoPoint=*/true);
    }
    // Field first to the last field split, each with its terminating '|'.
    std::string_view From(int first) const {
        if (first < 1 || first > count_)
            return {};
        const char* begin = fields_[static_cast<std::size_t>(first - 1)].data();
        const std::string_view last = fields_[static_cast<std::size_t>(count_ - 1)];
        return {begin, static_cast<std::size_t>(last.data() + last.size() + 1 - begin)};
    }

private:
    std::array<std::string_view, kFieldCount> fields_{};
    int count_ = 0;
};

// Fields 1 to 11, without touching any pick list, so that a line that fails half-way adds nothing.
TTransmissionLine ReadLineFields(const RecordFields& fields, char separator) {
    TTransmissionLine line;
    line.LowFrequency = fields.Number(1, separator);
    line.HighFrequency = fields.Number(2, separator);
    line.AuxText1 = fields[3];
    line.PartNumber = fields[4];
    line.CableType = fields[5];
    line.AuxText2 = fields[6];
    line.DeratingParameter = fields.Number(7, separator);
    line.AttenuationK1 = fields.Number(8, separator);
    line.AttenuationK2 = fields.Number(9, separator);
    line.AveragePowerConstant = fields.Number(10, separator);
    line.PeakPower = fields.Number(11, separator);
    return line;
}

// Fields 12 to 22, without touching the connector-name list.
TConnector ReadConnectorFields(const RecordFields& fields, char separator) {
    TConnector connector;
    connector.ConnectorName = fields[12];
    for (int i = 0; i < 4; ++i)
        connector.ConnectorNumbers[static_cast<std::size_t>(i)] = fields.Number(13 + i, separator);
    connector.PartNumberFields = fields.From(kFirstPartNumberField);
    return connector;
}

// The entry of a band edge: its text in general format, with the value that text stands for. The value is
// the text's own where it reads back (15 digits, as the query page reads it), else the edge's.
void AddBandEdge(double edge, char separator, PickList& list) {
    const auto text = FormatGeneral(edge, separator);
    list.Add(text, TryReadNumber(text, separator).value_or(edge));
}

// The bits of a double, as a key (the web build's library has no std::bit_cast).
std::uint64_t BitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The band-edge lists while loading. Most lines share their edges with lines before them: an edge met before
// adds nothing, so it is neither formatted nor collated again.
class BandEdgeLists {
public:
    explicit BandEdgeLists(char separator) : separator_(separator) {}
    void Add(const TTransmissionLine& line) {
        if (seenBegin_.insert(BitsOf(line.LowFrequency)).second)
            AddBandEdge(line.LowFrequency, separator_, Begin);
        if (seenEnd_.insert(BitsOf(line.HighFrequency)).second)
            AddBandEdge(line.HighFrequency, separator_, End);
    }
    PickList Begin;
    PickList End;

private:
    char separator_;
    std::unordered_set<std::uint64_t> seenBegin_;
    std::unordered_set<std::uint64_t> seenEnd_;
};

std::string Problem(const std::string& fileName, std::size_t lineNumber, const DorvikError& error) {
    return fileName + ", line " + std::to_string(lineNumber) + ": " + error.what();
}

// Builds one catalogue from the lines of one file or more, in order.
class CatalogueBuilder {
public:
    explicit CatalogueBuilder(char separator) : separator_(separator), bandEdges_(separator) {}

    // With user, the lines are the user's: marked so, and refused where the part number is the maker's.
    void Add(std::span<const std::string_view> fileLines, FileBytes block, const std::string& fileName,
             bool user = false) {
        auto nulByte = NulByteProblem(block.View(), fileName);
        result_.Lines.KeepBlock(std::move(block));
        result_.Lines.ReserveConnectors(fileLines.size());
        if (user)
            for (const auto& line : result_.Lines)
                makerParts_.insert(Trim(line.PartNumber));
        // The record that the following lines of the same part number join. A line that fails to start a
        // record clears it: the rest of that run then starts a record of its own part number from its next
        // good line (every line carries fields 1 to 11), instead of joining the record before it, and a later
        // run of the previous part number still starts a record of its own, as it would have without the
        // failure. A new file never joins the last record of the one before.
        const TTransmissionLine* current = nullptr;
        std::string_view refused; // the user's part number of the maker's: its whole run is left out

        // Line 1 is the header, whatever it holds.
        for (std::size_t index = 1; index < fileLines.size(); ++index) {
            const std::string_view text = fileLines[index];
            if (Trim(text).empty())
                continue;
            const std::size_t lineNumber = index + 1;
            const RecordFields fields(text);
            try {
                if (current != nullptr && Trim(fields[4]) == current->PartNumber) {
                    const auto connector = ReadConnectorFields(fields, separator_);
                    connectorNames_.Add(connector.ConnectorName);
                    result_.Lines.AddConnector(connector);
                    continue;
                }
                current = nullptr;
                if (user && !refused.empty() && Trim(fields[4]) == refused)
                    continue;
                if (user && makerParts_.count(Trim(fields[4])) > 0) {
                    refused = Trim(fields[4]);
                    throw DorvikError("the part number '" + QuotedExcerpt(refused) +
                                      "' is one of the maker's: the user's line is left out");
                }
                auto line = ReadLineFields(fields, separator_);
                line.UserLine = user;
                const auto connector = ReadConnectorFields(fields, separator_);
                bandEdges_.Add(line);
                connectorNames_.Add(connector.ConnectorName);
                current = &result_.Lines.AddLine(std::move(line));
                result_.Lines.AddConnector(connector);
            } catch (const DorvikError& error) {
                // Every error of a line stays with that line: the rest of the file loads.
                result_.Problems.push_back(Problem(fileName, lineNumber, error));
            }
        }
        if (nulByte)
            result_.Problems.push_back(std::move(*nulByte));
    }

    LoadedCatalogue Finish() {
        result_.BeginFrequencyList = bandEdges_.Begin.Entries();
        result_.EndFrequencyList = bandEdges_.End.Entries();
        result_.ConnectorNameList = connectorNames_.Items();
        SortNumerically(result_.BeginFrequencyList);
        SortNumerically(result_.EndFrequencyList);
        return std::move(result_);
    }

private:
    char separator_;
    LoadedCatalogue result_;
    BandEdgeLists bandEdges_;
    PickList connectorNames_;
    std::unordered_set<std::string_view> makerParts_; // views into the kept blocks
};

LoadedCatalogue LoadLines(std::span<const std::string_view> fileLines, FileBytes block, char separator,
                          const std::string& fileName) {
    CatalogueBuilder builder(separator);
    builder.Add(fileLines, std::move(block), fileName);
    return builder.Finish();
}

} // namespace

std::unique_ptr<TTransmissionLine> ParseLine(std::string_view text, char separator, PickList& beginList,
                                             PickList& endList) {
    auto line = std::make_unique<TTransmissionLine>(ReadLineFields(RecordFields(text), separator));
    AddBandEdge(line->LowFrequency, separator, beginList);
    AddBandEdge(line->HighFrequency, separator, endList);
    return line;
}

TConnector ParseConnector(std::string_view text, char separator, PickList& connectorNames) {
    auto connector = ReadConnectorFields(RecordFields(text), separator);
    connectorNames.Add(connector.ConnectorName);
    return connector;
}

LoadedCatalogue LoadCatalogue(FileBytes file, char separator, const std::string& fileName) {
    const auto lines = LineViews(file.View());
    return LoadLines(lines, std::move(file), separator, fileName);
}

LoadedCatalogue LoadCatalogue(FileBytes file, FileBytes userFile, char separator, const std::string& fileName,
                              const std::string& userFileName) {
    CatalogueBuilder builder(separator);
    const auto lines = LineViews(file.View());
    builder.Add(lines, std::move(file), fileName);
    const auto userLines = LineViews(userFile.View());
    builder.Add(userLines, std::move(userFile), userFileName, /*user=*/true);
    return builder.Finish();
}

LoadedCatalogue LoadCatalogue(const std::vector<std::string>& fileLines, char separator,
                              const std::string& fileName) {
    std::string joined;
    for (const auto& line : fileLines)
        joined += line;
    FileBytes block(std::move(joined));
    std::vector<std::string_view> views;
    views.reserve(fileLines.size());
    std::size_t start = 0;
    for (const auto& line : fileLines) {
        views.push_back(block.View().substr(start, line.size()));
        start += line.size();
    }
    return LoadLines(views, std::move(block), separator, fileName);
}

void SortNumerically(std::vector<PickEntry>& list) {
    // As count - 1 passes swapping adjacent pairs whose later value is strictly smaller: stable.
    std::stable_sort(list.begin(), list.end(),
                     [](const PickEntry& a, const PickEntry& b) { return a.Value < b.Value; });
}

} // namespace dorvik
