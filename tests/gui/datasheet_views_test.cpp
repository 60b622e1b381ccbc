// The datasheet window and the user's lines as drawn: a table typed is fitted at once, the chart and the
// points follow, the connector grid edits the model; offscreen, with a screenshot for a look.
#include "core/forms/datasheet/frm_datasheet_line.h"
#include "core/forms/fake_services.h"
#include "gui/datasheet/datasheet_line_view.h"
#include "support/test_files.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace dorvik::gui {
namespace {

TEST(DatasheetLineView, FitsTheTableAsItIsTypedAndSavesTheLine) {
    const dorvik::testing::TempFolder temp;
    dorvik::testing::FakeServices services;
    const Catalogue maker;
    TfrmDatasheetLine form(maker, temp.Path() / "user", '.', services);
    DatasheetLineView view(form, services, nullptr);
    view.Refresh();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    auto* table = view.findChild<QPlainTextEdit*>(QStringLiteral("memTable"));
    ASSERT_NE(table, nullptr);
    table->setPlainText(
        QStringLiteral("# 7/8 in foam\nMHz,dB/100ft,kW\n1,0.05,15\n10,0.15,15\n30,0.27,11.7\n"
                       "150,0.61,5.1\n450,1.07,2.9\n900,1.55,2\n1800,2.25,1.38\n3000,2.99,1.04\n"));
    ASSERT_TRUE(form.Fit());
    EXPECT_TRUE(
        view.findChild<QLabel*>(QStringLiteral("lblFit"))->text().startsWith(QStringLiteral("K1 0.04")));
    EXPECT_EQ(view.findChild<QTableView*>(QStringLiteral("grdPoints"))->model()->rowCount(), 16);

    auto* connectors = view.findChild<QTableWidget*>(QStringLiteral("grdConnectors"));
    ASSERT_EQ(connectors->rowCount(), 1);
    connectors->item(0, 0)->setText(QStringLiteral("N Male"));
    EXPECT_EQ(form.grdConnectors.Cell(1, 1), "N Male");
    for (const auto& [name, text] :
         {std::pair{"edtPartNumber", "MY-78"}, std::pair{"edtLowFrequency", "1"},
          std::pair{"edtHighFrequency", "3000"}, std::pair{"edtPeakPower", "15"}}) {
        auto* field = view.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    std::filesystem::create_directories(DORVIK_ARTIFACTS);
    EXPECT_TRUE(view.grab().save(QStringLiteral(DORVIK_ARTIFACTS "/datasheet-line.png")));

    view.findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
    EXPECT_EQ(form.ModalResult, TModalResult::Ok)
        << (services.Messages().empty() ? "" : services.Messages()[0]);
    EXPECT_TRUE(std::filesystem::exists(temp.Path() / "user" / "User_TLine_Connectors.dat"));
}

} // namespace
} // namespace dorvik::gui
