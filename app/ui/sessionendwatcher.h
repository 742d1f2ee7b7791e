#pragma once
#include <QEvent>
#include <QObject>

// The desktop session is ending: SIGTERM, SIGHUP, or the session manager's
// order to end (it reaches Qt as a Quit event to the application). Each
// becomes one QueryEndSession event sent to the main window, whose hook marks
// the session ended before the window closes.
//
// The session manager's save requests (commitData, saveState) come for a
// checkpoint as well as for a shutdown and carry no public sign of which it
// is, so they do not end the program; the order to end follows a shutdown.
class SessionEndWatcher : public QObject {
    Q_OBJECT
public:
    static QEvent::Type QueryEndSession();

    // Installs the signal handlers; call first thing in main(): a signal
    // caught before anything can serve it waits in a pipe.
    static void CatchSignals();
    // Serves the caught signals from whatever event loop runs, a box's own
    // included; call right after the application object exists (once per
    // process). An end that comes while no watcher is there to tell closes
    // every open box, and Ended() keeps it for the start-up to see.
    static void WatchSignals();
    // A signal has ended the session.
    static bool Ended();

    // The ends that come from now on are sent to the target.
    explicit SessionEndWatcher(QObject* target);
    ~SessionEndWatcher() override;

    // Sends the notice to the target, as the session manager would.
    void Notify();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* target_;
};
