#include "gui/main_window/radio_group.h"

#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

namespace dorvik::gui {

RadioGroupKeys::RadioGroupKeys(std::vector<QRadioButton*> buttons, QObject* parent)
    : QObject(parent), buttons_(std::move(buttons)) {
    for (QRadioButton* button : buttons_)
        button->installEventFilter(this);
    SyncTabStop();
}

void RadioGroupKeys::SyncTabStop() {
    const auto checked =
        std::find_if(buttons_.begin(), buttons_.end(), [](auto* b) { return b->isChecked(); });
    const QRadioButton* stop =
        checked != buttons_.end() ? *checked : (buttons_.empty() ? nullptr : buttons_.front());
    for (QRadioButton* button : buttons_) {
        const Qt::FocusPolicy policy = button == stop ? Qt::StrongFocus : Qt::ClickFocus;
        if (button->focusPolicy() != policy)
            button->setFocusPolicy(policy);
    }
}

bool RadioGroupKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    int step = 0;
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)
        step = 1;
    else if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left)
        step = -1;
    const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
    if (step == 0 || at == buttons_.end() || key->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    const auto count = static_cast<std::ptrdiff_t>(buttons_.size());
    const auto index = ((at - buttons_.begin()) + step + count) % count;
    QRadioButton* next = buttons_[static_cast<std::size_t>(index)];
    if (next->isEnabled()) {
        next->setFocus(Qt::TabFocusReason);
        next->click(); // the model checks it, as a click does
        SyncTabStop();
    }
    return true;
}

} // namespace dorvik::gui
