#include "gui/ancillary/splash_view.h"

#include "gui/ancillary/artwork.h"
#include "gui/platform/qt_text.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace dorvik::gui {

SplashView::SplashView(TfrmSplash& form)
    : QSplashScreen(SplashPicture(form.ClientWidth, form.ClientHeight)), form_(form) {
    setObjectName(QString::fromStdString(form.Name));
    setWindowTitle(ToQString(form.Caption));
    setFixedSize(form.ClientWidth, form.ClientHeight);
    move(form.Left, form.Top);
}

int ShowSplashAndWait(TfrmSplash& form) {
    form.FormCreate();
    SplashView view(form);
    view.show();
    // The platform timer wakes the wait when the model's timer is due; a coarse timer may wake it early,
    // so it is set again for what is left.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    QObject::connect(&wake, &QTimer::timeout, &wake, [&form, &wake] {
        form.Timer1.Poll();
        if (form.Timer1.Enabled())
            wake.start(std::max<int>(1, static_cast<int>(form.Timer1.Remaining().count())));
    });
    wake.start(static_cast<int>(form.Timer1.Remaining().count()));
    int rounds = 0;
    while (!form.FormCloseQuery()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ++rounds;
    }
    view.close();
    return rounds;
}

} // namespace dorvik::gui
