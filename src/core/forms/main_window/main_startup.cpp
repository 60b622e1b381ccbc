// Creation and destruction of the main window: locating and loading the data files, filling the pick lists.
#include "core/catalogue/catalogue_loader.h"
#include "core/errors.h"
#include "core/forms/main_window/frm_main.h"
#include "core/text/line_views.h"
#include "core/text/text_file.h"

#include <system_error>

namespace dorvik {

namespace {
constexpr const char* kMissingFilesMessage =
    "One or more files needed to run this application are missing.\rPlease check the appropriate directories "
    "for 'M_Lom.dat' and 'Freq_TLine_Connectors.dat'.";

// A pipe or a device is read as a file is (the command line's process substitution, /dev/stdin).
bool FileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec);
}

// The user's files only where they exist: a new user has none.
std::optional<std::filesystem::path> ExistingFile(const std::optional<std::filesystem::path>& path) {
    return path && FileExists(*path) ? path : std::nullopt;
}

// The message names this many problems; the rest are counted, and listed under the message's details.
constexpr std::size_t kProblemsNamed = 20;

std::string JoinLines(const std::vector<std::string>& lines, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) {
        if (i > 0)
            text += '\r';
        text += lines[i];
    }
    return text;
}
} // namespace

// Where the files were looked for, so a user can tell which folder to check.
std::string TfrmMain::MissingFilesMessage() const {
    return std::string(kMissingFilesMessage) + "\r\rThe catalogue is looked for as '" +
           CatalogueFilePath().string() + "', the price list as '" + PriceFilePath().string() + "'.";
}

std::filesystem::path TfrmMain::CatalogueFilePath() const {
    return env_.CatalogueFile.value_or(env_.ProgramFolder / "Freq_TLine_Connectors.dat");
}

std::filesystem::path TfrmMain::PriceFilePath() const {
    // The folder text followed by "\M_lom.dat", with this platform's separator.
    return env_.PriceFile.value_or(std::filesystem::path(SharedDataFolder + "/M_lom.dat"));
}

std::filesystem::path TfrmMain::RatesFilePath() const {
    return env_.RatesFile.value_or(env_.ProgramFolder / "xcngrate.dat");
}

void TfrmMain::ReadSharedDataFolder() {
    SharedDataFolder.clear();
    // The shared folder only locates the price list: a price list named outright needs no settings.
    if (env_.PriceFile)
        return;
    if (!store_.KeyExists(kCommonFilesKey)) {
        services_.ShowMessage("Unable to locate Registry Key", MessageIcon::Error);
    } else if (const auto value = store_.ReadValue(kCommonFilesKey, "Path");
               value && value->type == StoredValue::Type::String) {
        SharedDataFolder = value->text;
        return;
    }
    services_.ShowMessage("Unable to create path from Registry", MessageIcon::Error);
}

void TfrmMain::ReportCatalogueProblems(const std::vector<std::string>& problems) {
    std::string text = "Some lines of the catalogue could not be read and were left out:\r\r" +
                       JoinLines(problems, kProblemsNamed);
    if (problems.size() > kProblemsNamed)
        text += "\rand " + std::to_string(problems.size() - kProblemsNamed) + " more";
    services_.ShowDetailedMessage(text, MessageIcon::Warning, JoinLines(problems, problems.size()));
}

void TfrmMain::WarnOfNulByte(std::string_view bytes, const std::string& fileName) const {
    if (const auto problem = NulByteProblem(bytes, fileName))
        services_.ShowMessage(*problem, MessageIcon::Warning);
}

LoadedCatalogue TfrmMain::LoadCatalogueFiles(const std::filesystem::path& cataloguePath) const {
    FileBytes maker = FileBytes::Read(cataloguePath, env_.DataFileAccess);
    const auto userPath = ExistingFile(env_.UserCatalogueFile);
    if (!userPath)
        return LoadCatalogue(std::move(maker), DecimalSeparator(), cataloguePath.filename().string());
    return LoadCatalogue(std::move(maker), FileBytes::Read(*userPath, env_.DataFileAccess),
                         DecimalSeparator(), cataloguePath.filename().string(),
                         userPath->filename().string());
}

PriceList TfrmMain::LoadPriceFiles(const std::filesystem::path& pricePath) const {
    FileBytes maker = FileBytes::Read(pricePath, env_.DataFileAccess);
    // Searched for its NUL without holding the whole list in memory: most of it is never read again.
    if (const std::size_t nul = maker.FindNul(); nul != std::string_view::npos)
        WarnOfNulByte(maker.View().substr(0, nul + 2), pricePath.filename().string());
    const auto userPath = ExistingFile(env_.UserPriceFile);
    if (!userPath)
        return PriceList(std::move(maker), DecimalSeparator());
    // One list, the maker's lines first: a part number priced by both keeps the maker's price. A NUL ends a
    // file's text, so each is cut there before they are joined.
    const auto text = [](std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); };
    std::string joined(text(maker.View()));
    joined += '\n';
    const FileBytes user = FileBytes::Read(*userPath, FileBytes::Access::Copy);
    WarnOfNulByte(user.View(), userPath->filename().string());
    joined += text(user.View());
    return PriceList(FileBytes(std::move(joined)), DecimalSeparator());
}

void TfrmMain::LoadDataFiles() {
    const auto cataloguePath = CatalogueFilePath();
    const auto pricePath = PriceFilePath();
    if (!FileExists(cataloguePath) || !FileExists(pricePath)) {
        services_.ShowMessage(MissingFilesMessage(), MessageIcon::Error);
        return;
    }
    const auto ratesPath = RatesFilePath();
    CurrencyAvailable = FileExists(ratesPath);
    if (CurrencyAvailable) {
        try {
            const FileBytes rates = FileBytes::Read(ratesPath);
            WarnOfNulByte(rates.View(), ratesPath.filename().string());
            ExchangeRates = SplitLines(rates.View());
        } catch (const FileError& error) {
            // The rates are optional: without them the program runs in US dollars.
            CurrencyAvailable = false;
            ExchangeRates.clear();
            services_.ShowMessage(std::string(error.what()) + "\rPrices are shown in US dollars.",
                                  MessageIcon::Warning);
        }
    }
    // Each file in one block: the catalogue's records view its bytes; the price list reads its own when a
    // search asks for prices.
    LoadedCatalogue loaded = LoadCatalogueFiles(cataloguePath);
    PriceLines = LoadPriceFiles(pricePath);
    TheCatalogue = std::move(loaded.Lines);
    BeginFrequencyList = std::move(loaded.BeginFrequencyList);
    EndFrequencyList = std::move(loaded.EndFrequencyList);
    Loaded = true;
    if (!loaded.Problems.empty())
        ReportCatalogueProblems(loaded.Problems);
    if (!HasParams()) {
        cbxBeginningFrequency.SetItems(TextsOf(BeginFrequencyList));
        cbxEndingFrequency.SetItems(TextsOf(EndFrequencyList));
        cbxConnector.SetItems(loaded.ConnectorNameList);
        cbxConnector2.SetItems(std::move(loaded.ConnectorNameList));
    }
}

void TfrmMain::FormCreate() {
    PageControl1.SetActivePageIndex(0);
    Loaded = false;
    ReadSharedDataFolder();
    ExchangeRates.clear();
    BeginFrequencyList.clear();
    EndFrequencyList.clear();
    TheCatalogue.clear();
    Hits.clear();
    try {
        LoadDataFiles();
    } catch (const FileError& error) {
        // A data file that exists but cannot be read counts as missing; the program runs on without data.
        services_.ShowMessage(std::string(error.what()) + "\r\r" + MissingFilesMessage(), MessageIcon::Error);
        Loaded = false;
        CurrencyAvailable = false;
        TheCatalogue.clear();
    }
    if (HasParams()) {
        ApplyCommandLine();
    } else {
        cbxConnector.SetItemIndex(0);
        cbxConnector2.SetItemIndex(0);
        cbxBeginningFrequency.SetItemIndex(0);
        cbxEndingFrequency.SetItemIndex(0);
        LoadSettings();
    }
    btnSearch.SetEnabled(Loaded);
    if (HasParams() && !TerminateRequested)
        btnSearchClick();
}

void TfrmMain::FormDestroy() {
    // A run of a query file or a part number leaves the stored query page as the user last left it.
    if (!HasParams())
        SaveSettings();
}

} // namespace dorvik
