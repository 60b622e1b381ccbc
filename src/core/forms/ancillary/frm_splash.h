#pragma once
// The splash window of an interactive start: a borderless picture at a fixed place on the screen that may
// close only once its one-shot timer has run out.
#include "core/forms/controls/control.h"
#include "core/forms/controls/form.h"
#include "core/forms/controls/timer.h"

namespace dorvik {

class TfrmSplash : public TForm {
public:
    explicit TfrmSplash(TTimer::Clock clock = &std::chrono::steady_clock::now);

    int Left = 98, Top = 42;  // screen position of the client area
    TStatic Image1{"Image1"}; // the artwork, covering the whole window
    TTimer Timer1;            // 3000 ms from creation, fires once

    void FormCreate() {}
    void Timer1Timer();
    // Whether the window may close: only once the timer has stopped.
    bool FormCloseQuery() const;
};

} // namespace dorvik
