// dorvik-query: runs one query of the Insertion Loss Calculator without a display.
#include "cli/data_check_run.h"
#include "cli/fit_run.h"
#include "cli/options.h"
#include "cli/query_run.h"
#include "core/forms/app_environment.h"
#include "core/store/registry_file_store.h"
#include "core/store/system_store.h"

#include <clocale>
#include <iostream>
#include <system_error>

namespace {

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        exe = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return exe.parent_path();
}

// The user's locale's, read once; the core never looks at the locale itself.
char LocaleDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const char* point = std::localeconv()->decimal_point;
    const char separator = (point && point[0] != '\0' && point[1] == '\0') ? point[0] : '.';
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

} // namespace

int main(int argc, char** argv) {
    using namespace dorvik::cli;
    std::ios::sync_with_stdio(false);
    QueryOptions options;
    try {
        options = ParseOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "dorvik-query: " << error.what() << "\nTry 'dorvik-query --help'.\n";
        return kFailed;
    }
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    if (options.version) {
        std::cout << "dorvik-query " << DORVIK_VERSION << '\n';
        return 0;
    }
    if (options.fitTable)
        return RunFit(options, std::cout, std::cerr);
    const auto executableFolder = ExecutableFolder(argc > 0 ? argv[0] : nullptr);
    const ToolEnvironment tool{
        dorvik::ProgramFolderOf(executableFolder, DORVIK_PROGRAM_FOLDER_FROM_BIN), dorvik::DefaultStorePath(),
        dorvik::SystemStorePaths(), LocaleDecimalSeparator(),
        dorvik::InstalledSharedFolder(executableFolder, DORVIK_SHARED_FOLDER_FROM_BIN)};
    if (options.check)
        return RunDataCheck(options, tool, std::cout, std::cerr);
    return RunQuery(options, tool, std::cout, std::cerr);
}
