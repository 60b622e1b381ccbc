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

std::string PriceCurrency(const ResultsFigures& figures) {
    return figures.Lines.empty() ? std::string("USD") : figures.Lines.front().Currency;
}

std::vector<WorkbookColumn> LineColumns(const ResultsFigures& figures) {
    const std::string code = "(" + PriceCurrency(figures) + ")";
    std::vector<WorkbookColumn> columns{
        {"Part Number", CellStyle::Text, [](const LineFigures& l) { return Text(l.PartNumber); }},
        {"Band Low (MHz)", CellStyle::General, [](const LineFigures& l) { return WorkbookCell(l.Band.Low); }},
        {"Band High (MHz)", CellStyle::General,
         [](const LineFigures& l) { return WorkbookCell(l.Band.High); }},
        {"Description", CellStyle::Text, [](const LineFigures& l) { return Text(l.Description); }}};
    // The figures a part-number lookup without a length leaves out are left out here too.
    for (const FigureField& field : kFigureFields) {
        const auto member = field.Member;
        if (std::none_of(figures.Lines.begin(), figures.Lines.end(),
                         [member](const LineFigures& l) { return (l.*member).has_value(); }))
            continue;
        const CellStyle style = member == &LineFigures::MidBandMhz ? CellStyle::General : CellStyle::Fixed2;
        columns.push_back(
            {field.Heading, style, [member](const LineFigures& l) { return Number(l.*member); }});
    }
    columns.push_back({"List Price Per Foot " + code, CellStyle::Price,
                       [](const LineFigures& l) { return WorkbookCell(l.PricePerFoot); }});
    columns.push_back({"List Price Per Meter " + code, CellStyle::Price,
                       [](const LineFigures& l) { return WorkbookCell(l.PricePerMeter); }});
    if (figures.Query.MaxLossDb) {
        columns.push_back({std::string("Longest Run Within Budget (") + UnitName(figures.Query.Feet) + ")",
                           CellStyle::Fixed2, [](const LineFigures& l) { return Number(l.LongestRun); }});
    }
    columns.push_back({"Connectors", CellStyle::Text,
                       [](const LineFigures& l) { return WorkbookCell(Join(l.Connectors)); }});
    return columns;
}

std::vector<QueryRow> QueryRows(const ResultsFigures& figures) {
    const QueryEcho& q = figures.Query;
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
    rows.push_back({"Units", WorkbookCell(std::string(q.Feet ? "Feet" : "Meters"))});
    rows.push_back({"VSWR", optionalNumber(q.Vswr)});
    rows.push_back({"Connector #1", optionalText(q.Connector1)});
    rows.push_back({"Connector #2", optionalText(q.Connector2)});
    std::string families;
    for (const auto& family : q.Families)
        families += (families.empty() ? "" : ", ") + family;
    if (!q.PartNumber)
        rows.push_back({"Cable Families", families});
    rows.push_back({"Currency", PriceCurrency(figures)});
    rows.push_back({"Lines Found", static_cast<double>(figures.Lines.size())});
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
