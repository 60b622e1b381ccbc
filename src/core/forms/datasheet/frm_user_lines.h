#pragma once
// The "User Lines" window: the lines of the user's own catalogue, each to edit (in the datasheet window) or
// to remove.
#include "core/catalogue/user_catalogue.h"
#include "core/forms/controls/combo_box.h"
#include "core/forms/controls/control.h"
#include "core/forms/controls/form.h"
#include "core/forms/services.h"

#include <filesystem>

namespace dorvik {

class TfrmUserLines : public TForm {
public:
    TfrmUserLines(const Catalogue& maker, std::filesystem::path userFolder, char separator,
                  IPlatformServices& services);

    TListBox lstLines{"lstLines"}; // part numbers, in file order
    TButton btnEdit{"btnEdit", "Edit..."};
    TButton btnRemove{"btnRemove", "Remove"};
    TButton btnClose{"btnClose", "Close"};

    // Whether the user's files were changed while the window was open: the catalogue is then read again.
    bool Changed() const { return changed_; }

    void lstLinesClick();
    void btnEditClick();
    void btnRemoveClick();
    void btnCloseClick() { ModalResult = TModalResult::Ok; }

private:
    void ReadLines();

    const Catalogue& maker_;
    std::filesystem::path userFolder_;
    char separator_;
    IPlatformServices& services_;
    UserCatalogue catalogue_;
    bool changed_ = false;
};

} // namespace dorvik
