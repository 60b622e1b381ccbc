#pragma once
// The web page's application: the main window's model over the files of the page's in-memory file system,
// the settings store the page keeps in the browser's storage, and the browser's services. The page sends the
// person's events in and reads the state back; nothing of the program's rules lives in the page.
#include "core/forms/main_window/frm_main.h"
#include "core/store/registry_file_store.h"
#include "web/web_chart.h"
#include "web/web_services.h"
#include "web/web_user_lines.h"

#include <memory>
#include <string>

namespace dorvik::web {

// Folders of the in-memory file system, shared with the page. Each set of data files has a folder of its own
// under kDataFolder, so that a set the person opens is tried beside the one in use.
inline constexpr const char* kDataFolder = "/dorvik/data";                 // catalogue, price list, rates
inline constexpr const char* kStoreFile = "/dorvik/settings/registry.reg"; // the page keeps it in storage
inline constexpr const char* kOutputFolder = "/dorvik/out";                // files written for downloads
inline constexpr const char* kInputFolder = "/dorvik/in";                  // files the person opened
inline constexpr const char* kUserFolder = "/dorvik/user"; // the user's own lines; the page keeps them

class WebApp {
public:
    // fragment: the address's fragment, a query to run at once when it holds one; its values fill the query
    // page, whose pick lists keep the whole catalogue. separator: the browser locale's decimal separator.
    // dataFolder: where the data files are.
    WebApp(const std::string& fragment, const std::string& separator, const std::string& dataFolder);
    ~WebApp();
    WebApp(const WebApp&) = delete;
    WebApp& operator=(const WebApp&) = delete;

    // A person's action on the control named: "click", "text" (typed text), "pick" (entry index),
    // "check" ("true"/"false"), "row" (grid row from 1), "item" (list entry from 0); "hint" (the hint of what
    // the pointer or the focus is on, for any control name).
    void Event(const std::string& control, const std::string& action, const std::string& value);
    // The print options window's Print with the item chosen (from 0): the report's records go to the outbox.
    // A question on the way is put in the outbox and answered no; the page asks it and prints again with
    // answer 1 (yes) or 0 (no); -1: not asked yet.
    void Print(int choice, int answer);
    // The query of a link (an address's fragment): its values fill the query page and it is searched; a link
    // that does not read is refused with a message.
    void RunLink(const std::string& fragment);
    // Opens the query file at path (read from the person's disk by the page) as File > Open does.
    void OpenQueryFile(const std::string& path);
    std::string State();
    std::string Rows(const std::string& grid, int first, int count);
    // What the page does next (JSON): downloads (paths), clipboard text, links, windows; then forgotten.
    std::string TakeOutbox();
    // The page is left: the settings are saved as on closing the desktop program.
    void Close();
    void SaveSettings();
    // The data files were read and hold transmission lines; otherwise the page keeps the data it used.
    bool Usable() const;
    // Ends without saving the settings: the data files were refused.
    void Discard() { destroyed_ = true; }

    TfrmMain& Form() { return *form_; }

    // The chart window while the page shows it (see WebChart); it closes with any other action.
    std::string Chart(double width, double height);
    void ChartChoose(int index, bool chosen);
    void ChartQuantity(int quantity);
    std::string ChartReadOut(double x, double y, double tolerance);
    std::string ChartSvg();

    // The windows of the user's own lines (see WebUserLines).
    std::string Dialog(double width, double height) const { return userLines_.Json(width, height); }
    void DialogEvent(const std::string& control, const std::string& action, const std::string& value,
                     int answer);
    void CloseDialogs() { userLines_.CloseAll(); }
    // The user's files were replaced (uploaded): the catalogue is read again.
    void ReloadUserLines();

private:
    void Act(const std::function<void()>& action);

    Outbox outbox_;
    WebServices services_{outbox_};
    std::unique_ptr<RegistryFileStore> store_;
    std::unique_ptr<TfrmMain> form_;
    std::unique_ptr<WebChart> chart_;
    WebUserLines userLines_;
    bool destroyed_ = false;
};

} // namespace dorvik::web
