// The user's own lines: the windows that add, edit and remove them, and the catalogue read again after.
#include "core/errors.h"
#include "core/forms/datasheet/frm_datasheet_line.h"
#include "core/forms/datasheet/frm_user_lines.h"
#include "core/forms/main_window/frm_main.h"

namespace dorvik {

std::optional<std::filesystem::path> TfrmMain::UserCatalogueFolder() const {
    if (!env_.UserCatalogueFile)
        return std::nullopt;
    return env_.UserCatalogueFile->parent_path();
}

void TfrmMain::NewLineFromDatasheet1Click() {
    const auto folder = UserCatalogueFolder();
    if (!folder)
        return;
    TfrmDatasheetLine window(TheCatalogue, *folder, DecimalSeparator(), services_);
    if (services_.ShowModal(window) == TModalResult::Ok)
        ReloadUserLines();
}

void TfrmMain::UserLines1Click() {
    const auto folder = UserCatalogueFolder();
    if (!folder)
        return;
    TfrmUserLines window(TheCatalogue, *folder, DecimalSeparator(), services_);
    services_.ShowModal(window);
    if (window.Changed())
        ReloadUserLines();
}

void TfrmMain::ReloadUserLines() {
    // The hits view the catalogue about to be replaced: they go first, with the results page.
    if (PageControl1.ActivePageIndex() != 0)
        btnNewQueryClick();
    Hits.clear();
    const std::string begin = cbxBeginningFrequency.Text(), end = cbxEndingFrequency.Text();
    const std::string connector = cbxConnector.Text(), connector2 = cbxConnector2.Text();
    try {
        LoadDataFiles();
    } catch (const FileError&) {
        Loaded = false;
        TheCatalogue.clear();
        btnSearch.SetEnabled(false);
        throw;
    }
    btnSearch.SetEnabled(Loaded);
    cbxBeginningFrequency.SetTextByProgram(begin);
    cbxEndingFrequency.SetTextByProgram(end);
    for (auto& [combo, text] : {std::pair{&cbxConnector, connector}, std::pair{&cbxConnector2, connector2}}) {
        const int index = combo->IndexOfIgnoreCase(text);
        combo->SetItemIndex(index >= 0 ? index : 0);
    }
}

} // namespace dorvik
