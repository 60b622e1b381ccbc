#include "cli/options.h"

#include "cli/output_target.h"
#include "cli/terminal_text.h"
#include "core/errors.h"
#include "core/text/letter_case.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace dorvik::cli {

namespace {

// An argument as a message quotes it: cut to a readable length, control characters shown as '?'.
std::string Quoted(const std::string& text) {
    return "'" + TerminalText(QuotedExcerpt(text)) + "'";
}

OutputFormat ParseFormat(const std::string& text) {
    if (text == "text")
        return OutputFormat::Text;
    if (text == "tsv")
        return OutputFormat::Tsv;
    if (text == "html")
        return OutputFormat::Html;
    if (text == "json")
        return OutputFormat::Json;
    if (text == "xlsx")
        return OutputFormat::Xlsx;
    throw UsageError("unknown format " + Quoted(text) + " (tsv, html, text, json or xlsx)");
}

std::filesystem::path ParseChartFile(const std::string& text) {
    const std::string extension = LowerCaseAscii(std::filesystem::path(text).extension().string());
    // A stream has no name to tell the format by: it gets SVG.
    if (extension != ".svg" && extension != ".png" && extension != ".pdf" && text != "-" &&
        !IsStreamFile(text))
        throw UsageError("--chart writes a .svg, .png or .pdf file, not " + Quoted(text));
    return text;
}

PrintExtent ParseExtent(const std::string& text) {
    if (text == "list")
        return PrintExtent::List;
    if (text == "page")
        return PrintExtent::Page;
    if (text == "selection")
        return PrintExtent::Selection;
    throw UsageError("unknown print extent " + Quoted(text) + " (list, page or selection)");
}

// Decimal digits alone, leading zeros allowed, at least 1; a number past the largest one reads as the
// largest.
long long ParseCount(const std::string& option, const std::string& what, const std::string& text) {
    constexpr long long kLargest = std::numeric_limits<long long>::max();
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            value = 0;
            break;
        }
        value = value > (kLargest - (c - '0')) / 10 ? kLargest : value * 10 + (c - '0');
    }
    if (value < 1)
        throw UsageError(option + " needs " + what + " from 1, not " + Quoted(text));
    return value;
}

} // namespace

QueryOptions ParseOptions(const std::vector<std::string>& args) {
    QueryOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    bool rowGiven = false;
    bool formatGiven = false;
    bool maxProblemsGiven = false;
    bool typeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            // A lone "-" or any other text is the query file.
            if (!optionsEnded && arg.size() >= 2 && arg[0] == '-')
                throw UsageError("unknown option " + Quoted(arg));
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (name == "--help" || name == "--version" || name == "--check") {
            if (value)
                throw UsageError("option " + Quoted(name) + " takes no value");
            (name == "--help" ? options.help : name == "--version" ? options.version : options.check) = true;
            continue;
        }
        const auto takeValue = [&]() -> std::string {
            if (value)
                return *value;
            if (i + 1 >= args.size())
                throw UsageError("option " + Quoted(name) + " needs a value");
            return args[++i];
        };
        if (name == "--part") {
            if (options.part)
                throw UsageError("--part given twice");
            options.part = takeValue();
            if (options.part->empty())
                throw UsageError("--part needs a part number");
        } else if (name == "--catalogue") {
            options.catalogueFile = takeValue();
        } else if (name == "--prices") {
            options.priceFile = takeValue();
        } else if (name == "--rates") {
            options.ratesFile = takeValue();
        } else if (name == "--user-catalogue") {
            options.userCatalogueFile = takeValue();
        } else if (name == "--user-prices") {
            options.userPriceFile = takeValue();
        } else if (name == "--fit") {
            options.fitTable = takeValue();
        } else if (name == "--type") {
            typeGiven = true;
            options.fitType = UpperCaseAscii(takeValue());
            if (options.fitType != "FOAM" && options.fitType != "AIR" && options.fitType != "EW")
                throw UsageError("unknown cable type " + Quoted(options.fitType) + " (FOAM, AIR or EW)");
        } else if (name == "--currency") {
            options.currency = UpperCaseAscii(takeValue());
        } else if (name == "--sort") {
            const std::string text = takeValue();
            options.sort = ReadSortOrder(text);
            if (!options.sort) {
                std::string keys;
                for (const auto& key : SortKeyNames())
                    keys += (keys.empty() ? "" : ", ") + key;
                throw UsageError("unknown sort " + Quoted(text) + ": KEY or KEY:desc, KEY one of " + keys);
            }
        } else if (name == "--print") {
            options.print = ParseExtent(takeValue());
        } else if (name == "--row") {
            rowGiven = true;
            options.printRow = ParseCount("--row", "a row number", takeValue());
        } else if (name == "--max-problems") {
            maxProblemsGiven = true;
            options.maxProblems = ParseCount("--max-problems", "a number", takeValue());
        } else if (name == "--chart") {
            options.chartFile = ParseChartFile(takeValue());
        } else if (name == "--pdf") {
            options.pdfFile = takeValue();
            if (options.pdfFile->empty())
                throw UsageError("--pdf needs a file name");
        } else if (name == "--format") {
            formatGiven = true;
            options.format = ParseFormat(takeValue());
        } else if (name == "--output") {
            options.outputFile = takeValue();
            if (options.outputFile->empty())
                throw UsageError("--output needs a file name");
        } else {
            throw UsageError("unknown option " + Quoted(name));
        }
    }
    if (options.help || options.version)
        return options;
    if (options.print && !options.pdfFile)
        throw UsageError("--print needs --pdf FILE");
    if (!options.print && (options.pdfFile || rowGiven))
        throw UsageError(std::string(options.pdfFile ? "--pdf" : "--row") + " goes with --print");
    // The report takes the place of the results: there is nothing to format.
    if (options.print && formatGiven)
        throw UsageError("--format formats the results on standard output, which --print does not write");
    if (options.print && options.outputFile)
        throw UsageError("--output writes the workbook of --format xlsx, which --print does not make");
    if (options.chartFile && *options.chartFile == "-") {
        if (!options.print)
            throw UsageError("--chart -: standard output holds the results; name a file, or use --print");
        if (*options.pdfFile == "-")
            throw UsageError("--pdf - and --chart - cannot both be written to standard output");
    }
    if (typeGiven && !options.fitTable)
        throw UsageError("--type goes with --fit");
    if (options.fitTable) {
        if (!positional.empty() || options.part || options.check || options.print || options.chartFile ||
            options.currency || options.sort ||
            (options.format != OutputFormat::Text && options.format != OutputFormat::Json))
            throw UsageError(
                "--fit fits a datasheet's table and runs no query; its formats are text and json");
        return options;
    }
    if (maxProblemsGiven && !options.check)
        throw UsageError("--max-problems goes with --check");
    // A workbook is a file, never a stream to a terminal.
    if (!options.print && (options.format == OutputFormat::Xlsx) != options.outputFile.has_value())
        throw UsageError(options.outputFile ? "--output goes with --format xlsx"
                                            : "--format xlsx needs --output FILE");
    if (options.check) {
        if (!positional.empty() || options.part || options.print || options.chartFile || formatGiven ||
            options.currency || options.sort)
            throw UsageError("--check checks the data files and runs no query");
        return options;
    }
    if (positional.size() > 1)
        throw UsageError("only one query file can be run at a time");
    if (!positional.empty() && options.part)
        throw UsageError("give either a query file or --part, not both");
    if (positional.empty() && !options.part)
        throw UsageError("no query: give a query file (.dvk) or --part");
    if (!positional.empty()) {
        if (positional.front().empty())
            throw UsageError("the query file name is empty");
        options.queryFile = positional.front();
    }
    return options;
}

std::string UsageText() {
    return "Usage: dorvik-query [options] QUERY.dvk\n"
           "       dorvik-query [options] --part 'PART[|LENGTH|UNIT]'\n"
           "       dorvik-query --check [--catalogue FILE] [--prices FILE] [--rates FILE] [--max-problems "
           "N]\n"
           "       dorvik-query --fit TABLE.csv [--type FOAM|AIR|EW] [--format text|json]\n"
           "\n"
           "Runs a saved query, or lists the catalogue lines of one part number, as the Veltrane Insertion "
           "Loss\n"
           "Calculator does when started with FILE QUERY.dvk or with PART[|LENGTH|UNIT], and writes the "
           "lines found\n"
           "to standard output. Messages go to standard error. Nothing is written but the --output, --pdf "
           "and\n"
           "--chart files; none of them may name the query, a data file or another of them.\n"
           "\n"
           "Options:\n"
           "  --catalogue FILE   the catalogue (default: Freq_TLine_Connectors.dat beside the program)\n"
           "  --prices FILE      the price list (default: M_lom.dat in the shared data folder of the "
           "settings)\n"
           "  --rates FILE       the exchange rates (default: xcngrate.dat beside the program, when "
           "present)\n"
           "  --user-catalogue FILE the user's own lines (User_TLine_Connectors.dat), searched with the "
           "maker's;\n"
           "                     a line with a part number of the maker's is left out with a message\n"
           "  --user-prices FILE the prices of the user's own lines (User_M_lom.dat)\n"
           "  --fit TABLE        fit a line's coefficients to its datasheet table instead: a CSV file with a "
           "header\n"
           "                     line naming the columns MHz, dB/100ft or dB/100m, and optionally kW "
           "(average "
           "power);\n"
           "                     lines beginning with '#' are comments. Exit status 2 when it cannot be "
           "fitted\n"
           "  --type TYPE        the line's type for --fit: FOAM (default), AIR or EW (elliptical "
           "waveguide)\n"
           "  --currency CODE    prices in this currency (USD, EUR, GBP, JPY, ..., in any letter case; "
           "every\n"
           "                     code but USD needs exchange rates); default: US dollars. A currency "
           "without\n"
           "                     a usable rate line is reported and the prices stay in US dollars\n"
           "  --sort KEY[:desc]  list the lines in the order of one column, ascending or with :desc\n"
           "                     descending; lines without a value come last, equal ones in catalogue\n"
           "                     order. KEY: part, band, description, midband, attenuation, total, loss,\n"
           "                     efficiency, peak, average, derated, price, cost (the cost of the run).\n"
           "                     In place of the query file's Sort=KEY[:desc]; default: catalogue order\n"
           "  --format FORMAT    text (default), tsv (as the spreadsheet export), html (as the HTML "
           "export),\n"
           "                     json (with the connectors and part numbers of every line, and the figures\n"
           "                     as numbers), xlsx (an Excel workbook, written to --output); not with\n"
           "                     --print\n"
           "  --output FILE      where --format xlsx writes the workbook (replaced whole), to a FIFO or a\n"
           "                     character device as a stream, or to standard output with '-'; not with\n"
           "                     --print (a usage error)\n"
           "  --print EXTENT     print instead: 'list' (every line found), 'page' (six lines from --row) or\n"
           "                     'selection' (the data sheet of the --row line with its first connectors);\n"
           "                     the page-count question is answered Yes; needs --pdf\n"
           "  --row N            the current line of the results (default 1)\n"
           "  --pdf FILE         write the printed report to this PDF file (replaced whole), to a FIFO or a\n"
           "                     character device as a stream, or to standard output with '-'\n"
           "  --chart FILE       also write the chart of the lines listed (the first ten) over frequency:\n"
           "                     attenuation on log-log axes, as FILE.svg, FILE.png or FILE.pdf (a Letter\n"
           "                     page in landscape, as printed; replaced whole), or as SVG to a FIFO or a\n"
           "                     character device; with --print, both are written, and '-' writes the\n"
           "                     chart to standard output\n"
           "  --check            check the data files instead: every problem on a line of its own as\n"
           "                     FILE:LINE: message, as it is found (numbers that do not read, lines "
           "without\n"
           "                     all their fields, part numbers without a price line, part numbers priced\n"
           "                     twice, exchange rates that cannot be used or are missing, a NUL byte, an\n"
           "                     empty catalogue, figures no search can use), and warnings\n"
           "                     about values far outside what a catalogue holds\n"
           "  --max-problems N   --check stops after N problems and warnings (default 1000), saying \"and\n"
           "                     more\" on its last line\n"
           "  --help             show this text\n"
           "  --version          show the version\n"
           "\n"
           "Exit status: 0 when lines were listed (or printed), 1 when none were, 2 on a usage error, a data "
           "file or\n"
           "query file that cannot be read, a --pdf or --chart file that cannot be written, or an error "
           "while\n"
           "computing the results, 3 when a check of the query refused it (no cable type, a loss without a\n"
           "length, the frequencies, a negative length or loss). With --check: 0 when the data files have "
           "no\n"
           "problem (warnings alone leave it 0), 1 when they have, 2 when one cannot be read.\n";
}

} // namespace dorvik::cli
