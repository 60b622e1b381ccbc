#include "core/output/html_page.h"

#include "core/text/text_file.h"

namespace dorvik {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTitle = "Veltrane Insertion Loss Calculator Results";

std::string ForPage(std::string_view bytes) {
    return EscapeHtml(DecodeForDisplay(bytes));
}

} // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string BuildHtmlPage(const TGrid& specs, int border) {
    std::string page;
    const auto line = [&page](std::string_view text) {
        page += text;
        page += kLineEnd;
    };
    line("<HTML>");
    line(std::string("<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\"><TITLE>") +
         std::string(kTitle) + "</TITLE></HEAD>");
    line("<BODY>");
    line("<H1><CENTER>" + std::string(kTitle) + "</CENTER></H1>");
    line("<TABLE BORDER = " + std::to_string(border) + " >");
    std::string row = "<TR><TD>";
    for (int col = 1; col <= specs.ColCount(); ++col)
        row += "<B>" + ForPage(specs.Heading(col)) + "</B></TD><TD>";
    line(row + "</TR>");
    for (int r = 1; r <= specs.RowCount(); ++r) {
        row = "<TR><TD>";
        for (int col = 1; col <= specs.ColCount(); ++col)
            row += ForPage(specs.Cell(col, r)) + "</TD><TD>";
        line(row + "</TR>");
    }
    line("</TABLE>");
    line("</BODY>");
    line("</HTML>");
    return page;
}

} // namespace dorvik
