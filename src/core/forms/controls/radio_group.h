#pragma once
#include "core/forms/controls/control.h"

#include <string>
#include <vector>

namespace dorvik {

// A group of radio buttons under one caption; exactly the item at ItemIndex is checked (-1: none).
class TRadioGroup : public TControl {
public:
    TRadioGroup(std::string name, std::string caption, std::vector<std::string> items)
        : TControl(std::move(name), std::move(caption)), items_(std::move(items)) {}

    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index) {
        if (index < -1 || index >= static_cast<int>(items_.size()))
            index = -1;
        if (index != itemIndex_) {
            itemIndex_ = index;
            Touch();
        }
    }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

} // namespace dorvik
