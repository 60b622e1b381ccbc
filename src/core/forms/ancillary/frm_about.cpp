#include "core/forms/ancillary/frm_about.h"

#include <cctype>
#include <string>
#include <string_view>

namespace dorvik {

namespace {
constexpr const char* kNotice =
    "Prices shown are list prices in effect on the date of the catalogue and are subject to change without "
    "notice. Quotations, discounts and delivery terms are given by your Veltrane sales office; every order "
    "is "
    "accepted under the maker's terms of sale in force when it is placed. Figures are computed from typical "
    "values and are given for guidance in selecting a line.";
} // namespace

TfrmAbout::TfrmAbout() : TForm("frmAbout", "About") {
    Image1.Bounds = {64, 12, 140, 100};
    Label1.SetCaption("Veltrane DORVIK (TM)");
    Label1.Bounds = {8, 122, 250, 32};
    // The version under the notice, so a user can tell which release a report came from.
    Memo1.SetCaption(std::string(kNotice) + "\n\nVersion " + DORVIK_VERSION);
    Memo1.Bounds = {16, 162, 234, 160};
    Button1.SetCaption("&Ok");
    Button1.Bounds = {94, 334, 80, 25};
    Image2.Bounds = {8, 8, 250, 180};
    Image2.SetVisible(false);
    Image3.Bounds = {8, 100, 250, 180};
    Image3.SetVisible(false);
    Button1.OnClick = [this] { FormClick(); };
}

void TfrmAbout::FormClick() {
    Close();
}

void TfrmAbout::Button1KeyPress(char key) {
    if (key != kRevealWord[0])
        return;
    Image2.SetVisible(true);
    Memo1.SetVisible(false);
    Label1.SetVisible(false);
    Image1.SetVisible(false);
}

void TfrmAbout::FormKeyUp(int key, bool altHeld) {
    if (!altHeld)
        return;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    const std::string_view word = kRevealWord;
    if (word.find(buffer_ + letter) != std::string_view::npos)
        buffer_ += letter;
    else
        buffer_ = std::string(1, letter);
    if (buffer_ != word)
        return;
    buffer_.clear();
    Memo1.SetVisible(false);
    Label1.SetVisible(false);
    Image1.SetVisible(false);
    Image2.SetVisible(false);
    Button1.SetVisible(false);
    Image3.SetVisible(true);
}

} // namespace dorvik
