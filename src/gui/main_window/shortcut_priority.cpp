#include "gui/main_window/shortcut_priority.h"

#include "gui/platform/qt_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace dorvik::gui {

namespace {
void CollectKeys(const TMenuItem& item, QList<QKeyCombination>& keys) {
    static const QList<QKeyCombination> editingKeys = {Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_C,
                                                       Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_Z,
                                                       Qt::CTRL | Qt::Key_A};
    if (!item.ShortCut.empty()) {
        const QKeySequence sequence(ToQString(item.ShortCut));
        if (!sequence.isEmpty() && !editingKeys.contains(sequence[0]))
            keys.push_back(sequence[0]);
    }
    for (const auto& child : item.Items())
        CollectKeys(*child, keys);
}
} // namespace

MenuShortcutPriority::MenuShortcutPriority(QWidget& window, const TMenuItem& menu)
    : QObject(&window), window_(window) {
    CollectKeys(menu, keys_);
    qApp->installEventFilter(this);
}

MenuShortcutPriority::~MenuShortcutPriority() {
    qApp->removeEventFilter(this);
}

bool MenuShortcutPriority::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!keys_.contains(QKeyCombination(modifiers, Qt::Key(key->key()))))
        return false;
    // Not accepting the override lets the shortcut run; a menu key that reaches a widget all the same (its
    // item is disabled) is dropped rather than edit the field.
    event->ignore();
    return true;
}

} // namespace dorvik::gui
