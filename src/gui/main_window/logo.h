#pragma once
// The maker's logo, painted: a wordmark with a stylised feeder line.
#include <QPixmap>

namespace dorvik::gui {

QPixmap MakerLogo(int width, int height);

} // namespace dorvik::gui
