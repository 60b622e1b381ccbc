#include "core/output/workbook_sheets.h"

#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <algorithm>

namespace dorvik {

namespace {

WorkbookCell Number(const std::optional<double>& value) {
    return value ? WorkbookCell(*value) : WorkbookCell(std::string("N/A"));
}

WorkbookCell Text(std::string_view bytes) {
    return DecodeForDisplay(bytes);
}

std::size_t CodePoints(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Join(const std::vector<std::string>& texts) {
    std::string out;
    for (const auto& text : texts)
        out += (out.empty() ? "" : ", ") + DecodeForDisplay(text);
    return out;
}

} // namespace

std::string PriceCurrency(const SearchResult& result) {
    return result.Prices.Currency;
}

std::vector<WorkbookColumn> LineColumns(const SearchResult& result) {
    const std::string code = "(" + PriceCurrency(result) + ")";
    std::vector<WorkbookColumn> columns{
        {"Part Number", CellStyle::Text, [](const LineResult& l) { return Text(l.Line->PartNumber); }},
        {"Band Low (MHz)", CellStyle::General,
         [](const LineResult& l) { return WorkbookCell(l.Line->LowFrequency); }},
        {"Band High (MHz)", CellStyle::General,
         [](const LineResult& l) { return WorkbookCell(l.Line->HighFrequency); }},
        {"Description", CellStyle::Text, [](const LineResult& l) { return Text(l.Line->Description); }}};
    // Every figure in its place whatever the length: "N/A" where the grid shows it, empty where the grid
    // leaves its column out (a part-number lookup without a length).
    const bool computed = result.FiguresComputed;
    for (const FigureField& field : kFigureFields) {
        const Figure id = field.Id;
        const CellStyle style = id == Figure::MidBand ? CellStyle::General : CellStyle::Fixed2;
        columns.push_back({field.Heading, style, [id, computed](const LineResult& l) {
                               return computed ? Number(l[id].Value) : WorkbookCell();
                           }});
    }
    columns.push_back({"List Price Per Foot " + code, CellStyle::Price,
                       [](const LineResult& l) { return Number(l[Figure::PricePerFoot].Value); }});
    columns.push_back({"List Price Per Meter " + code, CellStyle::Price,
                       [](const LineResult& l) { return Number(l[Figure::PricePerMeter].Value); }});
    // Every line's cost, "N/A" where it has none (no length, a connector without a price).
    columns.push_back({"Cost Of Run " + code, CellStyle::Price,
                       [](const LineResult& l) { return Number(l[Figure::CostOfRun].Value); }});
    if (EchoOf(result.Query).MaxLossDb) {
        columns.push_back(
            {std::string("Longest Run Within Budget (") + UnitName(result.Query.Length.Unit) + ")",
             CellStyle::Fixed2, [](const LineResult& l) { return Number(l[Figure::LongestRun].Value); }});
    }
    columns.push_back({"Connectors", CellStyle::Text, [](const LineResult& l) {
                           std::vector<std::string> names;
                           for (const TConnector& connector : l.Line->Connectors)
                               names.emplace_back(connector.ConnectorName);
                           return WorkbookCell(Join(names));
                       }});
    return columns;
}

std::vector<QueryRow> QueryRows(const SearchResult& result) {
    const QueryEcho q = EchoOf(result.Query);
    const auto optionalNumber = [](const std::optional<double>& v) {
        return v ? WorkbookCell(*v) : WorkbookCell();
    };
    const auto optionalText = [](const std::optional<std::string>& t) {
        return t ? Text(*t) : WorkbookCell();
    };
    std::vector<QueryRow> rows;
    if (q.PartNumber)
        rows.push_back({"Part Number", Text(*q.PartNumber)});
    else
        rows.push_back({"By Frequency", WorkbookCell(std::string(q.Band ? "Yes" : "No"))});
    if (q.Band) {
        rows.push_back({"Beginning Frequency (MHz)", q.Band->Low});
        rows.push_back({"Ending Frequency (MHz)", q.Band->High});
    }
    rows.push_back({"Maximum Insertion Loss (dB)", optionalNumber(q.MaxLossDb)});
    rows.push_back({"Length", optionalNumber(q.Length)});
    rows.push_back({"Units", WorkbookCell(std::string(q.Unit == LengthUnit::Feet ? "Feet" : "Meters"))});
    rows.push_back({"VSWR", optionalNumber(q.Vswr)});
    rows.push_back({"Connector #1", optionalText(q.Connector1)});
    rows.push_back({"Connector #2", optionalText(q.Connector2)});
    std::string families;
    for (const auto& family : q.Families)
        families += (families.empty() ? "" : ", ") + family;
    if (!q.PartNumber)
        rows.push_back({"Cable Families", families});
    rows.push_back({"Currency", PriceCurrency(result)});
    rows.push_back({"Lines Found", static_cast<double>(result.Lines.size())});
    return rows;
}

std::size_t CellWidth(const WorkbookCell& cell, CellStyle style, const std::string& currency) {
    if (const auto* text = std::get_if<std::string>(&cell))
        return CodePoints(*text);
    const auto* number = std::get_if<double>(&cell);
    if (!number)
        return 0;
    switch (style) {
    case CellStyle::Fixed2:
        return FormatFixed2(*number, '.').size();
    case CellStyle::Price:
        return currency.size() + 1 + FormatFixed2(*number, '.').size();
    case CellStyle::Text:
    case CellStyle::General:
        break;
    }
    return FormatGeneral(*number, '.').size();
}

} // namespace dorvik
