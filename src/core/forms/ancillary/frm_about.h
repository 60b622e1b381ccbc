#pragma once
// The about box: logo, product label, terms-of-sale notice and an Ok button, with two hidden pictures that
// keys reveal. A new box is made for each opening.
#include "core/forms/controls/control.h"
#include "core/forms/controls/form.h"

#include <string>

namespace dorvik {

inline constexpr const char* kRevealWord = "JOLT";

class TfrmAbout : public TForm {
public:
    TfrmAbout();

    int Width = 274, Height = 403; // outer size; centred on the screen
    TStatic Image1{"Image1"};      // logo
    TStatic Label1{"Label1"};      // product label, blue, bold, 18 pt
    TStatic Memo1{"Memo1"};        // the notice, read only
    TButton Button1{"Button1"};
    TStatic Image2{"Image2"}; // hidden picture over the upper part
    TStatic Image3{"Image3"}; // hidden picture over the middle

    const std::string& KeyBuffer() const { return buffer_; }

    // A click on the box, its label, pictures or notice, and the button.
    void FormClick();
    // A typed character (not a key with Alt or Ctrl).
    void Button1KeyPress(char key);
    // A released key: its key code ('A'..'Z' for letters) and whether Alt was held.
    void FormKeyUp(int key, bool altHeld);

private:
    std::string buffer_;
};

} // namespace dorvik
