#pragma once
// The platform services of the desktop program, implemented with Qt.
#include "core/forms/printing/report_engine.h"
#include "core/forms/services.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <typeindex>

namespace dorvik::gui {

class QtPlatformServices final : public IPlatformServices {
public:
    QtPlatformServices() = default;

    // The window that owns the dialogs (none: they are top-level).
    void SetDialogParent(QWidget* parent) { parent_ = parent; }
    // Runs before pending events are processed in a long handler, so the window can show its progress.
    void SetBeforeProcessEvents(std::function<void()> hook) { beforeProcessEvents_ = std::move(hook); }
    // Runs when a default-application lookup gives another answer than the one last returned.
    void SetDefaultApplicationChanged(std::function<void()> hook) {
        defaultApplicationChanged_ = std::move(hook);
    }

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    void ShowDetailedMessage(const std::string& text, MessageIcon icon, const std::string& details) override;
    bool Confirm(const std::string& text) override;
    void Beep() override;
    bool ExecuteFileDialog(TFileDialog& dialog) override;
    void ShellOpen(const std::string& target) override;
    bool SetClipboardText(const std::string& text) override;
    // Answers at once from the last lookup (false before the first one ends) and starts a new lookup in the
    // background, unless one is running: asking the desktop takes up to a second.
    bool HasDefaultApplication(const std::string& mimeType) override;
    // With a modal progress dialog that shows the bytes received and offers Cancel.
    DownloadResult Download(const std::string& url, const std::string& path) override;
    void SetBusyCursor(bool busy) override;
    CalendarDate Today() override;
    void ProcessEvents() override;
    TModalResult ShowModal(TForm& form) override;
    IReportEngine* Reports() override { return reports_.get(); }
    void SetReports(std::unique_ptr<IReportEngine> reports) { reports_ = std::move(reports); }

    // How a kind of window model is shown: its view, made for the model, run modally over parent.
    template <typename Form>
    void RegisterModalView(std::function<TModalResult(Form&, QWidget* parent)> show) {
        modalViews_[std::type_index(typeid(Form))] = [show = std::move(show)](TForm& form, QWidget* parent) {
            return show(static_cast<Form&>(form), parent);
        };
    }
    // The window new dialogs belong to: the modal window on top, else the dialog parent.
    QWidget* DialogParent() const;

private:
    struct MimeLookup {
        std::optional<bool> answer;
        bool running = false;
    };
    void StartMimeLookup(const QString& mimeType);

    QPointer<QWidget> parent_;
    std::function<void()> beforeProcessEvents_;
    std::function<void()> defaultApplicationChanged_;
    std::map<QString, MimeLookup> mimeLookups_;
    QObject lookupContext_; // owns the lookup processes; destroying it ends them
    int busyDepth_ = 0;
    std::map<std::type_index, std::function<TModalResult(TForm&, QWidget*)>> modalViews_;
    std::unique_ptr<IReportEngine> reports_;
};

// The user's locale's decimal separator as the core wants it: one character, '.' when the locale's is not
// a single ASCII character.
char SystemDecimalSeparator();

} // namespace dorvik::gui
