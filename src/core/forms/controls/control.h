#pragma once
// The state every control shares. Controls are small: state plus the event the program reacts to.
#include <functional>
#include <string>

namespace dorvik {

struct TBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

class TControl {
public:
    explicit TControl(std::string name = {}) : Name(std::move(name)) {}
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    std::string Name;
    std::string Caption;
    std::string Hint;
    TBounds Bounds;
    bool Enabled = true;
    bool Visible = true;
    bool TabStop = true;
    // Bumped on every change of state, so views redraw only what changed.
    unsigned Revision = 0;

protected:
    void Touch() { ++Revision; }
};

using TNotifyEvent = std::function<void()>;

// Labels, group boxes, pictures, the status bar: text only.
class TStatic : public TControl {
public:
    using TControl::TControl;
    void SetCaption(std::string caption) {
        if (caption != Caption) {
            Caption = std::move(caption);
            Touch();
        }
    }
};

class TButton : public TControl {
public:
    using TControl::TControl;
    TNotifyEvent OnClick;
    void SetEnabled(bool enabled) {
        if (enabled != Enabled) {
            Enabled = enabled;
            Touch();
        }
    }
    void Click() {
        if (OnClick)
            OnClick();
    }
};

class TProgressBar : public TControl {
public:
    using TControl::TControl;
    int Min = 0, Max = 100, Position = 0;
    void SetMax(int max) {
        Max = max;
        Touch();
    }
    void SetPosition(int position) {
        Position = position;
        Touch();
    }
};

} // namespace dorvik
