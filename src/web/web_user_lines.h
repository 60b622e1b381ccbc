#pragma once
// The windows of the user's own lines as the page shows them: "User Lines" and "New Line From Datasheet",
// the same window models as on the desktop, kept here while the page shows them (a worker cannot wait in
// ShowModal). A line saved or removed is read into the main window's catalogue at once.
#include "core/forms/datasheet/frm_datasheet_line.h"
#include "core/forms/datasheet/frm_user_lines.h"
#include "core/forms/main_window/frm_main.h"
#include "web/web_services.h"

#include <memory>
#include <string>

namespace dorvik::web {

class WebUserLines {
public:
    WebUserLines(TfrmMain& main, Outbox& outbox, IPlatformServices& services)
        : main_(main), outbox_(outbox), services_(services) {}

    // Opens the windows a handler showed (see WebServices::ShowModal).
    void Adopt();
    // The person's action on a control of the window on top: "click", "text", "pick" (entry from 0),
    // "item" (list entry from 0), "row" (from 1), "cell" ("col\trow\ttext", from 1). answer: to the
    // question asked on the way (1 yes, 0 no, -1 not asked yet).
    void Event(const std::string& control, const std::string& action, const std::string& value, int answer);
    // Both windows as JSON ("userLines", "datasheet", each null when not shown); the fit's chart is drawn at
    // width x height units.
    std::string Json(double width, double height) const;
    // The windows close: data files replaced under them.
    void CloseAll();
    // The user's files were written: the main window reads its catalogue again, the list its lines.
    void Changed();

private:
    TfrmMain& main_;
    Outbox& outbox_;
    IPlatformServices& services_;
    std::unique_ptr<TfrmUserLines> list_;
    std::unique_ptr<TfrmDatasheetLine> line_;
};

} // namespace dorvik::web
