#include "core/forms/services.h"

#include <ctime>
#include <exception>

namespace dorvik {

CalendarDateTime IPlatformServices::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {
        {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min, local.tm_sec};
}

void RunHandler(IPlatformServices& services, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        services.ShowMessage(error.what(), MessageIcon::Error);
    }
}

} // namespace dorvik
