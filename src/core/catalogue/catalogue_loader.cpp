#include "core/catalogue/catalogue_loader.h"

#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace dorvik {

namespace {

// Field n of a record line as it stands; the record parsers never trim.
std::string_view Raw(std::string_view text, int n) {
    return RawFieldOf(text, n);
}

double Number(std::string_view text, int n, char separator) {
    return ReadNumber(Raw(text, n), separator, /*alsoPoint=*/true);
}

// Fields 1 to 11, without touching any pick list, so that a line that fails half-way adds nothing.
std::unique_ptr<TTransmissionLine> ReadLineFields(std::string_view text, char separator) {
    auto line = std::make_unique<TTransmissionLine>();
    line->LowFrequency = Number(text, 1, separator);
    line->HighFrequency = Number(text, 2, separator);
    line->AuxText1 = std::string(Raw(text, 3));
    line->PartNumber = std::string(Raw(text, 4));
    line->CableType = std::string(Raw(text, 5));
    line->AuxText2 = std::string(Raw(text, 6));
    line->DeratingParameter = Number(text, 7, separator);
    line->AttenuationK1 = Number(text, 8, separator);
    line->AttenuationK2 = Number(text, 9, separator);
    line->AveragePowerConstant = Number(text, 10, separator);
    line->PeakPower = Number(text, 11, separator);
    return line;
}

// Fields 12 to 22, without touching the connector-name list.
TConnector ReadConnectorFields(std::string_view text, char separator) {
    TConnector connector;
    connector.ConnectorName = std::string(Raw(text, 12));
    for (int i = 0; i < 4; ++i)
        connector.ConnectorNumbers[static_cast<std::size_t>(i)] = Number(text, 13 + i, separator);
    for (int n = 17; n <= 22; ++n) {
        const auto partNumber = Raw(text, n);
        if (!partNumber.empty())
            connector.AddPartNumber(std::string(partNumber));
    }
    return connector;
}

void AddBandEdges(const TTransmissionLine& line, char separator, PickList& beginList, PickList& endList) {
    beginList.Add(FormatGeneral(line.LowFrequency, separator));
    endList.Add(FormatGeneral(line.HighFrequency, separator));
}

std::string Problem(const std::string& fileName, std::size_t lineNumber, const ConversionError& error) {
    return fileName + ", line " + std::to_string(lineNumber) + ": " + error.what();
}

} // namespace

std::unique_ptr<TTransmissionLine> ParseLine(std::string_view text, char separator, PickList& beginList,
                                             PickList& endList) {
    auto line = ReadLineFields(text, separator);
    AddBandEdges(*line, separator, beginList, endList);
    return line;
}

TConnector ParseConnector(std::string_view text, char separator, PickList& connectorNames) {
    auto connector = ReadConnectorFields(text, separator);
    connectorNames.Add(connector.ConnectorName);
    return connector;
}

LoadedCatalogue LoadCatalogue(const std::vector<std::string>& fileLines, char separator,
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
        const std::string& text = fileLines[index];
        if (Trim(text).empty())
            continue;
        const std::size_t lineNumber = index + 1;
        try {
            if (current != nullptr && FieldOf(text, 4) == current->PartNumber) {
                auto connector = ReadConnectorFields(text, separator);
                connectorNames.Add(connector.ConnectorName);
                current->AddConnector(std::move(connector));
                continue;
            }
            current = nullptr;
            auto line = ReadLineFields(text, separator);
            auto connector = ReadConnectorFields(text, separator);
            AddBandEdges(*line, separator, beginList, endList);
            connectorNames.Add(connector.ConnectorName);
            line->AddConnector(std::move(connector));
            current = line.get();
            result.Lines.push_back(std::move(line));
        } catch (const ConversionError& error) {
            result.Problems.push_back(Problem(fileName, lineNumber, error));
        }
    }

    result.BeginFrequencyList = beginList.TakeItems();
    result.EndFrequencyList = endList.TakeItems();
    result.ConnectorNameList = connectorNames.TakeItems();
    SortNumerically(result.BeginFrequencyList, separator);
    SortNumerically(result.EndFrequencyList, separator);
    return result;
}

void SortNumerically(std::vector<std::string>& list, char separator) {
    // Adjacent pairs swapped only when the later value is strictly smaller: a stable sort by value. The values
    // are read first, so a text that does not read leaves the list as it was.
    std::vector<std::pair<double, std::size_t>> keyed;
    keyed.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        keyed.emplace_back(ReadNumber(list[i], separator, /*alsoPoint=*/true), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> sorted;
    sorted.reserve(list.size());
    for (const auto& entry : keyed)
        sorted.push_back(std::move(list[entry.second]));
    list = std::move(sorted);
}

} // namespace dorvik
