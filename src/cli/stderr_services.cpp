#include "cli/stderr_services.h"

#include "cli/terminal_text.h"

#include <algorithm>
#include <chrono>
#include <ostream>

namespace dorvik::cli {

void StderrServices::ShowMessage(const std::string& text, MessageIcon /*icon*/) {
    std::string breaks(text);
    std::replace(breaks.begin(), breaks.end(), '\r', '\n');
    err_ << TerminalText(breaks, /*keepLineBreaks=*/true) << '\n';
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
