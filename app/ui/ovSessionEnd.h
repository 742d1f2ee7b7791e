#pragma once
#include <QEvent>
#include <QObject>

class QSessionManager;
class QSocketNotifier;

// The desktop session is ending: the session manager's commit-data request,
// SIGTERM or SIGHUP. Each becomes one QueryEndSession event sent to the main
// window, whose hook sets ExitRequested before the window closes.
class TSessionEnd : public QObject {
    Q_OBJECT
public:
    static QEvent::Type QueryEndSession();

    explicit TSessionEnd(QObject* target);
    ~TSessionEnd() override;

    // Installs the signal handlers; once per process.
    void WatchSignals();
    // Sends the notice to the target, as the session manager would.
    void Notify();

private:
    void OnSignalPipe();
    void OnCommitData(QSessionManager& manager);
    QObject* target_;
    QSocketNotifier* notifier_ = nullptr;
};
