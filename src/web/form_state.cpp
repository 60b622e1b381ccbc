#include "web/form_state.h"

#include "core/text/text_file.h"
#include "web/form_controls.h"
#include "web/json_writer.h"

namespace dorvik::web {

namespace {

void Common(JsonWriter& json, const TControl& control) {
    json.Field("caption", DecodeForDisplay(CaptionOf(control)))
        .Field("hint", DecodeForDisplay(control.Hint))
        .Field("enabled", EnabledOf(control))
        .Field("visible", VisibleOf(control))
        .Field("tabStop", control.TabStop)
        .Field("revision", control.Revision);
}

void Texts(JsonWriter& json, std::string_view key, const std::vector<std::string>& texts) {
    json.Key(key).BeginArray();
    for (const auto& text : texts)
        json.String(DecodeForDisplay(text));
    json.EndArray();
}

void Menu(JsonWriter& json, const TMenuItem& item) {
    json.BeginObject().Field("name", item.Name);
    Common(json, item);
    json.Field("shortcut", item.ShortCut)
        .Field("checked", item.Checked())
        .Field("radio", item.RadioItem)
        .Field("separator", item.IsSeparator());
    json.Key("items").BeginArray();
    for (const auto& child : item.Items())
        Menu(json, *child);
    json.EndArray().EndObject();
}

void Grid(JsonWriter& json, const TGrid& grid) {
    json.BeginObject();
    Common(json, grid);
    json.Field("layoutRevision", grid.LayoutRevision)
        .Field("rowCount", grid.RowCount())
        .Field("currentRow", grid.CurrentRow());
    json.Key("headings").BeginArray();
    for (int col = 1; col <= grid.ColCount(); ++col)
        if (grid.Column(col).Visible)
            json.String(DecodeForDisplay(grid.Heading(col)));
    // The grid's own numbers of the columns shown, for a click on a heading that sorts by it.
    json.EndArray().Key("columns").BeginArray();
    for (int col = 1; col <= grid.ColCount(); ++col)
        if (grid.Column(col).Visible)
            json.Number(col);
    json.EndArray()
        .Field("sortable", static_cast<bool>(grid.OnHeadingClick))
        .Field("sortColumn", grid.SortColumn())
        .Field("sortDescending", grid.SortDescending());
    // The rows of the user's own lines, which the page marks as the desktop does.
    json.Key("marked").BeginArray();
    for (int row = 1; row <= grid.RowCount(); ++row)
        if (grid.RowMarked(row))
            json.Number(row);
    json.EndArray().EndObject();
}

} // namespace

std::string FormStateJson(TfrmMain& form) {
    const FormControls controls = ControlsOf(form);
    JsonWriter json;
    json.BeginObject()
        .Field("caption", DecodeForDisplay(form.Caption))
        .Field("page", form.PageControl1.ActivePageIndex())
        .Field("status", DecodeForDisplay(CaptionOf(form.StatusBar1)))
        .Field("statusNote", DecodeForDisplay(CaptionOf(form.StatusNote)))
        .Field("closed", form.Closed)
        .Field("progress", form.ProgressBar1.Max > form.ProgressBar1.Min
                               ? 100 * (form.ProgressBar1.Position - form.ProgressBar1.Min) /
                                     (form.ProgressBar1.Max - form.ProgressBar1.Min)
                               : 0)
        .Field("active", form.ActiveControl ? form.ActiveControl->Name : std::string());
    json.Key("controls").BeginObject();
    for (TEdit* edit : controls.edits) {
        json.Key(edit->Name).BeginObject();
        Common(json, *edit);
        json.Field("text", DecodeForDisplay(edit->Text())).EndObject();
    }
    for (TComboBox* combo : controls.combos) {
        json.Key(combo->Name).BeginObject();
        Common(json, *combo);
        json.Field("text", DecodeForDisplay(combo->Text()))
            .Field("itemIndex", combo->ItemIndex())
            .Field("list", combo->GetStyle() == TComboBox::Style::DropDownList);
        Texts(json, "items", combo->Items());
        json.EndObject();
    }
    for (TCheckBox* check : controls.checks) {
        json.Key(check->Name).BeginObject();
        Common(json, *check);
        json.Field("checked", check->Checked()).EndObject();
    }
    for (TRadioButton* radio : controls.radios) {
        json.Key(radio->Name).BeginObject();
        Common(json, *radio);
        json.Field("checked", radio->Checked()).EndObject();
    }
    for (TButton* button : controls.buttons) {
        json.Key(button->Name).BeginObject();
        Common(json, *button);
        json.EndObject();
    }
    for (TStatic* label : controls.statics) {
        json.Key(label->Name).BeginObject();
        Common(json, *label);
        json.EndObject();
    }
    for (TListBox* list : controls.lists) {
        json.Key(list->Name).BeginObject();
        Common(json, *list);
        json.Field("itemIndex", list->ItemIndex());
        Texts(json, "items", list->Items());
        json.EndObject();
    }
    for (TGrid* grid : controls.grids) {
        json.Key(grid->Name);
        Grid(json, *grid);
    }
    json.EndObject();
    json.Key("menu");
    Menu(json, form.MainMenu1);
    json.EndObject();
    return json.Text();
}

std::string GridRowsJson(const TGrid& grid, int first, int count) {
    JsonWriter json;
    json.BeginArray();
    const int last = std::min(grid.RowCount(), first + count - 1);
    for (int row = std::max(first, 1); row <= last; ++row) {
        json.BeginArray();
        for (int col = 1; col <= grid.ColCount(); ++col)
            if (grid.Column(col).Visible)
                json.String(DecodeForDisplay(grid.Cell(col, row)));
        json.EndArray();
    }
    json.EndArray();
    return json.Text();
}

} // namespace dorvik::web
