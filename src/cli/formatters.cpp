#include "cli/formatters.h"

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

void AppendPadded(std::string& line, const std::string& text, std::size_t width) {
    line += text;
    line.append(width - DisplayWidth(text), ' ');
}

void AppendLine(std::string& out, std::string line) {
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out += line;
    out += '\n';
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

void AppendStrings(std::string& out, const std::vector<std::string>& texts) {
    AppendArray(out, texts, [&out](const std::string& text) { out += JsonString(text); });
}

} // namespace

std::string JsonString(std::string_view bytes) {
    static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    const std::string text = DecodeForDisplay(bytes);
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += "\\u00";
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string FormatTextTable(const TGrid& specs) {
    std::vector<int> columns;
    for (int col = 1; col <= specs.ColCount(); ++col)
        if (specs.Column(col).Visible)
            columns.push_back(col);
    // Decoded once: widths are measured on what is shown.
    std::vector<std::vector<std::string>> table(static_cast<std::size_t>(specs.RowCount()) + 1);
    for (const int col : columns)
        table[0].push_back(DecodeForDisplay(specs.Heading(col)));
    for (int row = 1; row <= specs.RowCount(); ++row)
        for (const int col : columns)
            table[static_cast<std::size_t>(row)].push_back(DecodeForDisplay(specs.Cell(col, row)));
    std::vector<std::size_t> widths(columns.size(), 0);
    for (const auto& line : table)
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], DisplayWidth(line[i]));

    std::string out;
    for (std::size_t r = 0; r < table.size(); ++r) {
        std::string line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                line += "  ";
            AppendPadded(line, table[r][i], widths[i]);
        }
        AppendLine(out, std::move(line));
        if (r == 0) {
            std::string rule;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (i > 0)
                    rule += "  ";
                rule.append(widths[i], '-');
            }
            AppendLine(out, std::move(rule));
        }
    }
    return out;
}

std::string FormatJson(const TGrid& specs, const std::vector<std::string>& connectorHeadings,
                       const std::vector<std::vector<ConnectorParts>>& connectors,
                       const std::optional<LongestRuns>& runs) {
    std::vector<std::string> headings;
    for (int col = 1; col <= specs.ColCount(); ++col)
        headings.push_back(specs.Heading(col));

    std::string out = "{\n  \"headings\": ";
    AppendStrings(out, headings);
    out += ",\n  \"rows\": [";
    for (int row = 1; row <= specs.RowCount(); ++row) {
        std::vector<std::string> cells;
        for (int col = 1; col <= specs.ColCount(); ++col)
            cells.push_back(specs.Cell(col, row));
        out += row == 1 ? "\n    " : ",\n    ";
        AppendStrings(out, cells);
    }
    out += "\n  ],\n  \"connector_headings\": ";
    AppendStrings(out, connectorHeadings);
    out += ",\n  \"connectors\": [";
    bool firstRow = true;
    for (const auto& rowConnectors : connectors) {
        out += firstRow ? "\n    " : ",\n    ";
        firstRow = false;
        AppendArray(out, rowConnectors, [&out](const ConnectorParts& connector) {
            out += "{\"connector\": " + JsonString(connector.name) + ", \"part_numbers\": ";
            AppendArray(out, connector.partNumbers, [&out](const PartNumberRow& part) {
                out += "{\"part_number\": " + JsonString(part.partNumber) +
                       ", \"description\": " + JsonString(part.description) +
                       ", \"price\": " + JsonString(part.price) + "}";
            });
            out += '}';
        });
    }
    out += "\n  ]";
    if (runs) {
        out += ",\n  \"longest_run_within_budget\": {\"unit\": " + JsonString(runs->unit) +
               ", \"max_loss_db\": " + JsonString(runs->maxLoss) + ", \"rows\": ";
        AppendArray(out, runs->rows, [&out](const std::optional<std::string>& run) {
            out += run ? JsonString(*run) : std::string("null");
        });
        out += '}';
    }
    out += "\n}\n";
    return out;
}

} // namespace dorvik::cli
