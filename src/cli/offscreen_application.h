#pragma once
// The report engine paints with Qt's GUI module; the tool needs no display for it.
#include <QGuiApplication>

#include <filesystem>
#include <optional>

namespace dorvik::cli {

// Creates the tool's QGuiApplication on the offscreen platform unless one exists. Without a session's runtime
// folder, Qt gets one inside the run's private folder, which goes away with it.
class OffscreenApplication {
public:
    explicit OffscreenApplication(const std::filesystem::path& privateFolder);

private:
    int argc_ = 1;
    char name_[13] = "dorvik-query";
    char* argv_[2] = {name_, nullptr};
    std::optional<QGuiApplication> app_;
};

} // namespace dorvik::cli
