#pragma once
#include "core/forms/controls/control.h"

#include <memory>
#include <string>
#include <vector>

namespace dorvik {

// A menu item; items with children are submenus. Checking a radio item unchecks the radio items of the
// same group under the same parent (items in other submenus keep theirs).
class TMenuItem : public TControl {
public:
    explicit TMenuItem(std::string name, std::string caption = {}, std::string shortCut = {});

    std::string ShortCut; // "Ctrl+O"; empty for none
    bool RadioItem = false;
    int GroupIndex = 0;
    int Tag = 0;
    bool IsSeparator() const { return Caption() == "-"; }
    TNotifyEvent OnClick;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void Click();

    TMenuItem& Add(std::string name, std::string caption = {}, std::string shortCut = {});
    const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }
    TMenuItem* Parent() const { return parent_; }
    // Depth-first search of this item's descendants by name; nullptr when absent.
    TMenuItem* Find(const std::string& name);

private:
    bool checked_ = false;
    TMenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

} // namespace dorvik
