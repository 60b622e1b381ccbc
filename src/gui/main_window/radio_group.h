#pragma once
// Radio buttons whose exclusivity the model keeps (Qt's own is off): one tab stop for the group, on the
// checked button, and the arrow keys move the check and the focus within the group, as a radio group does.
#include <QObject>

#include <vector>

class QRadioButton;

namespace dorvik::gui {

class RadioGroupKeys : public QObject {
public:
    RadioGroupKeys(std::vector<QRadioButton*> buttons, QObject* parent);

    // Only the checked button (the first one when none is) takes the focus from the Tab key.
    void SyncTabStop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QRadioButton*> buttons_;
};

} // namespace dorvik::gui
