#pragma once
#include <QObject>
#include <QTimer>

namespace ov {

// A window-message style timer: an enabled flag and an interval, where
// setting the interval of an enabled timer restarts its count-down and an
// interval of 0 never fires. Timeout handlers run on the UI thread.
class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr, int intervalMs = 1000, bool enabled = true);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    void SetPrecise(bool precise);
    // For tests: runs the handler as if the timer had fired.
    void Fire() { emit OnTimer(); }

signals:
    void OnTimer();

private:
    void Restart();
    QTimer timer_;
    bool enabled_;
    int interval_;
};

} // namespace ov
