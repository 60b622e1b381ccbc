// The menu bar, drawn from the main menu's model.
#include "gui/main_window/main_window_view.h"
#include "gui/platform/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace dorvik::gui {

namespace {
// Keeps an action (or a submenu's action) in step with its item.
std::function<void()> SyncAction(const TMenuItem& item, QAction& action) {
    auto last = std::make_shared<unsigned>(item.Revision - 1);
    return [&item, &action, last] {
        if (item.Revision == *last)
            return;
        *last = item.Revision;
        action.setVisible(item.Visible());
        action.setEnabled(item.Enabled());
        if (action.isCheckable())
            action.setChecked(item.Checked());
    };
}
} // namespace

void MainWindowView::AddMenuItems(QMenu& menu, TMenuItem& parent) {
    for (const auto& child : parent.Items()) {
        TMenuItem& item = *child;
        QAction* action = nullptr;
        if (item.IsSeparator()) {
            action = menu.addSeparator();
        } else if (!item.Items().empty()) {
            QMenu* submenu = menu.addMenu(ToQString(item.Caption()));
            AddMenuItems(*submenu, item);
            action = submenu->menuAction();
        } else {
            action = menu.addAction(ToQString(item.Caption()));
            action->setCheckable(item.RadioItem || item.Checked());
            if (!item.ShortCut.empty())
                action->setShortcut(QKeySequence(ToQString(item.ShortCut)));
            // Qt checks a checkable action itself when it is triggered; the item decides (a currency that
            // cannot be used stays unchecked), and an item whose state did not change is not refreshed.
            connect(action, &QAction::triggered, this, [this, &item, action] {
                Act([&item] { item.Click(); });
                if (action->isCheckable())
                    action->setChecked(item.Checked());
            });
        }
        action->setObjectName(QString::fromStdString(item.Name));
        refreshers_.push_back(SyncAction(item, *action));
    }
}

void MainWindowView::BuildMenu() {
    for (const auto& child : form_.MainMenu1.Items()) {
        TMenuItem& item = *child;
        QAction* action = nullptr;
        if (item.Items().empty()) {
            action = menuBar()->addAction(ToQString(item.Caption()));
            connect(action, &QAction::triggered, this, [this, &item] { Act([&item] { item.Click(); }); });
        } else {
            QMenu* menu = menuBar()->addMenu(ToQString(item.Caption()));
            menu->setObjectName(QString::fromStdString(item.Name));
            AddMenuItems(*menu, item);
            action = menu->menuAction();
        }
        action->setObjectName(QString::fromStdString(item.Name));
        refreshers_.push_back(SyncAction(item, *action));
    }
}

} // namespace dorvik::gui
