#pragma once
// Everything that leaves the process goes through this interface: the desktop program implements it with Qt,
// tests and the command-line tool with their own. Nothing in the core blocks on a person.
#include "core/forms/controls/form.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

class IReportEngine;

enum class MessageIcon { Information, Warning, Error };

// A file dialog's design-time properties and the file name it keeps between uses.
struct TFileDialog {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string Name;
    std::string Title;
    std::string Filter;     // "Description|*.ext" pairs, as the form designs them
    std::string DefaultExt; // without or with the leading dot, as designed
    std::string InitialDir;
    std::string FileName; // proposed when shown; the chosen name afterwards
    bool OverwritePrompt = false;
};

// Before a dialog is shown: it opens in the folder and proposes only the base name of the file it remembers,
// with the given extension, so a name chosen in another folder or for another kind of file never carries
// over.
void ProposeIn(TFileDialog& dialog, const std::filesystem::path& folder, std::string_view extension);

// How a download ended: a cancelled one is not reported as a failure.
// Refused: the server answered, without the file (HTTP 404): the connection is not to blame.
enum class DownloadResult { Completed, Failed, Cancelled, Refused };

struct CalendarDate {
    int year = 1970, month = 1, day = 1;
};

struct CalendarDateTime {
    CalendarDate date;
    int hour = 0, minute = 0, second = 0;
};

class IPlatformServices {
public:
    virtual ~IPlatformServices() = default;

    // Modal message box with an OK button; "\r" in the text is a line break.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // The same, with a longer text the user can unfold ("\r" also breaks lines there); where there is nothing
    // to unfold it in, the message alone is shown.
    virtual void ShowDetailedMessage(const std::string& text, MessageIcon icon,
                                     const std::string& /*details*/) {
        ShowMessage(text, icon);
    }
    // A message about one field of a form: where the field is not in sight (the command line), the message
    // names it.
    virtual void ShowFieldMessage(const std::string& text, MessageIcon icon, const std::string& /*field*/) {
        ShowMessage(text, icon);
    }
    // Yes/No question; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    virtual void Beep() = 0;
    // Shows the dialog; true and dialog.FileName set when the user chose a file.
    virtual bool ExecuteFileDialog(TFileDialog& dialog) = 0;
    // Opens a file or URL in the desktop's application for it; the result is ignored by callers.
    virtual void ShellOpen(const std::string& target) = 0;
    // False when the clipboard cannot be written.
    virtual bool SetClipboardText(const std::string& text) = 0;
    // True when the desktop has a default application for the MIME type.
    virtual bool HasDefaultApplication(const std::string& mimeType) = 0;
    // Blocking download of url to a file; the user may cancel it. The file appears only when the whole
    // transfer succeeded; otherwise an earlier file of that name is left as it was.
    virtual DownloadResult Download(const std::string& url, const std::string& path) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    virtual CalendarDate Today() = 0;
    // The local date and time: what printed reports show as their printing time. The system clock unless
    // overridden.
    virtual CalendarDateTime Now();
    // The application's window messages, processed while a long handler runs (progress bar).
    virtual void ProcessEvents() {}
    // Shows a secondary window modally and returns its result; without a window system nothing is shown.
    virtual TModalResult ShowModal(TForm&) { return TModalResult::None; }
    // Where the print options window sends its reports; nothing where no report can be made.
    virtual IReportEngine* Reports() { return nullptr; }
};

// The busy cursor while it lives: it ends however the work ends.
class BusyCursor {
public:
    explicit BusyCursor(IPlatformServices& services) : services_(services) { services_.SetBusyCursor(true); }
    ~BusyCursor() { services_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    IPlatformServices& services_;
};

// The application's general error handler: runs an event handler and reports what it raises as an error
// message; the program goes on.
void RunHandler(IPlatformServices& services, const std::function<void()>& handler);

} // namespace dorvik
