#include "core/forms/datasheet/frm_user_lines.h"

#include "core/forms/datasheet/frm_datasheet_line.h"

namespace dorvik {

TfrmUserLines::TfrmUserLines(const Catalogue& maker, std::filesystem::path userFolder, char separator,
                             IPlatformServices& services)
    : TForm("frmUserLines", "User Lines"), maker_(maker), userFolder_(std::move(userFolder)),
      separator_(separator), services_(services) {
    ClientWidth = 360;
    ClientHeight = 320;
    lstLines.OnClick = [this] { lstLinesClick(); };
    btnEdit.OnClick = [this] { RunHandler(services_, [this] { btnEditClick(); }); };
    btnRemove.OnClick = [this] { RunHandler(services_, [this] { btnRemoveClick(); }); };
    btnClose.OnClick = [this] { btnCloseClick(); };
    RunHandler(services_, [this] { ReadLines(); });
}

void TfrmUserLines::ReadLines() {
    catalogue_ = UserCatalogue::Read(userFolder_, separator_);
    lstLines.SetItems(catalogue_.PartNumbers());
    lstLinesClick();
}

void TfrmUserLines::lstLinesClick() {
    btnEdit.SetEnabled(lstLines.ItemIndex() >= 0);
    btnRemove.SetEnabled(lstLines.ItemIndex() >= 0);
}

void TfrmUserLines::btnEditClick() {
    const int index = lstLines.ItemIndex();
    if (index < 0)
        return;
    const std::string partNumber = lstLines.Items()[static_cast<std::size_t>(index)];
    const auto line = catalogue_.Line(partNumber);
    if (!line) {
        services_.ShowMessage("The line " + partNumber + " of " + kUserCatalogueFileName +
                                  " does not read: correct it in the file, or remove it.",
                              MessageIcon::Warning);
        return;
    }
    TfrmDatasheetLine window(maker_, userFolder_, separator_, services_);
    window.Edit(*line);
    if (services_.ShowModal(window) != TModalResult::Ok)
        return;
    changed_ = true;
    ReadLines();
}

void TfrmUserLines::btnRemoveClick() {
    const int index = lstLines.ItemIndex();
    if (index < 0)
        return;
    const std::string partNumber = lstLines.Items()[static_cast<std::size_t>(index)];
    if (!services_.Confirm("Remove the line " + partNumber + " from your catalogue?"))
        return;
    catalogue_.Remove(partNumber);
    catalogue_.Write(userFolder_);
    changed_ = true;
    ReadLines();
}

} // namespace dorvik
