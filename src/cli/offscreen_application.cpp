#include "cli/offscreen_application.h"

namespace dorvik::cli {

OffscreenApplication::OffscreenApplication(const std::filesystem::path& privateFolder) {
    if (QGuiApplication::instance() != nullptr)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((privateFolder / "runtime").string()));
    app_.emplace(argc_, argv_);
}

} // namespace dorvik::cli
