#pragma once
// The command line of dorvik-query.
#include "core/engine/search_result.h"
#include "core/forms/printing/frm_print_options.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dorvik::cli {

enum class OutputFormat { Text, Tsv, Html, Json, Xlsx };

struct QueryOptions {
    std::optional<std::filesystem::path> queryFile; // QUERY.dvk
    std::optional<std::string> part;                // PART[|LENGTH|UNIT]
    std::optional<std::filesystem::path> catalogueFile;
    std::optional<std::filesystem::path> priceFile;
    std::optional<std::filesystem::path> ratesFile;
    // The user's own lines and their prices, read after the maker's only when named.
    std::optional<std::filesystem::path> userCatalogueFile;
    std::optional<std::filesystem::path> userPriceFile;
    std::optional<std::string> currency; // upper-cased code
    std::optional<SortOrder> sort;       // --sort: in place of the query file's Sort=
    OutputFormat format = OutputFormat::Text;
    bool check = false;               // check the data files instead of running a query
    long long maxProblems = 1000;     // --max-problems: --check stops after this many
    std::optional<PrintExtent> print; // --print: a report instead of the results on standard output
    long long printRow = 1;           // --row: the results grid's current row (from 1; huge values saturate)
    // --pdf and --chart: "-" is standard output; a FIFO or a character device is written as a stream.
    std::optional<std::filesystem::path> pdfFile;    // --pdf: where the report goes
    std::optional<std::filesystem::path> chartFile;  // --chart: the chart of the lines listed, .svg or .png
    std::optional<std::filesystem::path> outputFile; // --output: where a workbook (--format xlsx) goes
    std::optional<std::filesystem::path> fitTable;   // --fit: a datasheet's table to fit instead of a query
    std::string fitType = "FOAM";                    // --type: FOAM, AIR or EW
    bool help = false;
    bool version = false;
};

// A command line that does not make sense; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments without the program's name. Options take their value as the next argument or after "=";
// "--" ends the options. Throws UsageError.
QueryOptions ParseOptions(const std::vector<std::string>& args);

std::string UsageText();

} // namespace dorvik::cli
