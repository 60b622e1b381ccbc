#include "core/forms/services.h"

namespace dorvik {

void ProposeIn(TFileDialog& dialog, const std::filesystem::path& folder, std::string_view extension) {
    dialog.InitialDir = folder.string();
    if (dialog.FileName.empty())
        return;
    const auto stem = std::filesystem::path(dialog.FileName).stem();
    dialog.FileName = stem.empty() ? std::string() : stem.string() + "." + std::string(extension);
}

} // namespace dorvik
