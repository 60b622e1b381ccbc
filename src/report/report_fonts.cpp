#include "report/report_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace dorvik::report {

QString ReportFontFamily() {
    static const QString family = [] {
        const QString arial = QStringLiteral("Arial");
        const QString liberation = QStringLiteral("Liberation Sans");
        const QStringList families = QFontDatabase::families();
        if (families.contains(arial, Qt::CaseInsensitive))
            return arial;
        if (families.contains(liberation, Qt::CaseInsensitive))
            return liberation;
        return arial; // the font matcher's nearest
    }();
    return family;
}

QFont ReportFont(double pointSize, bool bold) {
    QFont font(ReportFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace dorvik::report
