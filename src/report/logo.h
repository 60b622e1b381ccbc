#pragma once
// The maker's logo, painted: a wordmark with a stylised feeder line. The desktop program's windows and the
// printed reports show the same picture.
#include <QImage>

namespace dorvik::report {

QImage MakerLogo(int width, int height);

} // namespace dorvik::report
