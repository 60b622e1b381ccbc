#pragma once
// The HTML export: one table of the transmission-line grid, headings in bold. The page is UTF-8 and says so;
// headings and cells are decoded from the data files' bytes and escaped, so a value can never become markup.
// Every table row ends with an empty, unclosed cell, as the page has always looked. Lines end with CR LF.
#include "core/output/text_sink.h"
#include "core/output/text_table.h"
#include "core/text/markup.h"

#include <string>
#include <string_view>

namespace dorvik {

// One line at a time.
void WriteHtmlPage(const TextTable& specs, int border, const TextSink& write);
std::string BuildHtmlPage(const TextTable& specs, int border);

} // namespace dorvik
