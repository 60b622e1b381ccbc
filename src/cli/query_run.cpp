#include "cli/query_run.h"

#include "cli/chart_run.h"
#include "cli/formatters.h"
#include "cli/output_clashes.h"
#include "cli/output_target.h"
#include "cli/print_run.h"
#include "cli/scratch_folder.h"
#include "cli/stderr_services.h"
#include "cli/terminal_text.h"
#include "core/errors.h"
#include "core/forms/main_window/frm_main.h"
#include "core/output/html_page.h"
#include "core/output/spreadsheet_text.h"
#include "core/output/workbook.h"
#include "core/store/memory_settings_store.h"
#include "core/store/registry_file_store.h"
#include "core/store/system_store.h"
#include "core/text/letter_case.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>
#include <system_error>
#include <unistd.h>

namespace dorvik::cli {

namespace {

// A pipe or a device is read as a file is.
bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec);
}

// Why a file cannot be read (it would run as an empty query, as a missing one would); empty when it can. A
// pipe is not read here: its bytes are the query's, read once.
std::string UnreadableReason(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec)
        return ec.message();
    if (std::filesystem::is_directory(status))
        return "it is a folder";
    if (::access(path.c_str(), R_OK) != 0)
        return std::strerror(errno);
    if (std::filesystem::is_regular_file(status)) {
        try {
            errno = 0;
            ReadWholeFile(path);
        } catch (const FileError&) {
            return errno != 0 ? std::strerror(errno) : "it cannot be read";
        }
    }
    return {};
}

// The connectors of a listed line as the JSON document lists them.
std::vector<ConnectorParts> ConnectorsOf(const TfrmMain& form, int row) {
    std::vector<ConnectorParts> connectors;
    for (auto& connector : form.ConnectorRowsOf(row)) {
        ConnectorParts parts{std::move(connector.Name), {}};
        for (auto& [partNumber, description, price] : connector.PartNumbers)
            parts.partNumbers.push_back({std::move(partNumber), std::move(description), std::move(price)});
        connectors.push_back(std::move(parts));
    }
    return connectors;
}

TAppEnvironment MakeEnvironment(const QueryOptions& options, const ToolEnvironment& tool,
                                const std::filesystem::path& privateFolder) {
    TAppEnvironment env;
    if (options.part)
        env.Params = {*options.part};
    else
        env.Params = {"FILE", options.queryFile->string()};
    env.ProgramFolder = tool.programFolder;
    // Nothing of a query run writes there; a folder that does not exist makes sure of it.
    env.OutputFolder = tool.programFolder / "dorvik-query never writes here";
    if (!privateFolder.empty())
        env.OutputFolder = privateFolder; // the print data file, private to this run
    env.DecimalSeparator = tool.decimalSeparator;
    env.CatalogueFile = options.catalogueFile;
    env.PriceFile = options.priceFile;
    env.RatesFile = options.ratesFile;
    env.UserCatalogueFile = options.userCatalogueFile;
    env.UserPriceFile = options.userPriceFile;
    env.DataFileAccess = FileBytes::Access::Map; // one query, then the process ends
    return env;
}

// Written as they are made: a long hit list is never held whole as text.
void WriteResults(TfrmMain& form, OutputFormat format, std::ostream& out) {
    const TextSink write = [&out](std::string_view part) {
        out.write(part.data(), static_cast<std::streamsize>(part.size()));
    };
    switch (format) {
    case OutputFormat::Tsv:
        WriteSpreadsheetText(form.ListedColumns(), write);
        return;
    case OutputFormat::Html:
        WriteHtmlPage(form.ListedColumns(), 3, write);
        return;
    case OutputFormat::Text:
        WriteTextTable(form.grdSpecs, write);
        return;
    case OutputFormat::Xlsx:
        return; // a file, written by RunQuery
    case OutputFormat::Json:
        WriteJson(
            form.ListedColumns(), form.ConnectorHeadings(),
            [&form](int row) { return ConnectorsOf(form, row); }, form.Result(), write);
        return;
    }
}

int UsageFailure(std::ostream& err, const std::string& message) {
    err << "dorvik-query: " << message << '\n';
    return kFailed;
}

bool IsCurrencyCode(const std::string& code) {
    const auto codes = ConvertedCurrencyCodes();
    return code == "USD" || std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The chart is made under a name that tells its format: a stream's own name need not.
std::filesystem::path MadeChartFile(const std::filesystem::path& folder,
                                    const std::filesystem::path& target) {
    const std::string extension = LowerCaseAscii(target.extension().string());
    const bool stream = target == "-" || IsStreamFile(target);
    const bool painted = extension == ".png" || extension == ".pdf";
    return folder / ("chart" + (stream && !painted ? std::string(".svg") : extension));
}

// What a run writes besides standard output, checked before the query runs.
struct Outputs {
    std::optional<OutputTarget> pdf, chart, workbook;
};

} // namespace

int RunQuery(const QueryOptions& options, const ToolEnvironment& tool, std::ostream& out, std::ostream& err) {
    // The desktop program would read an empty query from a missing file; a tool should say so instead.
    if (const auto reason = options.queryFile ? UnreadableReason(*options.queryFile) : ""; !reason.empty())
        return UsageFailure(err, "cannot read the query file " +
                                     TerminalText(QuotedExcerpt(options.queryFile->string())) + ": " +
                                     reason);
    // The code first: an unknown one is wrong whatever the files hold.
    if (options.currency && !IsCurrencyCode(*options.currency))
        return UsageFailure(err,
                            "unknown currency code '" + TerminalText(QuotedExcerpt(*options.currency)) + "'");
    const auto ratesFile = options.ratesFile.value_or(tool.programFolder / "xcngrate.dat");
    // A file named on the command line is meant to be used; one beside the program is optional.
    if (const auto reason = options.ratesFile ? UnreadableReason(ratesFile) : ""; !reason.empty())
        return UsageFailure(err, "cannot read the exchange-rate file " +
                                     TerminalText(QuotedExcerpt(ratesFile.string())) + ": " + reason);
    for (const auto& userFile : {options.userCatalogueFile, options.userPriceFile})
        if (const auto reason = userFile ? UnreadableReason(*userFile) : ""; !reason.empty())
            return UsageFailure(err, "cannot read the user's file " +
                                         TerminalText(QuotedExcerpt(userFile->string())) + ": " + reason);
    // US dollars are the catalogue's own prices: they need no rates.
    if (options.currency && *options.currency != "USD" && !IsFile(ratesFile))
        return UsageFailure(
            err, "--currency needs the exchange rates: xcngrate.dat beside the program, or --rates FILE");

    // A copy: whatever the run stores (the currency, the page's settings) never reaches the user's file.
    const RegistryFileStore userStore(tool.storeFile,
                                      ReadSystemSettings(tool.systemStoreFiles, tool.installedSharedFolder));
    MemorySettingsStore store(userStore);

    Outputs outputs;
    try {
        if (options.pdfFile)
            outputs.pdf.emplace(*options.pdfFile);
        if (options.chartFile)
            outputs.chart.emplace(*options.chartFile);
        if (options.outputFile)
            outputs.workbook.emplace(*options.outputFile);
    } catch (const OutputError& error) {
        return UsageFailure(err, error.what());
    }
    if (const auto clash =
            OutputClash({{"the query file", options.queryFile.value_or("")},
                         {"the catalogue",
                          options.catalogueFile.value_or(tool.programFolder / "Freq_TLine_Connectors.dat")},
                         {"the price list", options.priceFile.value_or("")},
                         {"the exchange-rate file", ratesFile}},
                        {{"--output", options.outputFile.value_or("")},
                         {"--pdf", options.pdfFile.value_or("")},
                         {"--chart", options.chartFile.value_or("")}}))
        return UsageFailure(err, *clash);

    // A report is asked for from the command line: the page-count question counts as answered Yes.
    StderrServices services(err, options.print.has_value());
    // The print data file and the offscreen platform's runtime folder, private to this run.
    std::optional<ScratchFolder> privateFolder;
    try {
        if (options.print || options.chartFile || options.outputFile)
            privateFolder.emplace();
    } catch (const std::exception& error) {
        return UsageFailure(err, error.what());
    }
    TfrmMain form(
        MakeEnvironment(options, tool, privateFolder ? privateFolder->Path() : std::filesystem::path()),
        store, services);
    // US dollars without --currency, whatever the stored settings say.
    form.ChooseCurrency(options.currency.value_or("USD"));
    try {
        // FormCreate runs the command-line set-up and the search, as at the desktop program's start.
        form.FormCreate();
        if (form.TerminateRequested || !form.Loaded)
            return kFailed;
        if (options.sort)
            form.SortBy(*options.sort);
        const SearchResult& result = form.Result();
        if (result.Outcome == SearchOutcome::Refused)
            return kRefused;
        if (result.Outcome == SearchOutcome::NotRun)
            return kFailed;
        // Lines shown with "N/A" or left out are listed as the desktop program lists them; the reason goes
        // here.
        if (const std::string note = result.Note(); !note.empty())
            err << "dorvik-query: " << note << '\n';
        if (result.Outcome != SearchOutcome::Listed) {
            // A JSON reader gets a document whatever was found.
            if (options.format == OutputFormat::Json && !options.print)
                WriteResults(form, options.format, out);
            return kNoLines;
        }
        // --pdf and --chart are made whole in the private folder, then delivered.
        if (options.print) {
            QueryOptions printing = options;
            printing.pdfFile = privateFolder->Path() / "report.pdf";
            if (const int status = PrintResults(form, printing, err); status != kLinesListed)
                return status;
            outputs.pdf->Deliver(*printing.pdfFile, out);
        } else {
            if (options.outputFile) {
                const auto made = privateFolder->Path() / "lines.xlsx";
                WriteWorkbook(result, made, privateFolder->Path());
                outputs.workbook->Deliver(made, out);
            }
            WriteResults(form, options.format, out);
            out.flush();
        }
        if (options.chartFile && out) {
            const auto made = MadeChartFile(privateFolder->Path(), *options.chartFile);
            if (const int status = WriteChart(form, made, privateFolder->Path(), err); status != kLinesListed)
                return status;
            outputs.chart->Deliver(made, out);
        }
    } catch (const OutputError& error) {
        return UsageFailure(err, error.what());
    } catch (const std::exception& error) {
        // The desktop program's general error handler.
        services.ShowMessage(error.what(), MessageIcon::Error);
        return kFailed;
    }
    if (!out)
        return UsageFailure(err, "cannot write the results");
    return kLinesListed;
}

} // namespace dorvik::cli
