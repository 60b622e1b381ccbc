// Menu shortcuts reach their items whatever field has the focus; the editing keys stay with the field.
#include "core/forms/fake_report_engine.h"
#include "gui/main_window/shortcut_priority.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStackedWidget>

#include <algorithm>

namespace dorvik::gui {
namespace {

// A field that binds every Ctrl key for itself, as a line edit does with the X11 key bindings (Ctrl+U
// deletes the line there): it claims the key before the shortcuts and clears itself on it.
class GreedyField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QList<QKeyCombination> Keys;

protected:
    static bool CtrlLetter(const QKeyEvent& key) {
        return (key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && CtrlLetter(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return QLineEdit::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (CtrlLetter(*event)) {
            Keys.push_back(event->keyCombination());
            clear();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

class ShortcutPriorityTest : public MainWindowViewTest {
protected:
    dorvik::testing::FakeReportEngine reports;
    // How often the window of that caption was opened.
    long Opened(const std::string& caption) const {
        return std::count(services.ModalShown.begin(), services.ModalShown.end(), caption);
    }
    void SetUp() override {
        MainWindowViewTest::SetUp();
        services.ReportEngine = &reports;
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
};

TEST_F(ShortcutPriorityTest, MenuKeysAreTheMenusOwnButTheEditingKeys) {
    const auto* priority = view->findChild<MenuShortcutPriority*>();
    ASSERT_NE(priority, nullptr);
    QList<QKeyCombination> expected = {Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key_P, Qt::CTRL | Qt::Key_S,
                                       Qt::CTRL | Qt::Key_G, Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_U};
    QList<QKeyCombination> keys = priority->Keys();
    const auto order = [](QKeyCombination a, QKeyCombination b) { return a.toCombined() < b.toCombined(); };
    std::sort(expected.begin(), expected.end(), order);
    std::sort(keys.begin(), keys.end(), order);
    EXPECT_EQ(keys, expected);
}

TEST_F(ShortcutPriorityTest, FieldThatBindsTheKeysItselfGetsOnlyTheEditingKeys) {
    int searches = 0, opens = 0;
    form->GetTransmissionLines1->OnClick = [&] { ++searches; };
    form->OpenFile1->OnClick = [&] { ++opens; };
    view->Act([this] {
        form->Print1->SetVisible(true);
        form->Print1->SetEnabled(true);
    });
    auto* field = new GreedyField(QStringLiteral("100"), Widget<QLineEdit>(form->edtLength)->parentWidget());
    field->show();
    field->setFocus();
    for (Qt::Key key : {Qt::Key_U, Qt::Key_G, Qt::Key_O, Qt::Key_P})
        QTest::keyClick(field, key, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("100"));
    EXPECT_TRUE(field->Keys.isEmpty());
    EXPECT_EQ(Opened("Quick Update"), 1);
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(Opened("Print Options"), 1);
    // A menu key whose item cannot run now (Print on a hidden item) does not reach the field either.
    view->Act([this] { form->Print1->SetVisible(false); });
    QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("100"));
    for (Qt::Key key : {Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_Z, Qt::Key_A})
        QTest::keyClick(field, key, Qt::ControlModifier);
    EXPECT_EQ(field->Keys.size(), 5);
    EXPECT_FALSE(form->Closed); // Ctrl+X cut in the field; it did not exit
}

TEST_F(ShortcutPriorityTest, CtrlUInAFieldOpensQuickUpdateAndKeepsTheText) {
    for (QLineEdit* field :
         {Widget<QLineEdit>(form->edtMaxLoss), Widget<QComboBox>(form->cbxBeginningFrequency)->lineEdit()}) {
        const QString before = field->text();
        field->setFocus();
        field->setCursorPosition(field->text().size());
        QTest::keyClick(field, Qt::Key_U, Qt::ControlModifier);
        EXPECT_EQ(field->text(), before);
    }
    EXPECT_EQ(Opened("Quick Update"), 2);
}

TEST_F(ShortcutPriorityTest, CtrlGInTheVswrFieldSearches) {
    auto* vswr = Widget<QLineEdit>(form->edtVSWR);
    vswr->setFocus();
    QTest::keyClick(vswr, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(view->Pages()->currentIndex(), 1);
    EXPECT_EQ(vswr->text(), QStringLiteral("1.1"));
}

TEST_F(ShortcutPriorityTest, EditingKeysActInTheField) {
    auto* length = Widget<QLineEdit>(form->edtLength);
    length->setFocus();
    length->setText(QStringLiteral("125"));
    QTest::keyClick(length, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(length->selectedText(), QStringLiteral("125"));
    QTest::keyClick(length, Qt::Key_X, Qt::ControlModifier); // cut, not Exit
    EXPECT_FALSE(form->Closed);
    EXPECT_EQ(length->text(), QString());
    QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(length->text(), QStringLiteral("125"));
    QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(length->text(), QString());
    EXPECT_EQ(Opened("Quick Update"), 0);
}

} // namespace
} // namespace dorvik::gui
