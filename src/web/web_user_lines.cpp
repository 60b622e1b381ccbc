#include "web/web_user_lines.h"

#include "core/chart/chart_scene.h"
#include "core/chart/chart_svg.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"
#include "core/text/whole_number.h"
#include "web/json_writer.h"

#include <algorithm>
#include <string_view>

namespace dorvik::web {

namespace {

int ReadIndex(std::string_view value) {
    return TryReadWholeNumber(value).value_or(-1);
}

void Rows(JsonWriter& json, std::string_view key, const TGrid& grid) {
    json.Key(key).BeginObject().Field("current", grid.CurrentRow()).Key("headings").BeginArray();
    for (int col = 1; col <= grid.ColCount(); ++col)
        json.String(DecodeForDisplay(grid.Heading(col)));
    json.EndArray().Key("rows").BeginArray();
    for (int row = 1; row <= grid.RowCount(); ++row) {
        json.BeginArray();
        for (int col = 1; col <= grid.ColCount(); ++col)
            json.String(DecodeForDisplay(grid.Cell(col, row)));
        json.EndArray();
    }
    json.EndArray().EndObject();
}

// The fitted curve with the published points over it and each point's error beside it, as the desktop draws.
std::string FitSvg(const TfrmDatasheetLine& form, double width, double height) {
    const ChartFigure figure = form.FitFigure();
    ChartScene scene = MakeChartScene(figure, width, height);
    if (form.Fit())
        for (const FitPoint& point : form.Fit()->Points) {
            const ScenePoint at = MapToScene(scene, point.MHz, point.Published);
            if (point.Quantity != FitQuantity::Attenuation || !scene.Plot.Contains(at, 2))
                continue;
            scene.Items.emplace_back(SceneMarker{at, 7, MarkerShape::Circle, {0, 1.2, {}}, std::nullopt});
            scene.Items.emplace_back(SceneText{
                FormatFixed2(point.ErrorPercent, figure.DecimalSeparator) + " %", {at.X + 6, at.Y + 12}, 10});
        }
    return ChartSvg(scene, figure.Title);
}

void DatasheetJson(JsonWriter& json, const TfrmDatasheetLine& form, double width, double height) {
    json.BeginObject()
        .Field("caption", DecodeForDisplay(form.Caption))
        .Field("table", DecodeForDisplay(form.memTable.Text()))
        .Field("fit", DecodeForDisplay(form.lblFit.Caption()))
        .Field("type", form.cbxType.ItemIndex());
    json.Key("types").BeginArray();
    for (const auto& item : form.cbxType.Items())
        json.String(item);
    json.EndArray().Key("fields").BeginObject();
    for (const TEdit* edit :
         {&form.edtPartNumber, &form.edtDescription, &form.edtSize, &form.edtFamily, &form.edtLowFrequency,
          &form.edtHighFrequency, &form.edtDerating, &form.edtPeakPower, &form.edtListPrice})
        json.Field(edit->Name, DecodeForDisplay(edit->Text()));
    json.EndObject();
    Rows(json, "points", form.grdPoints);
    Rows(json, "connectors", form.grdConnectors);
    json.Field("svg", FitSvg(form, width, height)).EndObject();
}

void UserLinesJson(JsonWriter& json, const TfrmUserLines& form) {
    json.BeginObject()
        .Field("caption", DecodeForDisplay(form.Caption))
        .Field("index", form.lstLines.ItemIndex())
        .Field("editEnabled", form.btnEdit.Enabled())
        .Field("removeEnabled", form.btnRemove.Enabled());
    json.Key("items").BeginArray();
    for (const auto& item : form.lstLines.Items())
        json.String(DecodeForDisplay(item));
    json.EndArray().EndObject();
}

TButton* ButtonNamed(std::initializer_list<TButton*> buttons, const std::string& name) {
    for (TButton* button : buttons)
        if (button->Name == name)
            return button;
    return nullptr;
}

void DatasheetEvent(TfrmDatasheetLine& form, const std::string& control, const std::string& action,
                    const std::string& value) {
    if (action == "click") {
        if (TButton* button = ButtonNamed(
                {&form.btnAddConnector, &form.btnRemoveConnector, &form.btnSave, &form.btnCancel}, control))
            button->Click();
    } else if (action == "text") {
        for (TEdit* edit : {&form.memTable, &form.edtPartNumber, &form.edtDescription, &form.edtSize,
                            &form.edtFamily, &form.edtLowFrequency, &form.edtHighFrequency, &form.edtDerating,
                            &form.edtPeakPower, &form.edtListPrice})
            if (edit->Name == control)
                edit->SetText(EncodeForFile(value));
    } else if (action == "pick" && control == form.cbxType.Name) {
        form.cbxType.UserPick(ReadIndex(value));
    } else if (action == "row" && control == "grdConnectors") {
        form.grdConnectors.SetCurrentRow(ReadIndex(value));
    } else if (action == "cell" && control == "grdConnectors") {
        // "column TAB row TAB text", the text up to the end of its line.
        std::string_view rest(value);
        const auto take = [&rest](char end) {
            const auto at = std::min(rest.find(end), rest.size());
            const auto part = rest.substr(0, at);
            rest.remove_prefix(std::min(at + 1, rest.size()));
            return part;
        };
        const int c = ReadIndex(take('\t')), r = ReadIndex(take('\t'));
        const std::string text(take('\n'));
        if (c >= 1 && c <= form.grdConnectors.ColCount() && r >= 1 && r <= form.grdConnectors.RowCount())
            form.grdConnectors.SetCell(c, r, EncodeForFile(text));
    }
}

} // namespace

void WebUserLines::Adopt() {
    const auto folder = main_.UserCatalogueFolder();
    if (!folder)
        return;
    for (const auto& window : outbox_.windows) {
        if (window == "userLines" && !list_) {
            list_ = std::make_unique<TfrmUserLines>(main_.TheCatalogue, *folder, main_.DecimalSeparator(),
                                                    services_);
        } else if (window == "datasheet" && !line_) {
            line_ = std::make_unique<TfrmDatasheetLine>(main_.TheCatalogue, *folder, main_.DecimalSeparator(),
                                                        services_);
            if (outbox_.editedLine)
                line_->Edit(*outbox_.editedLine);
        }
    }
    outbox_.editedLine.reset();
}

void WebUserLines::Event(const std::string& control, const std::string& action, const std::string& value,
                         int answer) {
    if (answer >= 0)
        outbox_.answer = answer == 1;
    if (line_) {
        RunHandler(services_, [&] { DatasheetEvent(*line_, control, action, value); });
        const TModalResult result = line_->ModalResult;
        if (result != TModalResult::None)
            line_.reset();
        if (result == TModalResult::Ok)
            Changed();
    } else if (list_) {
        RunHandler(services_, [&] {
            if (action == "item" && control == list_->lstLines.Name)
                list_->lstLines.UserClick(ReadIndex(value));
            else if (action == "click")
                if (TButton* button =
                        ButtonNamed({&list_->btnEdit, &list_->btnRemove, &list_->btnClose}, control))
                    button->Click();
        });
        if (list_->Changed())
            Changed();
        else if (list_->ModalResult != TModalResult::None)
            list_.reset();
        Adopt();
    }
    outbox_.answer.reset();
}

void WebUserLines::Changed() {
    outbox_.userFilesChanged = true;
    main_.Dispatch([this] { main_.ReloadUserLines(); });
    // The list is read again from the files; the window stays open unless it was closed.
    if (list_ && list_->ModalResult == TModalResult::None) {
        const int index = list_->lstLines.ItemIndex();
        list_ = std::make_unique<TfrmUserLines>(main_.TheCatalogue, *main_.UserCatalogueFolder(),
                                                main_.DecimalSeparator(), services_);
        if (index >= 0 && index < static_cast<int>(list_->lstLines.Items().size()))
            list_->lstLines.UserClick(index);
    } else {
        list_.reset();
    }
}

void WebUserLines::CloseAll() {
    line_.reset();
    list_.reset();
}

std::string WebUserLines::Json(double width, double height) const {
    JsonWriter json;
    json.BeginObject().Key("userLines");
    if (list_)
        UserLinesJson(json, *list_);
    else
        json.Null();
    json.Key("datasheet");
    if (line_)
        DatasheetJson(json, *line_, width, height);
    else
        json.Null();
    json.EndObject();
    return json.Text();
}

} // namespace dorvik::web
