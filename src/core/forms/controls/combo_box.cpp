#include "core/forms/controls/combo_box.h"

#include "core/text/collation.h"

#include <algorithm>

namespace dorvik {

void TComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (sorted_)
        SortTextsIgnoreCase(items_);
    itemIndex_ = -1;
    if (style_ == Style::DropDownList)
        text_.clear();
    Touch();
}

int TComboBox::AddItem(std::string item) {
    std::size_t at = items_.size();
    if (sorted_) {
        at = static_cast<std::size_t>(std::upper_bound(items_.begin(), items_.end(), item,
                                                       [](const std::string& a, const std::string& b) {
                                                           return CompareTextIgnoreCase(a, b) < 0;
                                                       }) -
                                      items_.begin());
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    if (itemIndex_ >= static_cast<int>(at))
        ++itemIndex_;
    Touch();
    return static_cast<int>(at);
}

void TComboBox::SetItemIndex(int index) {
    entryPending_ = false;
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        itemIndex_ = -1;
        if (style_ == Style::DropDownList)
            text_.clear();
    } else {
        itemIndex_ = index;
        text_ = items_[static_cast<std::size_t>(index)];
    }
    Touch();
}

int TComboBox::IndexOfIgnoreCase(const std::string& text) const {
    const auto folded = MakeTextSortKey(text).Folded;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (MakeTextSortKey(items_[i]).Folded == folded)
            return static_cast<int>(i);
    return -1;
}

void TComboBox::AddIfMissingAndSelect(const std::string& text) {
    int index = IndexOfIgnoreCase(text);
    if (index < 0) {
        index = sorted_ ? AddItem(text) : (items_.push_back(text), static_cast<int>(items_.size()) - 1);
        Touch();
    }
    SetItemIndex(index);
}

void TComboBox::SetTextByProgram(std::string text) {
    entryPending_ = false;
    if (style_ == Style::DropDownList) {
        SetItemIndex(IndexOfIgnoreCase(text));
        return;
    }
    text_ = std::move(text);
    itemIndex_ = -1;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == text_)
            itemIndex_ = static_cast<int>(i);
    Touch();
}

void TComboBox::UserType(std::string text) {
    SetTextByProgram(std::move(text));
    entryPending_ = true;
    if (OnChange)
        OnChange();
}

void TComboBox::UserPick(int index) {
    SetItemIndex(index);
    entryPending_ = true;
    if (OnChange)
        OnChange();
    CompleteEntry();
}

void TComboBox::CompleteEntry() {
    if (!entryPending_)
        return;
    entryPending_ = false;
    if (OnEntryCompleted)
        OnEntryCompleted();
}

} // namespace dorvik
