#pragma once
// The "New Line From Datasheet" window: the datasheet's table typed or pasted, fitted as it changes, with the
// line's other catalogue figures and its connectors; Save puts the line into the user's own catalogue.
#include "core/catalogue/user_catalogue.h"
#include "core/chart/chart_figure.h"
#include "core/fit/line_fit.h"
#include "core/forms/controls/combo_box.h"
#include "core/forms/controls/control.h"
#include "core/forms/controls/edit.h"
#include "core/forms/controls/form.h"
#include "core/forms/controls/grid.h"
#include "core/forms/services.h"

#include <filesystem>
#include <optional>
#include <string>

namespace dorvik {

class TfrmDatasheetLine : public TForm {
public:
    // maker: the maker's lines, whose part numbers a user's line may not take. userFolder holds the user's
    // files. separator: the locale's, for the figures typed (a '.' reads too).
    TfrmDatasheetLine(const Catalogue& maker, std::filesystem::path userFolder, char separator,
                      IPlatformServices& services);
    // Opens the user's line for editing: its figures, with the coefficients it has until a table is fitted.
    void Edit(const UserLineEntry& line);

    TEdit memTable{"memTable"};
    TStatic lblFit{"lblFit"}; // the coefficients and errors, or why the table cannot be fitted
    TGrid grdPoints;          // MHz, quantity, published, fitted, error %
    TComboBox cbxType{"cbxType", TComboBox::Style::DropDownList, false};
    TEdit edtPartNumber{"edtPartNumber"};
    TEdit edtDescription{"edtDescription"};
    TEdit edtSize{"edtSize"};
    TEdit edtFamily{"edtFamily"};
    TEdit edtLowFrequency{"edtLowFrequency"};
    TEdit edtHighFrequency{"edtHighFrequency"};
    TEdit edtDerating{"edtDerating"};
    TEdit edtPeakPower{"edtPeakPower"};
    TEdit edtListPrice{"edtListPrice"};
    // One connector a row: name, the four connector figures, up to six part numbers.
    TGrid grdConnectors;
    TButton btnAddConnector{"btnAddConnector", "Add Connector"};
    TButton btnRemoveConnector{"btnRemoveConnector", "Remove Connector"};
    TButton btnSave{"btnSave", "Save"};
    TButton btnCancel{"btnCancel", "Cancel"};

    // The fit of the table as it stands; none while it cannot be fitted.
    const std::optional<LineFit>& Fit() const { return fit_; }
    // The fitted attenuation curve over the table's frequencies, for the chart; the published points are
    // Fit()'s attenuation points.
    ChartFigure FitFigure() const;
    int FitRevision() const { return fitRevision_; }
    // The user's line opened with Edit; none for a new line.
    const std::optional<UserLineEntry>& Edited() const { return kept_; }

    void memTableChange();
    void cbxTypeChange();
    void btnAddConnectorClick();
    void btnRemoveConnectorClick();
    // Refuses, with a message, a line that cannot be saved; otherwise writes the user's files and closes.
    void btnSaveClick();
    void btnCancelClick() { ModalResult = TModalResult::Cancel; }

    // The line as the fields give it; throws ConversionError for a figure that does not read.
    UserLineEntry Entry() const;

private:
    void Refit();
    double Figure(const TEdit& edit, const char* defaultText = "") const;

    const Catalogue& maker_;
    std::filesystem::path userFolder_;
    char separator_;
    IPlatformServices& services_;
    std::optional<LineFit> fit_;
    int fitRevision_ = 0;
    std::string editedPartNumber_;      // the user's line being edited; empty for a new one
    std::optional<UserLineEntry> kept_; // its coefficients, kept while no table is given
};

} // namespace dorvik
