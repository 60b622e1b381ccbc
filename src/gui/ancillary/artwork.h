#pragma once
// The pictures of the splash and the about box, painted (no image files to ship or lose).
#include <QPixmap>

namespace dorvik::gui {

QPixmap SplashPicture(int width, int height);
// The about box's first hidden picture: a bolt striking a feeder line.
QPixmap BoltPicture(int width, int height);
// The second hidden picture: a mast sending its waves.
QPixmap MastPicture(int width, int height);

} // namespace dorvik::gui
