#pragma once
// The splash window and the start-up wait on it.
#include "core/forms/ancillary/frm_splash.h"

#include <QSplashScreen>

namespace dorvik::gui {

class SplashView : public QSplashScreen {
    Q_OBJECT
public:
    explicit SplashView(TfrmSplash& form);

protected:
    // A click does not close it early: only its timer lets it go.
    void mousePressEvent(QMouseEvent*) override {}

private:
    TfrmSplash& form_;
};

// Shows the splash and processes the program's events until the splash agrees to close, then closes it.
// The wait sleeps until the next event or the splash's timer; it returns the number of rounds it took.
int ShowSplashAndWait(TfrmSplash& form);

} // namespace dorvik::gui
