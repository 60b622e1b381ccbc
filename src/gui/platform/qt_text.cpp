#include "gui/platform/qt_text.h"

#include "core/text/text_file.h"

namespace dorvik::gui {

QString ToQString(std::string_view text) {
    return QString::fromStdString(DecodeForDisplay(text));
}

std::string FromQString(const QString& text) {
    return text.toStdString();
}

QString MessageText(std::string_view text) {
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QChar(u'\r'), QChar(u'\n'));
    return result;
}

} // namespace dorvik::gui
