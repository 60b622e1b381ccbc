#include "gui/main_window/bindings.h"

#include "core/forms/controls/combo_box.h"
#include "gui/platform/qt_text.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <memory>

namespace dorvik::gui {

namespace {
QStringList ToQStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items)
        list.push_back(ToQString(item));
    return list;
}

// Calls draw when the control's revision moved since the last call.
template <typename Control> Refresher WhenChanged(const Control& control, std::function<void()> draw) {
    auto last = std::make_shared<unsigned>(control.Revision - 1);
    return [&control, last, draw = std::move(draw)] {
        if (control.Revision == *last)
            return;
        *last = control.Revision;
        draw();
    };
}
} // namespace

Refresher BindEdit(TEdit& edit, QLineEdit& widget, const Action& act) {
    QObject::connect(&widget, &QLineEdit::textEdited, &widget, [&edit, act](const QString& text) {
        act([&edit, text] { edit.SetText(FromQString(text)); });
    });
    return WhenChanged(edit, [&edit, &widget] {
        const QString text = ToQString(edit.Text());
        if (widget.text() != text) {
            const int cursor = widget.cursorPosition();
            widget.setText(text);
            widget.setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
        }
        widget.setEnabled(edit.Enabled());
    });
}

Refresher BindCheckBox(TCheckBox& box, QCheckBox& widget, const Action& act) {
    QObject::connect(&widget, &QCheckBox::clicked, &widget,
                     [&box, act](bool checked) { act([&box, checked] { box.SetChecked(checked); }); });
    return WhenChanged(box, [&box, &widget] {
        const QSignalBlocker blocker(widget);
        widget.setChecked(box.Checked());
        widget.setEnabled(box.Enabled());
    });
}

Refresher BindRadioButton(TRadioButton& button, QRadioButton& widget, const Action& act) {
    // The model keeps the group exclusive (and may leave both unchecked), so Qt's own exclusivity is off.
    widget.setAutoExclusive(false);
    QObject::connect(&widget, &QRadioButton::clicked, &widget,
                     [&button, act](bool) { act([&button] { button.SetChecked(true); }); });
    return WhenChanged(button, [&button, &widget] {
        const QSignalBlocker blocker(widget);
        widget.setChecked(button.Checked());
    });
}

Refresher BindComboBox(TComboBox& combo, QComboBox& widget, const Action& act) {
    const bool editable = combo.GetStyle() == TComboBox::Style::DropDown;
    widget.setEditable(editable);
    widget.setInsertPolicy(QComboBox::NoInsert);
    widget.setMaxVisibleItems(16);
    if (editable) {
        // Completions are offered as a list to pick from: completing inline would replace the number typed.
        widget.completer()->setCompletionMode(QCompleter::PopupCompletion);
        QObject::connect(widget.lineEdit(), &QLineEdit::textEdited, &widget,
                         [&combo, act](const QString& text) {
                             act([&combo, text] { combo.UserType(FromQString(text)); });
                         });
        QObject::connect(&widget, qOverload<int>(&QComboBox::activated), &widget,
                         [&combo, act](int index) { act([&combo, index] { combo.UserPick(index); }); });
        // Enter, or the focus leaving the field; queued, so the window first knows where the focus went.
        QObject::connect(
            widget.lineEdit(), &QLineEdit::editingFinished, &widget,
            [&combo, act] { act([&combo] { combo.CompleteEntry(); }); }, Qt::QueuedConnection);
    } else {
        QObject::connect(&widget, qOverload<int>(&QComboBox::activated), &widget,
                         [&combo, act](int index) { act([&combo, index] { combo.SetItemIndex(index); }); });
    }
    auto items = std::make_shared<std::vector<std::string>>();
    return WhenChanged(combo, [&combo, &widget, items, editable] {
        const QSignalBlocker blocker(widget);
        const int cursor = editable ? widget.lineEdit()->cursorPosition() : 0;
        if (*items != combo.Items()) {
            *items = combo.Items();
            widget.clear();
            widget.addItems(ToQStringList(*items));
        }
        widget.setCurrentIndex(combo.ItemIndex());
        if (editable) {
            // The list is a window of its own: it takes the field's font, not the application's.
            widget.completer()->popup()->setFont(widget.font());
            const QString text = ToQString(combo.Text());
            if (widget.currentText() != text) {
                widget.setEditText(text);
                widget.lineEdit()->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
            }
        }
        widget.setEnabled(combo.Enabled());
    });
}

Refresher BindButton(TButton& button, QPushButton& widget, const Action& act) {
    widget.setText(ToQString(button.Caption()));
    QObject::connect(&widget, &QPushButton::clicked, &widget,
                     [&button, act] { act([&button] { button.Click(); }); });
    return WhenChanged(button, [&button, &widget] { widget.setEnabled(button.Enabled()); });
}

Refresher BindListBox(TListBox& list, QListWidget& widget, const Action& act) {
    QObject::connect(&widget, &QListWidget::currentRowChanged, &widget, [&list, act](int row) {
        if (row >= 0 && row != list.ItemIndex())
            act([&list, row] { list.UserClick(row); });
    });
    auto items = std::make_shared<std::vector<std::string>>();
    return WhenChanged(list, [&list, &widget, items] {
        const QSignalBlocker blocker(widget);
        if (*items != list.Items()) {
            *items = list.Items();
            widget.clear();
            widget.addItems(ToQStringList(*items));
        }
        widget.setCurrentRow(list.ItemIndex());
    });
}

Refresher BindGroupBox(TStatic& group, QGroupBox& widget) {
    return WhenChanged(group, [&group, &widget] { widget.setTitle(ToQString(group.Caption())); });
}

Refresher BindProgressBar(TProgressBar& bar, QProgressBar& widget) {
    return WhenChanged(bar, [&bar, &widget] {
        widget.setRange(bar.Min, std::max(bar.Min, bar.Max));
        widget.setValue(bar.Position);
    });
}

} // namespace dorvik::gui
