#include "cli/data_check_run.h"

#include "core/catalogue/data_check.h"
#include "core/errors.h"
#include "core/forms/app_environment.h"
#include "core/forms/main_window/frm_main.h"
#include "core/store/registry_file_store.h"
#include "core/store/system_store.h"
#include "core/text/text_file.h"

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

DataFileLines Read(const std::filesystem::path& path) {
    return {path.string(), ReadTextLines(path)};
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
    DataFileLines catalogue, prices, rates;
    try {
        catalogue = Read(catalogueFile);
        prices = Read(*priceFile);
        if (ratesFile)
            rates = Read(*ratesFile);
    } catch (const FileError& error) {
        err << "dorvik-query: " << error.what() << '\n';
        return kFailed;
    }
    const auto problems =
        CheckDataFiles(catalogue, prices, rates, ConvertedCurrencyCodes(), tool.decimalSeparator);
    for (const auto& problem : problems)
        out << DecodeForDisplay(problem.File + ":" + std::to_string(problem.Line) + ": " + problem.Message)
            << '\n';
    out.flush();
    return problems.empty() ? kLinesListed : kNoLines;
}

} // namespace dorvik::cli
