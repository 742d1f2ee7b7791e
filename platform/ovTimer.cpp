#include "platform/ovTimer.h"

namespace ov {

TTimer::TTimer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), enabled_(enabled), interval_(intervalMs)
{
    connect(&timer_, &QTimer::timeout, this, &TTimer::OnTimer);
    Restart();
}

void TTimer::SetEnabled(bool on)
{
    if (on == enabled_) return;
    enabled_ = on;
    Restart();
}

void TTimer::SetInterval(int ms)
{
    interval_ = ms < 0 ? 0 : ms;
    Restart();
}

void TTimer::SetPrecise(bool precise)
{
    timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    Restart();
}

void TTimer::Restart()
{
    timer_.stop();
    if (enabled_ && interval_ > 0) timer_.start(interval_);
}

} // namespace ov
