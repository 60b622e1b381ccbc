#include "gui/platform/qt_platform_services.h"

#include "gui/platform/file_filter.h"
#include "gui/platform/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSaveFile>
#include <QUrl>

namespace dorvik::gui {

void QtPlatformServices::ShowMessage(const std::string& text, MessageIcon icon) {
    const QMessageBox::Icon qtIcon = icon == MessageIcon::Information ? QMessageBox::Information
                                     : icon == MessageIcon::Warning   ? QMessageBox::Warning
                                                                      : QMessageBox::Critical;
    QMessageBox box(qtIcon, QCoreApplication::applicationName(), MessageText(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtPlatformServices::Confirm(const std::string& text) {
    return QMessageBox::question(parent_, QCoreApplication::applicationName(), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtPlatformServices::Beep() {
    QApplication::beep();
}

bool QtPlatformServices::ExecuteFileDialog(TFileDialog& dialog) {
    QFileDialog box(parent_, ToQString(dialog.Title));
    box.setAcceptMode(dialog.kind == TFileDialog::Kind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    box.setFileMode(dialog.kind == TFileDialog::Kind::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QString suffix = ToQString(dialog.DefaultExt);
    if (suffix.startsWith(QChar('.')))
        suffix.remove(0, 1);
    box.setDefaultSuffix(suffix);
    box.setNameFilter(ToQtFileFilter(dialog.Filter));
    if (!dialog.OverwritePrompt)
        box.setOption(QFileDialog::DontConfirmOverwrite);
    if (!dialog.InitialDir.empty())
        box.setDirectory(ToQString(dialog.InitialDir));
    if (!dialog.FileName.empty())
        box.selectFile(ToQString(dialog.FileName));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return false;
    dialog.FileName = FromQString(box.selectedFiles().front());
    return true;
}

void QtPlatformServices::ShellOpen(const std::string& target) {
    const QString text = ToQString(target);
    const QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
    QDesktopServices::openUrl(url);
}

bool QtPlatformServices::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(QString::fromStdString(text));
    return true;
}

bool QtPlatformServices::HasDefaultApplication(const std::string& mimeType) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), ToQString(mimeType)});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool QtPlatformServices::Download(const std::string& url, const std::string& path) {
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(ToQString(url))));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool ok = reply->error() == QNetworkReply::NoError;
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    if (!ok)
        return false;
    QSaveFile file(ToQString(path));
    return file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.commit();
}

void QtPlatformServices::SetBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

CalendarDate QtPlatformServices::Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

void QtPlatformServices::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace dorvik::gui
