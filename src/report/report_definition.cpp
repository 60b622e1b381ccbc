#include "report/report_definition.h"

#include <QMarginsF>
#include <QPageSize>

namespace dorvik::report {

QPageLayout LetterPortrait() {
    constexpr double kMarginMm = 6.35;
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

} // namespace dorvik::report
