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

void WriteHtmlPage(const TextTable& specs, int border, const TextSink& write) {
    std::string text;
    const auto line = [&text, &write](std::string_view part) {
        text.assign(part);
        text += kLineEnd;
        write(text);
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
        for (int col = 1; col <= specs.ColCount(); ++col) {
            row += ForPage(specs.Cell(col, r));
            row += "</TD><TD>";
        }
        row += "</TR>";
        line(row);
    }
    line("</TABLE>");
    line("</BODY>");
    line("</HTML>");
}

std::string BuildHtmlPage(const TextTable& specs, int border) {
    return CollectText([&](const TextSink& write) { WriteHtmlPage(specs, border, write); });
}

} // namespace dorvik
