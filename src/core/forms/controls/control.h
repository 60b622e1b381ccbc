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
    explicit TControl(std::string name = {}, std::string caption = {})
        : Name(std::move(name)), caption_(std::move(caption)) {}
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    std::string Name;
    std::string Hint;
    TBounds Bounds;
    bool TabStop = true;
    // Bumped on every change of state, so views redraw only what changed.
    unsigned Revision = 0;

    // Through setters only: a change that does not bump the revision would never reach the screen.
    const std::string& Caption() const { return caption_; }
    bool Enabled() const { return enabled_; }
    bool Visible() const { return visible_; }
    void SetCaption(std::string caption) {
        if (caption != caption_) {
            caption_ = std::move(caption);
            Touch();
        }
    }
    void SetEnabled(bool enabled) {
        if (enabled != enabled_) {
            enabled_ = enabled;
            Touch();
        }
    }
    void SetVisible(bool visible) {
        if (visible != visible_) {
            visible_ = visible;
            Touch();
        }
    }

protected:
    void Touch() { ++Revision; }

private:
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
};

using TNotifyEvent = std::function<void()>;

// Labels, group boxes, pictures, the status bar: text only.
class TStatic : public TControl {
public:
    using TControl::TControl;
};

class TButton : public TControl {
public:
    using TControl::TControl;
    TNotifyEvent OnClick;
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
