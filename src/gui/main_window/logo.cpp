#include "gui/main_window/logo.h"

#include "report/logo.h"

namespace dorvik::gui {

QPixmap MakerLogo(int width, int height) {
    return QPixmap::fromImage(report::MakerLogo(width, height));
}

} // namespace dorvik::gui
