// Exports of the results: the clipboard text, the spreadsheet file, the HTML page.
#include "core/forms/main_window/frm_main.h"
#include "core/output/clipboard_text.h"
#include "core/output/html_page.h"
#include "core/output/spreadsheet_text.h"
#include "core/output/workbook.h"
#include "core/text/text_file.h"

#include <functional>
#include <system_error>

namespace dorvik {

namespace {

// The exported page's table border, in pixels.
constexpr int kHtmlExportBorder = 3;

// One level only; a folder that cannot be created is no reason to refuse the export (the dialog then opens
// wherever the platform chooses).
void EnsureFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored))
        std::filesystem::create_directory(folder, ignored);
}

// The dialog's default extension for a name typed without one. Qt's dialog adds it itself; doing it here too
// makes every front end write the same name.
std::filesystem::path WithDefaultExtension(const std::string& fileName, std::string_view defaultExt) {
    std::filesystem::path path = fileName;
    if (!defaultExt.empty() && defaultExt.front() == '.')
        defaultExt.remove_prefix(1);
    if (!path.has_extension() && !defaultExt.empty())
        path += "." + std::string(defaultExt);
    return path;
}

// Shows the dialog and returns the file to write, or an empty path when the user cancelled.
std::filesystem::path ChooseFile(IPlatformServices& services, TFileDialog& dialog) {
    if (!services.ExecuteFileDialog(dialog) || dialog.FileName.empty())
        return {};
    const auto path = WithDefaultExtension(dialog.FileName, dialog.DefaultExt);
    dialog.FileName = path.string(); // proposed next time, as the dialog would keep it
    return path;
}

// Asks for the file in the export folder, writes it and hands it to the desktop, which opens it in the
// program registered for its type (unless open is false: no program is registered).
void ExportThroughDialog(IPlatformServices& services, TFileDialog& dialog,
                         const std::filesystem::path& folder, std::string_view extension,
                         const std::function<void(const std::filesystem::path&)>& write, bool open = true) {
    EnsureFolder(folder);
    ProposeIn(dialog, folder, extension);
    const auto path = ChooseFile(services, dialog);
    if (path.empty())
        return;
    write(path);
    if (open)
        services.ShellOpen(path.string());
}

} // namespace

void TfrmMain::btnClipboardClick() {
    // Built completely before the clipboard is touched, so a failure leaves the clipboard as it was. The
    // clipboard of this platform is Unicode and breaks lines at line feeds.
    const std::string text = BuildClipboardText(ListedColumns(), grdConnectors.Table(),
                                                grdConnectors2.Table(), "\n", CellBytes::Utf8);
    if (!services_.SetClipboardText(text))
        services_.ShowMessage("Cannot open clipboard", MessageIcon::Error);
}

void TfrmMain::ToAMicrosoftExcelFile1Click() {
    // Temporary file and rename: a failed write never leaves a partial file under the chosen name.
    // Written whether or not a spreadsheet program is registered; opened only where one is.
    ExportThroughDialog(
        services_, ExcelSave, UserFilesFolder("xls"), "xls",
        [this](const auto& path) { WriteFileAtomically(path, BuildSpreadsheetText(ListedColumns())); },
        ExcelInstalled());
}

void TfrmMain::ToAnExcelWorkbook1Click() {
    // Computed before the file is touched; written whole or not at all.
    ExportThroughDialog(services_, WorkbookSave, UserFilesFolder("xls"), "xlsx",
                        [this](const auto& path) { WriteWorkbook(result_, path); });
}

void TfrmMain::ToAnHTMLFile1Click() {
    CreateHtml("html", kHtmlExportBorder);
}

std::filesystem::path TfrmMain::UserFilesFolder(const std::string& kind) const {
    if (env_.DocumentsFolder)
        return *env_.DocumentsFolder;
    return kind.empty() ? env_.OutputFolder : env_.OutputFolder / kind;
}

void TfrmMain::CreateHtml(const std::string& extension, int border) {
    const auto folder = UserFilesFolder(extension);
    EnsureFolder(folder);
    HtmlSave.FileName.clear();
    HtmlSave.DefaultExt = extension;
    HtmlSave.Filter = extension + " Files (*." + extension + ")|*." + extension;
    HtmlSave.InitialDir = folder.string();
    const auto path = ChooseFile(services_, HtmlSave);
    if (path.empty())
        return;
    WriteFileAtomically(path, BuildHtmlPage(ListedColumns(), border));
    services_.ShellOpen(path.string());
}

bool TfrmMain::ExcelInstalled() {
    return services_.HasDefaultApplication("application/vnd.ms-excel");
}

} // namespace dorvik
