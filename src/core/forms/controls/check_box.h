#pragma once
#include "core/forms/controls/control.h"

#include <vector>

namespace dorvik {

// Setting the state runs OnClick when the state actually changes.
class TCheckBox : public TControl {
public:
    using TControl::TControl;
    TNotifyEvent OnClick;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked) {
        if (checked == checked_)
            return;
        checked_ = checked;
        Touch();
        if (OnClick)
            OnClick();
    }

private:
    bool checked_ = false;
};

// Radio buttons of one group: checking one unchecks the others.
class TRadioButton : public TControl {
public:
    using TControl::TControl;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) {
        if (checked == checked_)
            return;
        checked_ = checked;
        Touch();
        if (checked)
            for (TRadioButton* other : Group)
                if (other != this && other->checked_) {
                    other->checked_ = false;
                    other->Touch();
                }
    }
    std::vector<TRadioButton*> Group; // every button of the group, this one included

private:
    bool checked_ = false;
};

} // namespace dorvik
