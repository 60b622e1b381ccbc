#include "core/catalogue/catalogue_loader.h"

#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace dorvik {

namespace {

constexpr int kFieldCount = 22;
constexpr std::array<int, 6> kPartNumberFields{17, 18, 19, 20, 21, 22};

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

private:
    std::array<std::string_view, kFieldCount> fields_{};
    int count_ = 0;
};

// Fields 1 to 11, without touching any pick list, so that a line that fails half-way adds nothing.
std::unique_ptr<TTransmissionLine> ReadLineFields(const RecordFields& fields, char separator) {
    auto line = std::make_unique<TTransmissionLine>();
    line->LowFrequency = fields.Number(1, separator);
    line->HighFrequency = fields.Number(2, separator);
    line->AuxText1 = std::string(fields[3]);
    line->PartNumber = std::string(fields[4]);
    line->CableType = std::string(fields[5]);
    line->AuxText2 = std::string(fields[6]);
    line->DeratingParameter = fields.Number(7, separator);
    line->AttenuationK1 = fields.Number(8, separator);
    line->AttenuationK2 = fields.Number(9, separator);
    line->AveragePowerConstant = fields.Number(10, separator);
    line->PeakPower = fields.Number(11, separator);
    return line;
}

// Fields 12 to 22, without touching the connector-name list.
TConnector ReadConnectorFields(const RecordFields& fields, char separator) {
    TConnector connector;
    connector.ConnectorName = std::string(fields[12]);
    for (int i = 0; i < 4; ++i)
        connector.ConnectorNumbers[static_cast<std::size_t>(i)] = fields.Number(13 + i, separator);
    connector.PartNumbers.reserve(static_cast<std::size_t>(std::count_if(
        kPartNumberFields.begin(), kPartNumberFields.end(), [&](int n) { return !fields[n].empty(); })));
    for (const int n : kPartNumberFields) {
        const auto partNumber = fields[n];
        if (!partNumber.empty())
            connector.AddPartNumber(std::string(partNumber));
    }
    return connector;
}

// The entry of a band edge: its text in general format, with the value that text stands for. The value is
// the text's own where it reads back (15 digits, as the query page reads it), else the edge's.
PickEntry BandEdge(double edge, char separator) {
    auto text = FormatGeneral(edge, separator);
    const double value = TryReadNumber(text, separator).value_or(edge);
    return PickEntry{std::move(text), value};
}

void AddBandEdges(const TTransmissionLine& line, char separator, PickList& beginList, PickList& endList) {
    auto low = BandEdge(line.LowFrequency, separator);
    auto high = BandEdge(line.HighFrequency, separator);
    beginList.Add(low.Text, low.Value);
    endList.Add(high.Text, high.Value);
}

// The lines of the run that a record starting at line first heads, so that its connectors are allocated once.
std::size_t RunLength(std::span<const std::string_view> lines, std::size_t first,
                      std::string_view partNumber) {
    std::size_t count = 1;
    for (std::size_t i = first + 1; i < lines.size(); ++i) {
        if (Trim(lines[i]).empty())
            continue;
        if (Trim(RawFieldOf(lines[i], 4)) != partNumber)
            break;
        ++count;
    }
    return count;
}

std::string Problem(const std::string& fileName, std::size_t lineNumber, const DorvikError& error) {
    return fileName + ", line " + std::to_string(lineNumber) + ": " + error.what();
}

} // namespace

std::unique_ptr<TTransmissionLine> ParseLine(std::string_view text, char separator, PickList& beginList,
                                             PickList& endList) {
    auto line = ReadLineFields(RecordFields(text), separator);
    AddBandEdges(*line, separator, beginList, endList);
    return line;
}

TConnector ParseConnector(std::string_view text, char separator, PickList& connectorNames) {
    auto connector = ReadConnectorFields(RecordFields(text), separator);
    connectorNames.Add(connector.ConnectorName);
    return connector;
}

LoadedCatalogue LoadCatalogue(const std::vector<std::string>& fileLines, char separator,
                              const std::string& fileName) {
    const std::vector<std::string_view> views(fileLines.begin(), fileLines.end());
    return LoadCatalogue(std::span<const std::string_view>(views), separator, fileName);
}

LoadedCatalogue LoadCatalogue(std::span<const std::string_view> fileLines, char separator,
                              const std::string& fileName) {
    LoadedCatalogue result;
    PickList beginList;
    PickList endList;
    PickList connectorNames;

    // The record that the following lines of the same part number join. A line that fails to start a record
    // clears it: the rest of that run then starts a record of its own part number from its next good line
    // (every line carries fields 1 to 11), instead of joining the record before it, and a later run of the
    // previous part number still starts a record of its own, as it would have without the failure.
    TTransmissionLine* current = nullptr;

    // Line 1 is the header, whatever it holds.
    for (std::size_t index = 1; index < fileLines.size(); ++index) {
        const std::string_view text = fileLines[index];
        if (Trim(text).empty())
            continue;
        const std::size_t lineNumber = index + 1;
        const RecordFields fields(text);
        try {
            if (current != nullptr && Trim(fields[4]) == current->PartNumber) {
                auto connector = ReadConnectorFields(fields, separator);
                connectorNames.Add(connector.ConnectorName);
                current->AddConnector(std::move(connector));
                continue;
            }
            current = nullptr;
            auto line = ReadLineFields(fields, separator);
            auto connector = ReadConnectorFields(fields, separator);
            AddBandEdges(*line, separator, beginList, endList);
            connectorNames.Add(connector.ConnectorName);
            line->Connectors.reserve(RunLength(fileLines, index, line->PartNumber));
            line->AddConnector(std::move(connector));
            current = line.get();
            result.Lines.push_back(std::move(line));
        } catch (const DorvikError& error) {
            // Every error of a line stays with that line: the rest of the file loads.
            result.Problems.push_back(Problem(fileName, lineNumber, error));
        }
    }

    result.BeginFrequencyList = beginList.Entries();
    result.EndFrequencyList = endList.Entries();
    result.ConnectorNameList = connectorNames.Items();
    SortNumerically(result.BeginFrequencyList);
    SortNumerically(result.EndFrequencyList);
    return result;
}

void SortNumerically(std::vector<PickEntry>& list) {
    // As count - 1 passes swapping adjacent pairs whose later value is strictly smaller: stable.
    std::stable_sort(list.begin(), list.end(),
                     [](const PickEntry& a, const PickEntry& b) { return a.Value < b.Value; });
}

} // namespace dorvik
