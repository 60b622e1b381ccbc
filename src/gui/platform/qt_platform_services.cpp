#include "gui/platform/qt_platform_services.h"

#include "core/forms/main_window/frm_main.h"
#include "gui/platform/file_filter.h"
#include "gui/platform/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QProgressDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace dorvik::gui {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// A text that names a scheme ("https://...", "mailto:...") is a URL; anything else is a file.
QUrl TargetUrl(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1 && !QFileInfo::exists(target))
        return url;
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

constexpr int kDownloadTimeoutMs = 60'000;
constexpr int kMimeQueryTimeoutMs = 3'000;

} // namespace

void QtPlatformServices::ShowMessage(const std::string& text, MessageIcon icon) {
    // The window behind the box shows the state the handler left (an emptied progress bar, say).
    if (beforeProcessEvents_)
        beforeProcessEvents_();
    QMessageBox box(ToQtIcon(icon), ToQString(kApplicationTitle), MessageText(text), QMessageBox::Ok,
                    DialogParent());
    box.exec();
}

void QtPlatformServices::ShowDetailedMessage(const std::string& text, MessageIcon icon,
                                             const std::string& details) {
    // The window behind the box shows the state the handler left (an emptied progress bar, say).
    if (beforeProcessEvents_)
        beforeProcessEvents_();
    QMessageBox box(ToQtIcon(icon), ToQString(kApplicationTitle), MessageText(text), QMessageBox::Ok,
                    DialogParent());
    box.setDetailedText(MessageText(details));
    box.exec();
}

bool QtPlatformServices::Confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), MessageText(text),
                    QMessageBox::Yes | QMessageBox::No, DialogParent());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatformServices::Beep() {
    QApplication::beep();
}

bool QtPlatformServices::ExecuteFileDialog(TFileDialog& dialog) {
    QFileDialog box(parent_);
    const bool save = dialog.kind == TFileDialog::Kind::Save;
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!dialog.Title.empty())
        box.setWindowTitle(ToQString(dialog.Title));
    if (const QString filter = ToQtFileFilter(dialog.Filter); !filter.isEmpty())
        box.setNameFilter(filter);
    QString suffix = ToQString(dialog.DefaultExt);
    while (suffix.startsWith(QChar(u'.')))
        suffix.remove(0, 1);
    if (!suffix.isEmpty())
        box.setDefaultSuffix(suffix);
    if (save && !dialog.OverwritePrompt)
        box.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!dialog.InitialDir.empty())
        box.setDirectory(ToQString(dialog.InitialDir));
    if (!dialog.FileName.empty()) {
        const QFileInfo proposed(ToQString(dialog.FileName));
        if (proposed.isAbsolute()) {
            box.setDirectory(proposed.absolutePath());
            box.selectFile(proposed.fileName());
        } else {
            box.selectFile(proposed.filePath());
        }
    }
    if (box.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = box.selectedFiles();
    if (chosen.isEmpty())
        return false;
    dialog.FileName = FromQString(QDir::toNativeSeparators(chosen.front()));
    return true;
}

void QtPlatformServices::ShellOpen(const std::string& target) {
    QDesktopServices::openUrl(TargetUrl(ToQString(target)));
}

bool QtPlatformServices::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    const QString value = ToQString(text);
    clipboard->setText(value);
    // The platform may refuse the clipboard silently; reading back tells.
    return clipboard->text() == value;
}

bool QtPlatformServices::HasDefaultApplication(const std::string& mimeType) {
    const QString name = ToQString(mimeType);
    if (!QMimeDatabase().mimeTypeForName(name).isValid())
        return false;
    MimeLookup& lookup = mimeLookups_[name];
    if (!lookup.running)
        StartMimeLookup(name);
    return lookup.answer.value_or(false);
}

void QtPlatformServices::StartMimeLookup(const QString& mimeType) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    MimeLookup& lookup = mimeLookups_[mimeType];
    const auto answered = [this, mimeType](bool answer) {
        MimeLookup& done = mimeLookups_[mimeType];
        done.running = false;
        const bool changed = done.answer != answer;
        done.answer = answer;
        if (changed && defaultApplicationChanged_)
            defaultApplicationChanged_();
    };
    if (tool.isEmpty()) {
        lookup.answer = false;
        return;
    }
    auto* query = new QProcess(&lookupContext_);
    lookup.running = true;
    auto* timer = new QTimer(query);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, query, [query] { query->kill(); });
    QObject::connect(query, &QProcess::finished, &lookupContext_,
                     [query, answered](int exitCode, QProcess::ExitStatus status) {
                         const bool found =
                             status == QProcess::NormalExit && exitCode == 0 &&
                             !QString::fromLocal8Bit(query->readAllStandardOutput()).trimmed().isEmpty();
                         query->deleteLater();
                         answered(found);
                     });
    QObject::connect(query, &QProcess::errorOccurred, &lookupContext_,
                     [query, answered](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // a crash or a kill ends in finished()
                         query->deleteLater();
                         answered(false);
                     });
    query->start(tool, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    timer->start(kMimeQueryTimeoutMs);
}

DownloadResult QtPlatformServices::Download(const std::string& url, const std::string& path) {
    const QUrl source(ToQString(url));
    if (!source.isValid())
        return DownloadResult::Failed;
    // The transfer goes to a temporary file beside the target, renamed over it only once complete: a cut or
    // refused transfer leaves nothing that could be started.
    QSaveFile file(ToQString(path));
    if (!file.open(QIODevice::WriteOnly))
        return DownloadResult::Failed;
    QNetworkAccessManager network;
    QNetworkRequest request(source);
    request.setTransferTimeout(kDownloadTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network.get(request);

    QProgressDialog progress(DialogParent());
    progress.setWindowTitle(QStringLiteral("Quick Update"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setLabelText(QStringLiteral("Connecting..."));
    progress.setCancelButtonText(QStringLiteral("&Cancel"));
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    progress.setRange(0, 0);
    bool cancelled = false;
    QObject::connect(&progress, &QProgressDialog::canceled, reply, [&] {
        cancelled = true;
        reply->abort();
    });

    bool written = true;
    qint64 received = 0;
    const auto take = [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (written && file.write(chunk) != chunk.size())
            written = false;
        const QLocale locale;
        const qint64 total = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        progress.setLabelText(total > 0 ? QStringLiteral("%1 of %2 bytes received")
                                              .arg(locale.toString(received), locale.toString(total))
                                        : QStringLiteral("%1 bytes received").arg(locale.toString(received)));
        // The bar counts in kilobytes: an int would not hold the bytes of a large package.
        if (total > 0) {
            progress.setRange(0, static_cast<int>(total / 1024) + 1);
            progress.setValue(static_cast<int>(received / 1024));
        }
    };
    QObject::connect(reply, &QIODevice::readyRead, reply, take);
    progress.show();
    // The dialog is modal: the rest of the program waits, as for any blocking download, but Cancel works.
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    if (!cancelled)
        take();
    progress.hide();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool complete = reply->error() == QNetworkReply::NoError &&
                          (status == 0 || (status >= 200 && status < 300)) &&
                          (!length.isValid() || length.toLongLong() == received);
    reply->deleteLater();
    if (cancelled || !written || !complete) {
        file.cancelWriting();
        if (cancelled)
            return DownloadResult::Cancelled;
        return status >= 400 ? DownloadResult::Refused : DownloadResult::Failed;
    }
    return file.commit() ? DownloadResult::Completed : DownloadResult::Failed;
}

TModalResult QtPlatformServices::ShowModal(TForm& form) {
    const auto view = modalViews_.find(std::type_index(typeid(form)));
    if (view == modalViews_.end())
        return TModalResult::None;
    return view->second(form, DialogParent());
}

QWidget* QtPlatformServices::DialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent_;
}

void QtPlatformServices::SetBusyCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

CalendarDate QtPlatformServices::Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

void QtPlatformServices::ProcessEvents() {
    if (beforeProcessEvents_)
        beforeProcessEvents_();
    // Only painting and timers: a click now would run a handler inside the one that is running.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() > 0x20 && point[0].unicode() < 0x7F)
        return static_cast<char>(point[0].unicode());
    return '.';
}

} // namespace dorvik::gui
