// The chart window over a search of the sample data, offscreen.
#include "core/forms/fake_services.h"
#include "core/store/memory_settings_store.h"
#include "gui/chart/chart_hookup.h"
#include "gui/chart/chart_window.h"
#include "gui/main_window/main_window_view.h"
#include "gui/platform/qt_platform_services.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace dorvik::gui {
namespace {

class ChartWindowTest : public ::testing::Test {
protected:
    dorvik::testing::TempFolder folder;
    MemorySettingsStore store;
    dorvik::testing::FakeServices services;
    std::unique_ptr<TfrmMain> form;
    std::unique_ptr<MainWindowView> view;

    void SetUp() override {
        const std::filesystem::path sample = DORVIK_SAMPLE_DATA;
        for (const char* name : {"Freq_TLine_Connectors.dat", "xcngrate.dat", "M_lom.dat"})
            std::filesystem::copy_file(sample / name, folder.Path() / name);
        store.CreateKey(kCommonFilesKey);
        store.WriteString(kCommonFilesKey, "Path", folder.Path().string());
        TAppEnvironment env;
        env.ProgramFolder = folder.Path();
        env.OutputFolder = folder.Path();
        form = std::make_unique<TfrmMain>(env, store, services);
        view = std::make_unique<MainWindowView>(*form);
        form->Dispatch([this] { form->FormCreate(); });
        // Every foam and air line over 100 ft, by loss: more than ten hits.
        form->chkFrequency.SetChecked(false);
        form->cbxBeginningFrequency.SetTextByProgram("800");
        form->cbxEndingFrequency.SetTextByProgram("1000");
        form->chkInsertionLoss.SetChecked(true);
        form->edtMaxLoss.SetText("20");
        form->edtLength.SetText("100");
        view->Act([this] { form->btnSearchClick(); });
        ASSERT_GT(form->Hits.size(), 10u) << (services.Events.empty() ? "" : services.Events.back());
    }

    struct NoOutput : IChartOutput {
        void SavePng(const ChartFigure&, const std::filesystem::path&) override {}
        void Print(const ChartFigure&, const ChartPage&) override {}
    } output;
    std::unique_ptr<TfrmChart> model;

    std::unique_ptr<ChartWindow> Window() {
        model = std::make_unique<TfrmChart>(form->ChartOfLines(), services, form->ChartSaveDialog,
                                            form->Environment().OutputFolder);
        return std::make_unique<ChartWindow>(*model, services, output);
    }
};

TEST_F(ChartWindowTest, ListsTheHitsWithTheFirstTenChosen) {
    const auto window = Window();
    QListWidget* list = window->LineList();
    ASSERT_EQ(list->count(), static_cast<int>(form->Hits.size()));
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_TRUE(
            list->item(i)->text().startsWith(QString::fromStdString(std::string(form->Hits[i]->PartNumber))));
        EXPECT_EQ(list->item(i)->checkState(), i < 10 ? Qt::Checked : Qt::Unchecked) << i;
    }
    EXPECT_EQ(window->Chart()->Figure().Series.size(), 10u);
    // An eleventh line is refused, and says why.
    list->item(10)->setCheckState(Qt::Checked);
    EXPECT_EQ(list->item(10)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(window->ReadOut()->text().contains("At most 10"));
    list->item(0)->setCheckState(Qt::Unchecked);
    list->item(10)->setCheckState(Qt::Checked);
    ASSERT_EQ(window->Chart()->Figure().Series.size(), 10u);
    EXPECT_EQ(window->Chart()->Figure().Series.back().PartNumber, form->Hits[10]->PartNumber);
    EXPECT_NE(window->Chart()->Figure().Series.front().PartNumber, form->Hits[0]->PartNumber);
}

TEST_F(ChartWindowTest, SwitchesToPowerAndReadsTheCurveUnderTheMouse) {
    const auto window = Window();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->Chart()->Figure().YAxisLabel, "Attenuation (dB/100 ft)");
    EXPECT_NE(window->Chart()->Figure().Series[0].Legend.find("within 20 dB"), std::string::npos);
    window->PowerButton()->click();
    const ChartFigure& figure = window->Chart()->Figure();
    EXPECT_EQ(figure.YAxisLabel, "Average Power (kW)");
    const CurvePoint& p = figure.Series[0].Points[figure.Series[0].Points.size() / 2];
    const report::ChartLayout layout(figure, window->Chart()->rect());
    QTest::mouseMove(window->Chart(), layout.Map(p.FrequencyMHz, p.Value).toPoint());
    EXPECT_TRUE(window->ReadOut()->text().contains(" MHz, ")) << window->ReadOut()->text().toStdString();
    EXPECT_TRUE(window->ReadOut()->text().endsWith(" kW"));
    std::filesystem::create_directories(DORVIK_ARTIFACTS);
    window->grab().save(QStringLiteral(DORVIK_ARTIFACTS "/chart_window.png"));
}

TEST_F(ChartWindowTest, SavesWhereTheDialogSays) {
    const auto window = Window();
    const std::string svg = (folder.Path() / "lines.svg").string();
    services.DialogAnswers.push_back(svg);
    window->SaveAs();
    ASSERT_EQ(services.DialogsShown.size(), 1u);
    EXPECT_EQ(services.DialogsShown[0].InitialDir, folder.Path().string());
    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(QByteArray::fromStdString(std::string(form->Hits[0]->PartNumber))));
    // A name of another type is refused with a message, and no file is written.
    services.DialogAnswers.push_back((folder.Path() / "lines.txt").string());
    window->SaveAs();
    ASSERT_FALSE(services.Messages().empty());
    EXPECT_NE(services.Messages().back().find("lines.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "lines.txt"));
    services.DialogAnswers.push_back(std::nullopt); // cancelled: nothing happens
    const std::size_t before = services.Events.size();
    window->SaveAs();
    EXPECT_EQ(services.Events.size(), before);
}

TEST_F(ChartWindowTest, OpenedFromTheMenuAndTheGridsContextMenu) {
    // The desktop program's services show the registered view.
    QtPlatformServices qt;
    RegisterChartView(qt);
    services.OnShowModal = [&qt](TForm& window) { return qt.ShowModal(window); };
    int opened = 0;
    QTimer::singleShot(0, [&] {
        if (auto* w = qobject_cast<ChartWindow*>(QApplication::activeModalWidget())) {
            ++opened;
            EXPECT_EQ(w->LineList()->count(), static_cast<int>(form->Hits.size()));
            w->accept();
        }
    });
    view->Act([this] { form->ChartOfLines1->Click(); });
    EXPECT_EQ(opened, 1);
    auto* grid = qobject_cast<QTableView*>(view->WidgetOf(form->grdSpecs));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->contextMenuPolicy(), Qt::CustomContextMenu);
}

} // namespace
} // namespace dorvik::gui
