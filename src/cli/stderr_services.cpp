#include "cli/stderr_services.h"

#include "cli/terminal_text.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <string_view>

namespace dorvik::cli {

void StderrServices::ShowMessage(const std::string& text, MessageIcon /*icon*/) {
    std::string breaks(text);
    std::replace(breaks.begin(), breaks.end(), '\r', '\n');
    // Every line names the tool, so a script's log tells whose it is; blank lines stay blank.
    const std::string shown = TerminalText(breaks, /*keepLineBreaks=*/true);
    std::size_t start = 0;
    do {
        const std::size_t end = std::min(shown.find('\n', start), shown.size());
        if (end > start)
            err_ << "dorvik-query: ";
        err_ << std::string_view(shown).substr(start, end - start) << '\n';
        start = end + 1;
    } while (start < shown.size());
    err_.flush();
}

bool StderrServices::Confirm(const std::string& text) {
    ShowMessage(text, MessageIcon::Information);
    return confirmAnswer_;
}

CalendarDate StderrServices::Today() {
    const std::chrono::year_month_day today{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
            static_cast<int>(static_cast<unsigned>(today.day()))};
}

} // namespace dorvik::cli
