#pragma once
// The print options window drawn from its model: the radio group of extents, Print and Close. Actions go
// through the main window's general error handler; closing the window by any means runs FormClose.
#include "core/forms/printing/frm_print_options.h"

#include <QDialog>

class QRadioButton;

namespace dorvik::gui {

class PrintOptionsView : public QDialog {
    Q_OBJECT
public:
    explicit PrintOptionsView(TfrmPrintOptions& window, QWidget* parent = nullptr);

    QRadioButton* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    void done(int result) override;

private:
    void Refresh();

    TfrmPrintOptions& window_;
    std::vector<QRadioButton*> items_;
};

} // namespace dorvik::gui
