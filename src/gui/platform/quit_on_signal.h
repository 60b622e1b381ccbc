#pragma once
// SIGTERM, SIGINT and SIGHUP end the desktop program as closing its window does: the event loop returns,
// so the settings are saved on the way out. The handler only writes a byte; the loop reads it.
class QObject;

namespace dorvik::gui {

// Call once, after the application object exists; parent owns the notifier.
void QuitOnTerminationSignals(QObject* parent);

} // namespace dorvik::gui
