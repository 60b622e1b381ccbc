#pragma once
// Reports are set in Arial. Where it is not installed, Liberation Sans takes its place: it has Arial's
// metrics, so the layouts fit as designed (a wider sans serif would clip captions).
#include <QFont>
#include <QString>

namespace dorvik::report {

// The family that stands for Arial on this system.
QString ReportFontFamily();
QFont ReportFont(double pointSize, bool bold);

} // namespace dorvik::report
