#pragma once
#include "core/forms/controls/control.h"

#include <string>
#include <vector>

namespace dorvik {

// A combo box: entries, the selected index and the shown text. With DropDownList the text is the selected
// entry's (empty when none). The user's typing or picking runs OnChange; selecting by program runs nothing.
// An entry is completed when the user picks it from the list, or leaves the field or presses Enter after
// typing: that runs OnEntryCompleted, so a rule sees what the user meant rather than each keystroke.
class TComboBox : public TControl {
public:
    enum class Style { DropDown, DropDownList };
    TComboBox(std::string name, Style style, bool sorted)
        : TControl(std::move(name)), style_(style), sorted_(sorted) {}

    TNotifyEvent OnChange;
    TNotifyEvent OnEntryCompleted;

    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    const std::string& Text() const { return text_; }
    Style GetStyle() const { return style_; }

    // Program changes: no event.
    void SetItems(std::vector<std::string> items);
    int AddItem(std::string item); // sorted lists insert in place (case-insensitive); returns the index
    void SetItemIndex(int index);  // -1 selects nothing
    // Index of the entry equal to text ignoring letter case, or -1.
    int IndexOfIgnoreCase(const std::string& text) const;
    // Append text when no entry equals it (letter case ignored), then select the entry equal to it.
    void AddIfMissingAndSelect(const std::string& text);
    void SetTextByProgram(std::string text);

    // What the user does: both run OnChange; a pick also completes the entry.
    void UserType(std::string text);
    void UserPick(int index);
    // The user leaves the field or presses Enter; the program does the same before it reads the field. Runs
    // OnEntryCompleted when text was typed since the last completion.
    void CompleteEntry();
    bool EntryPending() const { return entryPending_; }

private:
    Style style_;
    bool sorted_;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    std::string text_;
    bool entryPending_ = false;
};

// A list box: entries, the selected index; the user's click runs OnClick.
class TListBox : public TControl {
public:
    using TControl::TControl;
    TNotifyEvent OnClick;

    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItems(std::vector<std::string> items) {
        items_ = std::move(items);
        itemIndex_ = -1;
        Touch();
    }
    void SetItemIndex(int index) {
        itemIndex_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
        Touch();
    }
    void UserClick(int index) {
        SetItemIndex(index);
        if (OnClick)
            OnClick();
    }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

} // namespace dorvik
