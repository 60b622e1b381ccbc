// The real main window over the sample data, offscreen: the widgets follow the model both ways.
#include "gui/grid/grid_table_model.h"
#include "gui/platform/qt_text.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace dorvik::gui {
namespace {

TEST_F(MainWindowViewTest, QueryPageShowsTheModel) {
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Select Query Values"));
    auto* begin = Widget<QComboBox>(form->cbxBeginningFrequency);
    ASSERT_NE(begin, nullptr);
    EXPECT_EQ(begin->count(), static_cast<int>(form->BeginFrequencyList.size()));
    EXPECT_EQ(begin->currentText().toStdString(), form->cbxBeginningFrequency.Text());
    EXPECT_EQ(Widget<QComboBox>(form->cbxConnector)->count(),
              static_cast<int>(form->cbxConnector.Items().size()));
    EXPECT_EQ(Widget<QLineEdit>(form->edtVSWR)->text(), QStringLiteral("1.1"));
    EXPECT_TRUE(Widget<QPushButton>(form->btnSearch)->isEnabled());
    EXPECT_EQ(view->Pages()->currentIndex(), 0);
    SaveScreenshot(QStringLiteral("query_page.png"));
}

TEST_F(MainWindowViewTest, TypingAndSwitchesGoThroughTheRules) {
    auto* vswr = Widget<QLineEdit>(form->edtVSWR);
    vswr->selectAll();
    QTest::keyClicks(vswr, QStringLiteral("x"));
    EXPECT_EQ(form->edtVSWR.Text(), "0");
    EXPECT_EQ(vswr->text(), QStringLiteral("0"));
    ASSERT_EQ(services.Messages().size(), 1u);

    auto* length = Widget<QLineEdit>(form->edtLength);
    length->clear();
    QTest::keyClicks(length, QStringLiteral("12.5"));
    EXPECT_EQ(form->edtLength.Text(), "12.5");
    EXPECT_EQ(length->cursorPosition(), 4);

    auto* byLoss = Widget<QCheckBox>(form->chkInsertionLoss);
    auto* byFrequency = Widget<QCheckBox>(form->chkFrequency);
    QTest::mouseClick(byFrequency, Qt::LeftButton);
    EXPECT_FALSE(form->chkFrequency.Checked());
    EXPECT_FALSE(byLoss->isEnabled());
    EXPECT_FALSE(Widget<QLineEdit>(form->edtMaxLoss)->isEnabled());
    view->Act([this] { form->chkInsertionLoss.SetChecked(true); });
    EXPECT_TRUE(byFrequency->isChecked());
    EXPECT_TRUE(byLoss->isEnabled());
}

TEST_F(MainWindowViewTest, LeavingAFrequencyFieldCompletesItsEntry) {
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    form->cbxBeginningFrequency.SetTextByProgram("800");
    view->Refresh();
    auto* end = Widget<QComboBox>(form->cbxEndingFrequency);
    end->setFocus();
    end->lineEdit()->selectAll();
    QTest::keyClicks(end->lineEdit(), QStringLiteral("1000"));
    EXPECT_TRUE(form->cbxEndingFrequency.EntryPending());
    // After a person's pause the completions are shown, and they have the keyboard. Where they closed as
    // nothing matched, a window system gives the window back its activation; the offscreen one does not.
    QTest::qWait(100);
    QWidget* popup = end->completer()->popup();
    if (!popup->isVisible()) {
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    QTest::keyClick(popup->isVisible() ? popup : end->lineEdit(), Qt::Key_Tab);
    QTest::qWait(100);
    EXPECT_FALSE(form->cbxEndingFrequency.EntryPending());
    EXPECT_EQ(form->cbxBeginningFrequency.Text(), "800");
    EXPECT_EQ(Widget<QComboBox>(form->cbxBeginningFrequency)->count(),
              static_cast<int>(form->cbxBeginningFrequency.Items().size()));
    EXPECT_EQ(view->focusWidget(), Widget<QWidget>(form->edtMaxLoss)); // the focus went on
    EXPECT_TRUE(services.Messages().empty());
}

// A typed frequency stays as typed: completions are a list to pick from, never text put in the field.
TEST_F(MainWindowViewTest, FrequencyFieldsOfferCompletionsWithoutReplacingTheTypedNumber) {
    struct Case {
        const char* name;
        TComboBox* field;
        const char* typed;
        Qt::Key key; // after typing; Key_Down picks the first completion with Enter
        const char* expected;
        TControl* focusAfter; // nullptr: the field keeps the focus
    };
    const Case cases[] = {
        {"Tab leaves the beginning", &form->cbxBeginningFrequency, "80", Qt::Key_Tab, "80",
         &form->cbxEndingFrequency},
        {"Enter keeps the typed text", &form->cbxBeginningFrequency, "80", Qt::Key_Enter, "80", nullptr},
        {"a completion picked", &form->cbxBeginningFrequency, "80", Qt::Key_Down, "806", nullptr},
        {"Tab leaves the end", &form->cbxEndingFrequency, "10", Qt::Key_Tab, "10", &form->edtMaxLoss},
    };
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->cbxBeginningFrequency.SetItemIndex(0);
        form->cbxEndingFrequency.SetItemIndex(0);
        view->Refresh();
        auto* combo = Widget<QComboBox>(*c.field);
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QString::fromLatin1(c.typed));
        QWidget* popup = combo->completer()->popup();
        QTest::qWait(100); // a person's pause: the window system has shown the list
        EXPECT_EQ(combo->lineEdit()->text().toStdString(), c.typed);
        ASSERT_TRUE(popup->isVisible()) << "the completions are offered";
        if (c.key == Qt::Key_Down) {
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Enter);
        } else {
            QTest::keyClick(popup, c.key);
        }
        QTest::qWait(100);
        EXPECT_FALSE(popup->isVisible());
        EXPECT_EQ(c.field->Text(), c.expected);
        EXPECT_EQ(combo->lineEdit()->text().toStdString(), c.expected);
        EXPECT_EQ(view->focusWidget(), c.focusAfter ? Widget<QWidget>(*c.focusAfter) : combo)
            << (view->focusWidget() ? view->focusWidget()->objectName().toStdString() : "none") << " app "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                            : "none");
    }
    EXPECT_TRUE(services.Messages().empty());
}

TEST_F(MainWindowViewTest, SearchShowsTheResultsPage) {
    auto* begin = Widget<QComboBox>(form->cbxBeginningFrequency);
    auto* end = Widget<QComboBox>(form->cbxEndingFrequency);
    begin->lineEdit()->selectAll();
    QTest::keyClicks(begin->lineEdit(), QStringLiteral("824"));
    end->lineEdit()->selectAll();
    QTest::keyClicks(end->lineEdit(), QStringLiteral("960"));
    // The rules wait for a completed entry: no keystroke of "960" resets the beginning.
    EXPECT_EQ(form->cbxBeginningFrequency.Text(), "824");
    EXPECT_EQ(form->cbxEndingFrequency.Text(), "960");
    form->edtLength.SetText("50");
    view->Refresh();
    QTest::mouseClick(Widget<QPushButton>(form->btnSearch), Qt::LeftButton);
    ASSERT_TRUE(services.Messages().empty()) << services.Messages().front();
    EXPECT_EQ(view->Pages()->currentIndex(), 1);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Query Results"));
    auto* grid = Widget<QTableView>(form->grdSpecs);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), form->grdSpecs.RowCount());
    EXPECT_GT(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->data(grid->model()->index(0, 0)).toString().toStdString(),
              form->grdSpecs.Cell(1, 1));
    EXPECT_EQ(Widget<QGroupBox>(form->gbxSpecifications)->title().toStdString(),
              form->gbxSpecifications.Caption());
    auto* connectors = Widget<QListWidget>(form->lstConnectors);
    EXPECT_EQ(connectors->count(), static_cast<int>(form->lstConnectors.Items().size()));
    EXPECT_EQ(connectors->currentRow(), 0);

    // Moving to the second line refills the connector lists.
    view->Act([this] { form->grdSpecs.SetCurrentRow(2); });
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(form->lstConnectors.Items().size(), static_cast<std::size_t>(connectors->count()));
    view->Act([this] { form->grdSpecs.SetCurrentRow(1); });
    SaveScreenshot(QStringLiteral("results_page.png"));

    QTest::mouseClick(Widget<QPushButton>(form->btnNewQuery), Qt::LeftButton);
    EXPECT_EQ(view->Pages()->currentIndex(), 0);
}

TEST_F(MainWindowViewTest, MenuFollowsThePage) {
    const auto action = [this](const char* name) { return view->menuBar()->findChild<QAction*>(name); };
    ASSERT_NE(action("OpenFile1"), nullptr);
    // Showing the window ran the query page's show handler: the results items are hidden from the start.
    EXPECT_TRUE(action("OpenFile1")->isVisible());
    EXPECT_FALSE(action("Print1")->isVisible());
    EXPECT_TRUE(action("CurrencySettings1")->isVisible());
    EXPECT_FALSE(action("CurrencySettings1")->isEnabled());
    EXPECT_EQ(action("SaveQuerySettingsToFile1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(action("SaveSettingsOnExit1")->isChecked());
    action("SaveSettingsOnExit1")->trigger();
    EXPECT_FALSE(form->SaveSettingsOnExit1->Checked());
    EXPECT_FALSE(action("SaveSettingsOnExit1")->isChecked());
}

TEST_F(MainWindowViewTest, StatusBarShowsTheHintUnderTheMouse) {
    const auto enter = [](QWidget* widget) {
        QEvent event(QEvent::Enter);
        QApplication::sendEvent(widget, &event);
    };
    auto* vswr = Widget<QLineEdit>(form->edtVSWR);
    enter(vswr);
    EXPECT_EQ(view->StatusText()->FullText(), QStringLiteral("Enter VSWR for Derated Power Calculation"));
    EXPECT_EQ(form->StatusBar1.Caption(), "Enter VSWR for Derated Power Calculation");
    // The editor inside a combo box has no hint of its own: the combo box's is shown.
    enter(Widget<QComboBox>(form->cbxEndingFrequency)->lineEdit());
    EXPECT_EQ(view->StatusText()->FullText(), QStringLiteral("Select Ending Frequency"));
    // A box inside the cable-type group has its own; a label shows the window's notice.
    enter(view->findChild<QCheckBox*>(QStringLiteral("chkFoam")));
    EXPECT_EQ(form->StatusBar1.Caption(), "Foam Coaxial");
    enter(view->findChild<QLabel*>(QStringLiteral("Label7")));
    EXPECT_EQ(form->StatusBar1.Caption(), kMakerNotice);
    // The notice is longer than the query page is wide: one line, cut with an ellipsis, whole in the
    // tooltip; the bar keeps its height with the N/A note beside it.
    view->show();
    QApplication::processEvents();
    const int oneLine = view->statusBar()->height();
    form->StatusNote.SetCaption("Lines without a value in this band are shown with N/A.");
    view->Refresh();
    QApplication::processEvents();
    ElidedLabel* status = view->StatusText();
    EXPECT_TRUE(status->text().endsWith(QChar(0x2026))) << status->text().toStdString();
    EXPECT_EQ(status->toolTip(), ToQString(kMakerNotice));
    EXPECT_LT(view->statusBar()->height(), oneLine + status->fontMetrics().height() / 2);
    EXPECT_EQ(view->height(), view->minimumHeight()) << "the window keeps its designed size";
    SaveScreenshot(QStringLiteral("query_page_notice.png"));
}

TEST_F(MainWindowViewTest, FocusGoesWhereTheModelAsks) {
    form->edtMaxLoss.SetText("2");
    form->chkInsertionLoss.SetChecked(true);
    view->Refresh();
    // Loss query with a length of 0: the driver complains and asks for the length field.
    QTest::mouseClick(Widget<QPushButton>(form->btnSearch), Qt::LeftButton);
    ASSERT_FALSE(services.Messages().empty());
    EXPECT_EQ(view->focusWidget(), Widget<QLineEdit>(form->edtLength));
    // Focus moved by the person is the model's active control, so asking again moves it back.
    Widget<QLineEdit>(form->edtVSWR)->setFocus();
    EXPECT_EQ(form->ActiveControl, &form->edtVSWR);
    QTest::mouseClick(Widget<QPushButton>(form->btnSearch), Qt::LeftButton);
    EXPECT_EQ(view->focusWidget(), Widget<QLineEdit>(form->edtLength));
}

TEST_F(MainWindowViewTest, GridShowsHundredThousandRows) {
    form->grdSpecs.SetRowCount(100000);
    for (int row = 1; row <= 100000; row += 999)
        form->grdSpecs.SetCell(1, row, "P" + std::to_string(row));
    view->Refresh();
    auto* grid = Widget<QTableView>(form->grdSpecs);
    EXPECT_EQ(grid->model()->rowCount(), 100000);
    view->Act([this] { form->grdSpecs.SetCurrentRow(99901); });
    EXPECT_EQ(grid->currentIndex().row(), 99900);
    EXPECT_EQ(grid->model()->data(grid->model()->index(99900, 0)).toString(), QStringLiteral("P99901"));
    EXPECT_EQ(grid->model()->data(grid->model()->index(99900, 0), Qt::BackgroundRole).value<QColor>(),
              QColor(255, 255, 0));
}

// "MS Sans Serif" is drawn in Liberation Sans, and every wrapped heading fits its heading row.
TEST_F(MainWindowViewTest, HeadingsShowWhole) {
    EXPECT_EQ(QFontInfo(view->font()).family(), QStringLiteral("Liberation Sans"));
    SearchBand();
    for (const TGrid* grid : {&form->grdSpecs, &form->grdConnectors, &form->grdConnectors2}) {
        auto* table = Widget<QTableView>(*grid);
        const QHeaderView* header = table->horizontalHeader();
        EXPECT_TRUE(header->font().bold());
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        const QFontMetrics metrics(header->font());
        for (int col = 1; col <= grid->ColCount(); ++col) {
            const QRect text = metrics.boundingRect(
                QRect(0, 0, table->columnWidth(col - 1) - 2 * margin, 10'000),
                Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(grid->Heading(col)));
            EXPECT_LE(text.height() + 2 * margin, header->height())
                << grid->Name << " " << grid->Heading(col);
        }
        EXPECT_GE(header->height(), grid->HeadingHeight);
    }
}

// After a search the line grid has the focus, and the current rows show yellow and aqua at once.
TEST_F(MainWindowViewTest, SearchLeavesTheFocusInTheLineGridAndColoursTheCurrentRows) {
    SearchBand();
    auto* specs = Widget<QTableView>(form->grdSpecs);
    EXPECT_EQ(view->focusWidget(), specs);
    EXPECT_EQ(form->ActiveControl, &form->grdSpecs);
    EXPECT_EQ(specs->palette().color(QPalette::Active, QPalette::Highlight), QColor(255, 255, 0));
    EXPECT_EQ(
        Widget<QTableView>(form->grdConnectors)->palette().color(QPalette::Inactive, QPalette::Highlight),
        QColor(0, 255, 255));
    EXPECT_EQ(
        Widget<QTableView>(form->grdConnectors2)->palette().color(QPalette::Inactive, QPalette::Highlight),
        QColor(0, 255, 255));
    // Back on the query page the focus is the person's again.
    QTest::mouseClick(Widget<QPushButton>(form->btnNewQuery), Qt::LeftButton);
    ASSERT_EQ(view->Pages()->currentIndex(), 0);
    EXPECT_NE(form->ActiveControl, &form->grdSpecs);
}

// Meters and Feet are one tab stop, on the checked one; the arrow keys move the check within the group.
TEST_F(MainWindowViewTest, UnitsAreOneTabStop) {
    view->activateWindow();
    auto* length = Widget<QLineEdit>(form->edtLength);
    auto* meters = Widget<QRadioButton>(form->rbMeters);
    auto* feet = Widget<QRadioButton>(form->rbFeet);
    ASSERT_TRUE(form->rbFeet.Checked());
    length->setFocus();
    QTest::keyClick(length, Qt::Key_Tab);
    EXPECT_EQ(view->focusWidget(), feet);
    QTest::keyClick(feet, Qt::Key_Tab);
    EXPECT_EQ(view->focusWidget(), Widget<QWidget>(form->cbxConnector));
    QTest::keyClick(view->focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(view->focusWidget(), feet);
    QTest::keyClick(feet, Qt::Key_Up);
    EXPECT_TRUE(form->rbMeters.Checked());
    EXPECT_FALSE(form->rbFeet.Checked());
    EXPECT_EQ(view->focusWidget(), meters);
    EXPECT_TRUE(meters->isChecked());
    QTest::keyClick(meters, Qt::Key_Backtab);
    EXPECT_EQ(view->focusWidget(), length);
    QTest::keyClick(length, Qt::Key_Tab);
    EXPECT_EQ(view->focusWidget(), meters);
    // The focused button shows its focus.
    QStyleOptionButton option;
    option.initFrom(meters);
    EXPECT_TRUE(option.state & QStyle::State_HasFocus);
}

} // namespace
} // namespace dorvik::gui
