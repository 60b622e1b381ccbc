#include "gui/platform/designed_font.h"

#include <QFont>
#include <QWidget>

namespace dorvik::gui {

void UseDesignedFont(QWidget& window) {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    window.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

} // namespace dorvik::gui
