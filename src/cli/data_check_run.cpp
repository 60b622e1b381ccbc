#include "cli/data_check_run.h"

#include "cli/terminal_text.h"
#include "core/catalogue/data_check.h"
#include "core/errors.h"
#include "core/forms/app_environment.h"
#include "core/forms/main_window/frm_main.h"
#include "core/store/registry_file_store.h"
#include "core/store/system_store.h"
#include "core/text/file_bytes.h"

#include <ostream>
#include <system_error>

namespace dorvik::cli {

namespace {

// The price list the desktop program would read: M_lom.dat in the shared data folder of the settings.
std::optional<std::filesystem::path> SharedPriceFile(const ToolEnvironment& tool) {
    const RegistryFileStore store(tool.storeFile,
                                  ReadSystemSettings(tool.systemStoreFiles, tool.installedSharedFolder));
    const auto value = store.ReadValue(kCommonFilesKey, "Path");
    if (!value || value->type != StoredValue::Type::String)
        return std::nullopt;
    return std::filesystem::path(value->text + "/M_lom.dat");
}

DataFile Read(const std::filesystem::path& path) {
    // Mapped: the check reads each file once, then the process ends.
    return {path.string(), FileBytes::Read(path, FileBytes::Access::Map)};
}

} // namespace

int RunDataCheck(const QueryOptions& options, const ToolEnvironment& tool, std::ostream& out,
                 std::ostream& err) {
    const auto catalogueFile =
        options.catalogueFile.value_or(tool.programFolder / "Freq_TLine_Connectors.dat");
    const auto priceFile = options.priceFile ? options.priceFile : SharedPriceFile(tool);
    if (!priceFile) {
        err << "dorvik-query: the settings name no shared data folder: give the price list with --prices "
               "FILE\n";
        return kFailed;
    }
    // The rates are optional, unless named.
    auto ratesFile = options.ratesFile;
    std::error_code ec;
    if (!ratesFile && std::filesystem::exists(tool.programFolder / "xcngrate.dat", ec))
        ratesFile = tool.programFolder / "xcngrate.dat";
    long long listed = 0;
    bool failed = false; // a problem, not only warnings
    bool more = false;
    try {
        const DataFile catalogue = Read(catalogueFile);
        const DataFile prices = Read(*priceFile);
        const DataFile rates = ratesFile ? Read(*ratesFile) : DataFile{};
        const DataFile userCatalogue =
            options.userCatalogueFile ? Read(*options.userCatalogueFile) : DataFile{};
        const DataFile userPrices = options.userPriceFile ? Read(*options.userPriceFile) : DataFile{};
        // Each written as it is found; the one past the limit only says there are more.
        const ProblemSink sink = [&](const DataProblem& problem) {
            failed = failed || !problem.Warning;
            if (listed == options.maxProblems) {
                more = true;
                return false;
            }
            ++listed;
            out << TerminalText(ProblemText(problem)) << '\n';
            return true;
        };
        CheckDataFiles(catalogue, prices, rates, ConvertedCurrencyCodes(), tool.decimalSeparator, sink);
        CheckUserFiles(catalogue, prices, userCatalogue, userPrices, tool.decimalSeparator, sink);
    } catch (const FileError& error) {
        err << "dorvik-query: " << error.what() << '\n';
        return kFailed;
    }
    if (more)
        out << "and more: the check stops after " << listed << " problems and warnings (--max-problems N)\n";
    out.flush();
    if (!out) {
        err << "dorvik-query: cannot write the problems\n";
        return kFailed;
    }
    return failed ? kNoLines : kLinesListed;
}

} // namespace dorvik::cli
