#include "core/forms/controls/menu_item.h"

namespace dorvik {

TMenuItem::TMenuItem(std::string name, std::string caption, std::string shortCut)
    : TControl(std::move(name), std::move(caption)), ShortCut(std::move(shortCut)) {}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    Touch();
    if (checked && RadioItem && parent_) {
        for (const auto& sibling : parent_->items_)
            if (sibling.get() != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex &&
                sibling->checked_) {
                sibling->checked_ = false;
                sibling->Touch();
            }
    }
}

void TMenuItem::Click() {
    if (OnClick)
        OnClick();
}

TMenuItem& TMenuItem::Add(std::string name, std::string caption, std::string shortCut) {
    items_.push_back(std::make_unique<TMenuItem>(std::move(name), std::move(caption), std::move(shortCut)));
    items_.back()->parent_ = this;
    Touch();
    return *items_.back();
}

TMenuItem* TMenuItem::Find(const std::string& name) {
    for (const auto& item : items_) {
        if (item->Name == name)
            return item.get();
        if (TMenuItem* found = item->Find(name))
            return found;
    }
    return nullptr;
}

} // namespace dorvik
