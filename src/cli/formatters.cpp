#include "cli/formatters.h"

#include "cli/terminal_text.h"
#include "cli/typed_json.h"
#include "core/output/json_string.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <array>

namespace dorvik::cli {

namespace {

// Characters, not bytes: a terminal shows one column per code point for the texts of the catalogue.
std::size_t DisplayWidth(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The width of the bytes once decoded, without decoding them: every byte that is not UTF-8 becomes one
// character.
std::size_t DisplayWidthOfBytes(std::string_view bytes) {
    return IsValidUtf8(bytes) ? DisplayWidth(bytes) : bytes.size();
}

void AppendPadded(std::string& line, const std::string& text, std::size_t width) {
    line += text;
    line.append(width - DisplayWidth(text), ' ');
}

void WriteLine(const TextSink& write, std::string& line) {
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    line += '\n';
    write(line);
}

template <typename Items, typename Write>
void AppendArray(std::string& out, const Items& items, Write write) {
    out += '[';
    bool first = true;
    for (const auto& item : items) {
        if (!first)
            out += ", ";
        first = false;
        write(item);
    }
    out += ']';
}

void AppendConnectors(std::string& out, const std::vector<ConnectorParts>& connectors) {
    AppendArray(out, connectors, [&out](const ConnectorParts& connector) {
        out += "{\"connector\": " + JsonString(connector.name) + ", \"part_numbers\": ";
        AppendArray(out, connector.partNumbers, [&out](const PartNumberRow& part) {
            out += "{\"part_number\": " + JsonString(part.partNumber) +
                   ", \"description\": " + JsonString(part.description) +
                   ", \"price\": " + JsonString(part.price) + "}";
        });
        out += '}';
    });
}

} // namespace

std::string JsonString(std::string_view bytes) {
    return JsonQuoted(DecodeForDisplay(bytes));
}

void WriteTextTable(const TGrid& specs, const TextSink& write) {
    std::vector<int> columns;
    for (int col = 1; col <= specs.ColCount(); ++col)
        if (specs.Column(col).Visible)
            columns.push_back(col);
    // Widths first, measured on what is shown; then the rows, each decoded as it is written.
    std::vector<std::size_t> widths(columns.size(), 0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        widths[i] = DisplayWidthOfBytes(specs.Heading(columns[i]));
        for (int row = 1; row <= specs.RowCount(); ++row)
            widths[i] = std::max(widths[i], DisplayWidthOfBytes(specs.Cell(columns[i], row)));
    }
    std::string line;
    const auto writeRow = [&](auto textOf) {
        line.clear();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                line += "  ";
            AppendPadded(line, TerminalText(textOf(columns[i])), widths[i]);
        }
        WriteLine(write, line);
    };
    writeRow([&](int col) -> const std::string& { return specs.Heading(col); });
    line.clear();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            line += "  ";
        line.append(widths[i], '-');
    }
    WriteLine(write, line);
    for (int row = 1; row <= specs.RowCount(); ++row)
        writeRow([&](int col) -> const std::string& { return specs.Cell(col, row); });
}

void WriteJson(const TextTable& specs, const std::vector<std::string>& connectorHeadings,
               const RowConnectors& connectorsOfRow, const SearchResult& result, const TextSink& write) {
    const QueryEcho query = EchoOf(result);
    constexpr char sep = '.';
    std::vector<std::string> texts;
    for (int col = 1; col <= specs.ColCount(); ++col)
        texts.push_back(specs.Heading(col));
    std::string out = "{\n  \"headings\": ";
    out += JsonStrings(texts);
    out += ",\n  \"rows\": [";
    write(out);
    for (int row = 1; row <= specs.RowCount(); ++row) {
        texts.clear();
        for (int col = 1; col <= specs.ColCount(); ++col)
            texts.push_back(specs.Cell(col, row));
        out = row == 1 ? "\n    " : ",\n    ";
        out += JsonStrings(texts);
        write(out);
    }
    out = "\n  ],\n  \"connector_headings\": ";
    out += JsonStrings(connectorHeadings);
    out += ",\n  \"connectors\": [";
    write(out);
    for (int row = 1; row <= specs.RowCount(); ++row) {
        out = row == 1 ? "\n    " : ",\n    ";
        AppendConnectors(out, connectorsOfRow(row));
        write(out);
    }
    out = "\n  ]";
    if (query.MaxLossDb) {
        // The grid's texts of the runs, as "rows" holds the grid's.
        out += ",\n  \"longest_run_within_budget\": {\"unit\": " + JsonString(UnitName(query.Unit)) +
               ", \"max_loss_db\": " + JsonString(FormatGeneral(*query.MaxLossDb, sep)) + ", \"rows\": ";
        AppendArray(out, result.Lines, [&out](const LineResult& line) {
            const auto& run = line[Figure::LongestRun].Value;
            out += run ? JsonString(FormatFixed2(*run, sep)) : std::string("null");
        });
        out += '}';
    }
    out += ",\n  \"format_version\": " + std::to_string(kJsonFormatVersion) + ",\n  \"query\": ";
    AppendQueryJson(out, query);
    out += ",\n  \"lines\": [";
    write(out);
    for (std::size_t i = 0; i < result.Lines.size(); ++i) {
        out = i == 0 ? "\n    " : ",\n    ";
        AppendLineJson(out, result.Lines[i], result.Prices.Currency);
        write(out);
    }
    write(result.Lines.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

} // namespace dorvik::cli
