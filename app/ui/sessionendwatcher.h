#pragma once
#include <QEvent>
#include <QObject>

class QSocketNotifier;

// The desktop session is ending: SIGTERM, SIGHUP, or the session manager's
// order to end (it reaches Qt as a Quit event to the application). Each
// becomes one QueryEndSession event sent to the main window, whose hook sets
// ExitRequested before the window closes.
//
// The session manager's save requests (commitData, saveState) come for a
// checkpoint as well as for a shutdown and carry no public sign of which it
// is, so they do not end the program; the order to end follows a shutdown.
class SessionEndWatcher : public QObject {
    Q_OBJECT
public:
    static QEvent::Type QueryEndSession();

    // Installs the signal handlers; call as early as possible, before the
    // application object exists: a signal caught before the event loop can
    // serve it waits in a pipe and is handled once WatchSignals has run.
    static void CatchSignals();

    explicit SessionEndWatcher(QObject* target);
    ~SessionEndWatcher() override;

    // Serves the caught signals from the event loop; once per process.
    void WatchSignals();
    // Sends the notice to the target, as the session manager would.
    void Notify();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnSignalPipe();
    QObject* target_;
    QSocketNotifier* notifier_ = nullptr;
};
