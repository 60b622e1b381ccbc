// The print options window and the print preview over a real search of the sample data.
#include "gui/platform/qt_platform_services.h"
#include "gui/printing/preview_reports.h"
#include "gui/printing/print_options_view.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QTimer>

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>

namespace dorvik::gui {
namespace {

class PrintingViewsTest : public MainWindowViewTest {
protected:
    // What the preview showed of each report.
    struct Shown {
        QString title;
        int pages = 0;
        bool listFileThere = false;
    };
    std::vector<Shown> shown;

    PreviewReports Reports() {
        PreviewReports reports(view.get());
        reports.ShowPreview = [this](QPrintPreviewDialog& dialog) {
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(preview, nullptr);
            shown.push_back(
                {dialog.windowTitle(), preview->pageCount(), std::filesystem::exists(folder / "list.dvk")});
            std::filesystem::create_directories(DORVIK_ARTIFACTS);
            dialog.grab().save(QStringLiteral(DORVIK_ARTIFACTS "/print_preview_%1.png").arg(shown.size()));
            dialog.close();
        };
        return reports;
    }
};

TEST_F(PrintingViewsTest, EntireListOpensThePreviewOfEveryPageAndClosingRemovesTheDataFiles) {
    SearchBand();
    const int rows = form->grdSpecs.RowCount() - 1;
    ASSERT_GT(rows, 7);
    PreviewReports reports = Reports();
    TfrmPrintOptions window(*form, reports);
    PrintOptionsView options(window, view.get());
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    EXPECT_TRUE(options.Item(0)->isChecked());
    EXPECT_EQ(options.Item(2)->text().toStdString(), window.rgPrintOptions.Items()[2]);

    QTest::mouseClick(options.Item(2), Qt::LeftButton);
    EXPECT_EQ(window.rgPrintOptions.ItemIndex(), 2);
    QTest::mouseClick(options.findChild<QPushButton*>(QStringLiteral("btnPrint")), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("Print Preview"));
    EXPECT_EQ(shown[0].pages, (rows + 6) / 7);
    EXPECT_TRUE(shown[0].listFileThere);
    EXPECT_TRUE(options.isVisible()) << "the options window stays open after a print";

    // The current page: the data sheet of one page.
    QTest::mouseClick(options.Item(1), Qt::LeftButton);
    QTest::mouseClick(options.findChild<QPushButton*>(QStringLiteral("btnPrint")), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].pages, 1);

    QTest::mouseClick(options.findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(window.Closed);
    EXPECT_FALSE(std::filesystem::exists(folder / "list.dvk"));
    EXPECT_FALSE(std::filesystem::exists(folder / "selected.dvk"));
    EXPECT_TRUE(services.Messages().empty()) << services.Messages().front();
}

// The main window's print command over the desktop program's services: the registered options window over
// the preview engine; closing it removes the data files.
TEST_F(PrintingViewsTest, PrintCommandOpensTheRegisteredOptionsWindowModally) {
    SearchBand();
    QtPlatformServices desktop;
    RegisterPrintingViews(desktop);
    ASSERT_NE(dynamic_cast<PreviewReports*>(desktop.Reports()), nullptr);
    TfrmPrintOptions window(*form, *desktop.Reports());
    QString title;
    QTimer::singleShot(0, [&title] {
        if (auto* options = qobject_cast<PrintOptionsView*>(QApplication::activeModalWidget())) {
            title = options->windowTitle();
            options->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        }
    });
    desktop.ShowModal(window);
    EXPECT_EQ(title, QStringLiteral("Print Options"));
    EXPECT_TRUE(window.Closed);
}

} // namespace
} // namespace dorvik::gui
