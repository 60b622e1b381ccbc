#include "core/output/workbook.h"

#include "core/errors.h"
#include "core/output/workbook_sheets.h"
#include "core/text/temporary_folder.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <system_error>

#ifdef DORVIK_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace dorvik {

#ifdef DORVIK_HAVE_XLSXWRITER

namespace {

constexpr double kMaxColumnWidth = 60;

// A folder of this write alone: the library builds the workbook there, in its own temporary files too.
TemporaryFolder MakeScratchFolder(std::filesystem::path parent) {
    std::error_code ec;
    if (parent.empty())
        parent = std::filesystem::temp_directory_path(ec);
    if (ec)
        throw FileError("Cannot create a temporary folder for the workbook: " + ec.message() + ".");
    try {
        return TemporaryFolder(parent, "dorvik-xlsx-");
    } catch (const std::system_error& error) {
        throw FileError("Cannot create a temporary folder for the workbook in " +
                        QuotedExcerpt(parent.string()) + ": " + error.code().message() + ".");
    }
}

struct Formats {
    lxw_format* heading;
    lxw_format* general;
    lxw_format* fixed2;
    lxw_format* price;
};

lxw_format* FormatOf(const Formats& formats, CellStyle style) {
    switch (style) {
    case CellStyle::Fixed2:
        return formats.fixed2;
    case CellStyle::Price:
        return formats.price;
    case CellStyle::Text:
    case CellStyle::General:
        break;
    }
    return formats.general;
}

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const WorkbookCell& cell,
               lxw_format* format) {
    if (const auto* number = std::get_if<double>(&cell))
        worksheet_write_number(sheet, row, col, *number, format);
    else if (const auto* text = std::get_if<std::string>(&cell))
        worksheet_write_string(sheet, row, col, text->c_str(), nullptr);
}

// Wide enough for every cell, and for the heading over two lines.
double FittedWidth(const std::string& heading, std::size_t widest) {
    const double headingHalf = static_cast<double>(heading.size() + 1) / 2;
    return std::min(kMaxColumnWidth, std::max({static_cast<double>(widest), headingHalf, 6.0}) + 2);
}

void WriteLinesSheet(lxw_workbook* book, const Formats& formats, const SearchResult& figures) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Lines");
    const auto columns = LineColumns(figures);
    const std::string currency = PriceCurrency(figures);
    const auto lastRow = static_cast<lxw_row_t>(figures.Lines.size());
    const auto lastCol = static_cast<lxw_col_t>(columns.size() - 1);
    // Constant-memory mode writes rows in order: the widths, the freeze and the filter come first.
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::size_t widest = 0;
        for (const auto& line : figures.Lines)
            widest = std::max(widest, CellWidth(columns[c].Value(line), columns[c].Style, currency));
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_set_column(sheet, col, col, FittedWidth(columns[c].Heading, widest), nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, lastRow, lastCol);
    worksheet_set_row(sheet, 0, 30, nullptr); // two lines of heading
    for (std::size_t c = 0; c < columns.size(); ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), columns[c].Heading.c_str(),
                               formats.heading);
    for (std::size_t r = 0; r < figures.Lines.size(); ++r)
        for (std::size_t c = 0; c < columns.size(); ++c)
            WriteCell(sheet, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c),
                      columns[c].Value(figures.Lines[r]), FormatOf(formats, columns[c].Style));
}

void WriteQuerySheet(lxw_workbook* book, const Formats& formats, const SearchResult& figures) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Query");
    const auto rows = QueryRows(figures);
    std::size_t nameWidth = 0, valueWidth = 0;
    for (const auto& row : rows) {
        nameWidth = std::max(nameWidth, row.Name.size());
        valueWidth = std::max(valueWidth, CellWidth(row.Value, CellStyle::General, {}));
    }
    worksheet_set_column(sheet, 0, 0, static_cast<double>(nameWidth) + 2, nullptr);
    worksheet_set_column(sheet, 1, 1, std::min(kMaxColumnWidth, static_cast<double>(valueWidth) + 2),
                         nullptr);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r);
        worksheet_write_string(sheet, row, 0, rows[r].Name.c_str(), formats.heading);
        WriteCell(sheet, row, 1, rows[r].Value, formats.general);
    }
}

} // namespace

bool WorkbooksAvailable() {
    return true;
}

void WriteWorkbook(const SearchResult& figures, const std::filesystem::path& path,
                   const std::filesystem::path& scratchParent) {
    const TemporaryFolder scratch = MakeScratchFolder(scratchParent);
    const auto built = scratch.Path() / "lines.xlsx";
    std::string tmpdir = scratch.Path().string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmpdir.data();
    lxw_workbook* book = workbook_new_opt(built.c_str(), &options);
    if (book == nullptr)
        throw FileError("Cannot create the workbook " + path.string() + ".");
    Formats formats{};
    formats.heading = workbook_add_format(book);
    format_set_bold(formats.heading);
    format_set_text_wrap(formats.heading);
    format_set_align(formats.heading, LXW_ALIGN_VERTICAL_TOP);
    formats.general = workbook_add_format(book);
    format_set_align(formats.general, LXW_ALIGN_LEFT);
    formats.fixed2 = workbook_add_format(book);
    format_set_num_format(formats.fixed2, "0.00");
    formats.price = workbook_add_format(book);
    const std::string priceFormat = "[$" + PriceCurrency(figures) + "] #,##0.00";
    format_set_num_format(formats.price, priceFormat.c_str());
    WriteLinesSheet(book, formats, figures);
    WriteQuerySheet(book, formats, figures);
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR)
        throw FileError("Cannot write the workbook " + path.string() + ": " + lxw_strerror(error));
    // Whole or not at all under the chosen name.
    WriteFileAtomically(path, ReadWholeFile(built));
}

#else

bool WorkbooksAvailable() {
    return false;
}

void WriteWorkbook(const SearchResult&, const std::filesystem::path& path, const std::filesystem::path&) {
    throw FileError("Cannot write " + path.string() + ": this build writes no Excel workbooks.");
}

#endif

} // namespace dorvik
