#include "gui/main_window/elided_label.h"

#include <QResizeEvent>

namespace dorvik::gui {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(false);
    // The width is the status bar's to give; the text never asks for more.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::SetFullText(const QString& text) {
    full_ = text;
    setToolTip(text);
    Elide();
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void ElidedLabel::Elide() {
    const int room = std::max(0, contentsRect().width());
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, room);
    if (text() != shown)
        setText(shown);
}

} // namespace dorvik::gui
