#pragma once
// How each control model meets its widget: user input goes to the model (through the view's Act), and a
// refresher redraws the widget when the model's revision moved.
#include "core/forms/controls/check_box.h"
#include "core/forms/controls/combo_box.h"
#include "core/forms/controls/edit.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace dorvik::gui {

using Action = std::function<void(const std::function<void()>&)>;
using Refresher = std::function<void()>;

Refresher BindEdit(TEdit& edit, QLineEdit& widget, const Action& act);
Refresher BindCheckBox(TCheckBox& box, QCheckBox& widget, const Action& act);
Refresher BindRadioButton(TRadioButton& button, QRadioButton& widget, const Action& act);
Refresher BindComboBox(TComboBox& combo, QComboBox& widget, const Action& act);
Refresher BindButton(TButton& button, QPushButton& widget, const Action& act);
Refresher BindListBox(TListBox& list, QListWidget& widget, const Action& act);
Refresher BindGroupBox(TStatic& group, QGroupBox& widget);
Refresher BindProgressBar(TProgressBar& bar, QProgressBar& widget);

} // namespace dorvik::gui
