#include "core/forms/ancillary/frm_splash.h"

#include "core/forms/main_window/frm_main.h"

namespace dorvik {

TfrmSplash::TfrmSplash(TTimer::Clock clock)
    : TForm("frmSplash", kApplicationTitle), Timer1(std::move(clock), 3000) {
    ClientWidth = 639;
    ClientHeight = 480;
    Image1.Bounds = {0, 0, ClientWidth, ClientHeight};
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TfrmSplash::Timer1Timer() {
    Timer1.SetEnabled(false);
}

bool TfrmSplash::FormCloseQuery() const {
    return !Timer1.Enabled();
}

} // namespace dorvik
