#pragma once
#include "core/forms/controls/control.h"

#include <vector>

namespace dorvik {

// Pages without visible tabs: only the program changes the page. Making a page active runs its OnShow.
class TPageControl : public TControl {
public:
    using TControl::TControl;
    std::vector<TNotifyEvent> OnShow; // one per page

    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index) {
        if (index == active_)
            return;
        active_ = index;
        Touch();
        if (index >= 0 && index < static_cast<int>(OnShow.size()) && OnShow[static_cast<std::size_t>(index)])
            OnShow[static_cast<std::size_t>(index)]();
    }

private:
    int active_ = 0;
};

} // namespace dorvik
