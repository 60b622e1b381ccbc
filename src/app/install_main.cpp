// Puts the sample data where an installation puts the maker's data: the catalogue, the exchange rates and
// the update dialog's picture beside the program, the price list in the shared data folder, and the folder's
// "Path" in the settings store when the user has none.
#include "core/store/registry_file_store.h"
#include "core/store/settings_store.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: dorvik-install SAMPLE_FOLDER PROGRAM_FOLDER SHARED_DATA_FOLDER\n";
        return 2;
    }
    const std::filesystem::path sample = argv[1];
    const std::filesystem::path program = argv[2];
    std::filesystem::path shared = argv[3];
    std::error_code ec;
    const auto copy = [&ec](const std::filesystem::path& from, const std::filesystem::path& to) {
        std::filesystem::create_directories(to.parent_path(), ec);
        std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ec);
        if (ec)
            std::cerr << "Cannot copy " << from << " to " << to << ": " << ec.message() << "\n";
        return !ec;
    };
    dorvik::RegistryFileStore store(dorvik::DefaultStorePath());
    const auto path = store.ReadValue(dorvik::kCommonFilesKey, "Path");
    if (path && path->type == dorvik::StoredValue::Type::String && !path->text.empty()) {
        shared = path->text; // the user's own data folder stays
    } else if (!store.CreateKey(dorvik::kCommonFilesKey) ||
               !store.WriteString(dorvik::kCommonFilesKey, "Path", shared.string())) {
        std::cerr << "Cannot write the settings store " << dorvik::DefaultStorePath() << "\n";
        return 1;
    }
    bool ok = copy(sample / "Freq_TLine_Connectors.dat", program / "Freq_TLine_Connectors.dat");
    ok = copy(sample / "xcngrate.dat", program / "xcngrate.dat") && ok;
    ok = copy(sample / "connect.gif", program / "connect.gif") && ok; // the picture of the update dialog
    if (!std::filesystem::exists(shared / "M_lom.dat"))
        ok = copy(sample / "M_lom.dat", shared / "M_lom.dat") && ok;
    return ok ? 0 : 1;
}
