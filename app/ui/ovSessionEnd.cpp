#include "app/ui/ovSessionEnd.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};

// Only async-signal-safe work here: the rest runs in the event loop.
extern "C" void OnEndSignal(int sig)
{
    const char c = static_cast<char>(sig);
    const int saved = errno;
    [[maybe_unused]] ssize_t n = write(g_pipe[1], &c, 1);
    errno = saved;
}
} // namespace

QEvent::Type TSessionEnd::QueryEndSession()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TSessionEnd::TSessionEnd(QObject* target) : QObject(target), target_(target)
{
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &TSessionEnd::OnCommitData,
                Qt::DirectConnection);
    }
}

TSessionEnd::~TSessionEnd()
{
    if (notifier_) {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
    }
}

void TSessionEnd::WatchSignals()
{
    if (g_pipe[0] < 0 && pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TSessionEnd::OnSignalPipe);
    struct sigaction sa {};
    sa.sa_handler = OnEndSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

void TSessionEnd::OnSignalPipe()
{
    char buf[64];
    while (read(g_pipe[0], buf, sizeof buf) > 0) {
    }
    Notify();
}

void TSessionEnd::OnCommitData(QSessionManager&) { Notify(); }

void TSessionEnd::Notify()
{
    QEvent event(QueryEndSession());
    QCoreApplication::sendEvent(target_, &event);
}
