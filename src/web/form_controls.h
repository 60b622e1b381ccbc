#pragma once
// The main window's controls by name, as the page addresses them, and the one place that reads the state
// every control shares (so that a change of how the controls expose it touches this file only).
#include "core/forms/main_window/frm_main.h"

#include <string>
#include <string_view>
#include <vector>

namespace dorvik::web {

struct FormControls {
    std::vector<TEdit*> edits;
    std::vector<TComboBox*> combos;
    std::vector<TCheckBox*> checks;
    std::vector<TRadioButton*> radios;
    std::vector<TButton*> buttons;
    std::vector<TStatic*> statics;
    std::vector<TListBox*> lists;
    std::vector<TGrid*> grids;
};

FormControls ControlsOf(TfrmMain& form);

// The control of that name in the list, or nullptr.
template <typename T> T* Named(const std::vector<T*>& controls, std::string_view name) {
    for (T* control : controls)
        if (control->Name == name)
            return control;
    return nullptr;
}

inline const std::string& CaptionOf(const TControl& control) {
    return control.Caption();
}
inline bool EnabledOf(const TControl& control) {
    return control.Enabled();
}
inline bool VisibleOf(const TControl& control) {
    return control.Visible();
}

} // namespace dorvik::web
