#pragma once
// The main window drawn from its model. Every user action goes to the model through its general error
// handler; afterwards the view redraws what changed.
#include "core/forms/main_window/frm_main.h"
#include "gui/main_window/elided_label.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <vector>

class QLabel;
class QStackedWidget;
class QTableView;
class QMenu;

namespace dorvik::gui {

class GridTableModel;

class MainWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindowView(TfrmMain& form, QWidget* parent = nullptr);
    ~MainWindowView() override;

    // Runs a user action through the model, then redraws. An action that arrives while another runs (from
    // the nested loop of a message box, or from a signal raised by redrawing) is dropped.
    void Act(const std::function<void()>& action);
    void Refresh();

    QWidget* WidgetOf(const TControl& control) const;
    QStackedWidget* Pages() const { return pages_; }
    ElidedLabel* StatusText() const { return statusText_; }
    QLabel* StatusNote() const { return statusNote_; }

    // The hint of the control a widget draws, or of the nearest enclosing control that has one.
    std::string HintFor(const QObject* object) const;

    // The first showing runs the show handler of the active page, as a page's becoming visible does.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildQueryPage();
    QWidget* BuildResultsPage();
    void BuildMenu();
    void AddMenuItems(QMenu& menu, TMenuItem& parent);
    void BindGrid(TGrid& grid, QTableView& view);
    void ApplyWindowGeometry();
    void Register(TControl& control, QWidget& widget);
    void FollowActiveControl();
    void MirrorFocus(const QWidget* focused);
    void ShowHintOf(const QObject* object);

    TfrmMain& form_;
    QStackedWidget* pages_ = nullptr;
    ElidedLabel* statusText_ = nullptr;
    QLabel* statusNote_ = nullptr;
    std::vector<std::function<void()>> refreshers_;
    std::map<const TControl*, QWidget*> widgets_;
    std::map<const QWidget*, TControl*> controls_;
    unsigned centerRevision_ = ~0u;
    int width_ = 0, height_ = 0;
    bool refreshing_ = false;
    QMetaObject::Connection focusWatch_;
    bool acting_ = false;
    bool destroying_ = false;
    bool shownOnce_ = false;
    bool activatedOnce_ = false;
    bool ownWindowWasActive_ = false;
};

} // namespace dorvik::gui
