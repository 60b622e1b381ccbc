#include "gui/platform/file_filter.h"

#include "gui/platform/qt_text.h"

#include <QStringList>

namespace dorvik::gui {

QString ToQtFileFilter(std::string_view filter) {
    const QStringList parts = ToQString(filter).split(QChar(u'|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QChar(u';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty())
            continue;
        const QString patternText = patterns.join(QChar(u' '));
        // Qt reads the patterns from the last parentheses: a description that already shows them is kept.
        if (description.endsWith(QStringLiteral("(") + patternText + QStringLiteral(")")))
            filters.push_back(description);
        else if (description.isEmpty())
            filters.push_back(QStringLiteral("(") + patternText + QStringLiteral(")"));
        else
            filters.push_back(description + QStringLiteral(" (") + patternText + QStringLiteral(")"));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace dorvik::gui
