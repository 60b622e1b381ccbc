#pragma once
// Menu shortcuts before the keys text fields bind themselves: a line edit takes Ctrl+U (and others) for its
// own editing on this platform, and would swallow "Quick Update". Only the editing keys (cut, copy, paste,
// undo, select all) stay with the field that has the focus.
#include "core/forms/controls/menu_item.h"

#include <QKeyCombination>
#include <QList>
#include <QObject>

class QWidget;

namespace dorvik::gui {

class MenuShortcutPriority : public QObject {
    Q_OBJECT
public:
    // Watches the key events of every widget in window; parented to it.
    MenuShortcutPriority(QWidget& window, const TMenuItem& menu);
    ~MenuShortcutPriority() override;

    const QList<QKeyCombination>& Keys() const { return keys_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QList<QKeyCombination> keys_;
};

} // namespace dorvik::gui
