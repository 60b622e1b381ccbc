// The user's own lines through the windows: fitted from a datasheet table, saved, found by a query beside the
// maker's and marked in the grid; edited and removed again.
#include "core/catalogue/user_catalogue.h"
#include "core/forms/datasheet/frm_datasheet_line.h"
#include "core/forms/datasheet/frm_user_lines.h"
#include "core/forms/main_window_fixture.h"
#include "core/text/numbers.h"

namespace dorvik::testing {
namespace {

class UserLinesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        userFolder = folder.Path() / "user";
    }

    // The datasheet window filled as a user fills it, then Save.
    static TModalResult FillAndSave(TForm& window, const std::string& partNumber) {
        auto& form = dynamic_cast<TfrmDatasheetLine&>(window);
        form.memTable.SetText("MHz,dB/100ft,kW\n30,0.58,\n150,1.32,12\n450,2.36,6.9\n900,3.45,4.8\n");
        form.edtPartNumber.SetText(partNumber);
        form.edtDescription.SetText("my own cable");
        form.edtLowFrequency.SetText("1");
        form.edtHighFrequency.SetText("3000");
        form.edtPeakPower.SetText("20");
        form.edtListPrice.SetText("3.5");
        form.grdConnectors.SetCell(1, 1, "N Male");
        form.grdConnectors.SetCell(6, 1, "MY-NM");
        form.btnSave.Click();
        return form.ModalResult;
    }
};

TEST_F(UserLinesTest, ALineFittedAndSavedIsFoundByTheNextQueryAndMarked) {
    auto& f = Start();
    services.OnShowModal = [](TForm& window) { return FillAndSave(window, "MY-1"); };
    User([&] { f.NewLineFromDatasheet1Click(); });
    ASSERT_THAT(services.Messages(), ::testing::IsEmpty());

    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    f.edtLength.SetText("100");
    Search();
    const auto parts = Column(f.grdSpecs, 1);
    ASSERT_THAT(parts, ::testing::Contains("MY-1"));
    const int row = static_cast<int>(std::find(parts.begin(), parts.end(), "MY-1") - parts.begin()) + 1;
    EXPECT_TRUE(f.grdSpecs.RowMarked(row));
    EXPECT_FALSE(f.grdSpecs.RowMarked(row == 1 ? 2 : 1));
    // The fitted line reproduces the table at 900 MHz: 3.45 dB/100 ft, within 1 %.
    for (int col = 1; col <= f.grdSpecs.ColCount(); ++col) {
        if (f.grdSpecs.Heading(col) == "Attenuation (dB/100 ft)") {
            EXPECT_NEAR(ReadNumber(f.grdSpecs.Cell(col, row), '.'), 3.45, 0.035);
        }
    }
}

TEST_F(UserLinesTest, APartNumberOfTheMakersIsRefusedAndNothingIsWritten) {
    auto& f = Start();
    TModalResult result = TModalResult::None;
    services.OnShowModal = [&](TForm& window) { return result = FillAndSave(window, "TC-100"); };
    User([&] { f.NewLineFromDatasheet1Click(); });
    EXPECT_EQ(result, TModalResult::None);
    EXPECT_THAT(services.Messages(),
                ::testing::ElementsAre(::testing::HasSubstr("TC-100 is one of the maker's")));
    EXPECT_FALSE(std::filesystem::exists(*userFolder / kUserCatalogueFileName));
}

TEST_F(UserLinesTest, UserLinesAreEditedAndRemoved) {
    auto& f = Start();
    services.OnShowModal = [](TForm& window) { return FillAndSave(window, "MY-1"); };
    User([&] { f.NewLineFromDatasheet1Click(); });
    // Renamed in the datasheet window opened from the list, then removed.
    services.OnShowModal = [](TForm& window) {
        auto& list = dynamic_cast<TfrmUserLines&>(window);
        list.lstLines.UserClick(0);
        list.btnEdit.Click();
        EXPECT_EQ(list.lstLines.Items(), std::vector<std::string>{"MY-2"});
        return TModalResult::Ok;
    };
    const auto renamed = [](TForm& window) {
        auto& edited = dynamic_cast<TfrmDatasheetLine&>(window);
        EXPECT_EQ(edited.edtPartNumber.Text(), "MY-1");
        EXPECT_EQ(edited.edtListPrice.Text(), "3.5");
        edited.edtPartNumber.SetText("MY-2");
        edited.btnSave.Click();
        return edited.ModalResult;
    };
    auto listed = services.OnShowModal;
    services.OnShowModal = [&](TForm& window) {
        return dynamic_cast<TfrmUserLines*>(&window) ? listed(window) : renamed(window);
    };
    User([&] { f.UserLines1Click(); });
    const auto user = UserCatalogue::Read(*userFolder, '.');
    EXPECT_EQ(user.PartNumbers(), std::vector<std::string>{"MY-2"});
    ASSERT_TRUE(user.Line("MY-2"));
    EXPECT_EQ(user.Line("MY-2")->Description, "my own cable");

    services.OnShowModal = [](TForm& window) {
        auto& list = dynamic_cast<TfrmUserLines&>(window);
        list.lstLines.UserClick(0);
        list.btnRemove.Click();
        return TModalResult::Ok;
    };
    User([&] { f.UserLines1Click(); });
    EXPECT_TRUE(UserCatalogue::Read(*userFolder, '.').PartNumbers().empty());
    EXPECT_THAT(services.Messages(),
                ::testing::ElementsAre("confirm: Remove the line MY-2 from your catalogue?"));
}

} // namespace
} // namespace dorvik::testing
