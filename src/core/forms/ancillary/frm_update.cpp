#include "core/forms/ancillary/frm_update.h"

#include "core/errors.h"
#include "core/forms/ancillary/frm_options.h"
#include "core/forms/ancillary/quick_update.h"
#include "core/text/text_file.h"

namespace dorvik {

TfrmUpdate::TfrmUpdate(TQuickUpdate& update) : TForm("frmUpdate", "Quick Update"), update_(update) {
    ClientWidth = 290;
    ClientHeight = 177;
    Image1.Bounds = {8, 8, 64, 64};
    lblMessage.SetCaption(kUpdateDialogMessage);
    lblMessage.Bounds = {84, 8, 198, 56};
    Label2.SetCaption(
        "It is recommended that you restart your application after updated files have been installed.");
    Label2.Bounds = {84, 72, 198, 56};
    Bevel1.Bounds = {8, 134, 274, 2};
    btnOptions.SetCaption("&Options");
    btnOptions.Bounds = {8, 144, 75, 25};
    btnUpdate.SetCaption("&Update");
    btnUpdate.Bounds = {126, 144, 75, 25};
    btnCancel.SetCaption("&Cancel");
    btnCancel.Bounds = {207, 144, 75, 25};
    btnUpdate.OnClick = [this] { btnUpdateClick(); };
    btnCancel.OnClick = [this] { btnCancelClick(); };
    btnOptions.OnClick = [this] { btnOptionsClick(); };
}

void TfrmUpdate::FormCreate() {
    Picture.clear();
    const auto file = update_.PictureFile();
    RunHandler(update_.Services(), [&] {
        std::string bytes = ReadWholeFile(file);
        if (bytes.rfind("GIF87a", 0) != 0 && bytes.rfind("GIF89a", 0) != 0)
            throw FileError("\"" + file.string() + "\" is not a GIF picture.");
        Picture = std::move(bytes);
    });
}

// Each button closes the dialog with its result even when its work fails, as the buttons are designed.
void TfrmUpdate::btnUpdateClick() {
    ModalResult = TModalResult::Ok;
    update_.DownloadAndInstall(update_.SetupUrl(), update_.SetupFile());
    update_.SetNextReminder(update_.ReadReminderDays());
}

void TfrmUpdate::btnCancelClick() {
    ModalResult = TModalResult::Cancel;
    update_.SetNextReminder(update_.ReadReminderDays());
}

void TfrmUpdate::btnOptionsClick() {
    TfrmOptions options(update_.IniFile());
    options.FormCreate();
    update_.Services().ShowModal(options);
    options.FormDestroy();
}

} // namespace dorvik
