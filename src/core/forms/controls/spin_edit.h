#pragma once
// A spin field for whole numbers: its value is its text read as a whole number (MinValue when the text is
// not one); the text is clamped into MinValue..MaxValue when the field loses the focus.
#include "core/forms/controls/control.h"

#include <string>

namespace dorvik {

class TSpinEdit : public TControl {
public:
    TSpinEdit(std::string name, int minValue, int maxValue, int value)
        : TControl(std::move(name)), MinValue(minValue), MaxValue(maxValue), text_(std::to_string(value)) {}

    const int MinValue, MaxValue;

    const std::string& Text() const { return text_; }
    void SetText(std::string text) {
        if (text != text_) {
            text_ = std::move(text);
            Touch();
        }
    }
    int Value() const;
    // Setting the value by program clamps it, as the field does.
    void SetValue(int value) { SetText(std::to_string(Clamp(value))); }
    // The field loses the focus.
    void Exit() { SetValue(Value()); }

private:
    int Clamp(int value) const { return value < MinValue ? MinValue : value > MaxValue ? MaxValue : value; }
    std::string text_;
};

} // namespace dorvik
