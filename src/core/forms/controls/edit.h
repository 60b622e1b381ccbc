#pragma once
#include "core/forms/controls/control.h"

namespace dorvik {

// An edit field: setting its text, by the user or the program, runs OnChange when the text changes.
class TEdit : public TControl {
public:
    using TControl::TControl;
    TNotifyEvent OnChange;

    const std::string& Text() const { return text_; }
    void SetText(std::string text) {
        if (text == text_)
            return;
        text_ = std::move(text);
        Touch();
        if (OnChange)
            OnChange();
    }

private:
    std::string text_;
};

} // namespace dorvik
