#include "app/ui/sessionendwatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
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

QEvent::Type SessionEndWatcher::QueryEndSession()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void SessionEndWatcher::CatchSignals()
{
    if (g_pipe[0] < 0 && pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    struct sigaction sa {};
    sa.sa_handler = OnEndSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

SessionEndWatcher::SessionEndWatcher(QObject* target) : QObject(target), target_(target)
{
    // The session manager's order to end arrives as a Quit event; the
    // program itself never sends one (its Exit ends the loop directly).
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

SessionEndWatcher::~SessionEndWatcher()
{
    if (notifier_) {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
    }
}

void SessionEndWatcher::WatchSignals()
{
    if (notifier_) return;
    CatchSignals();
    if (g_pipe[0] < 0) return;
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatcher::OnSignalPipe);
}

bool SessionEndWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        Notify();
        return true;
    }
    return false;
}

void SessionEndWatcher::OnSignalPipe()
{
    char buf[64];
    while (read(g_pipe[0], buf, sizeof buf) > 0) {
    }
    Notify();
}

void SessionEndWatcher::Notify()
{
    QEvent event(QueryEndSession());
    QCoreApplication::sendEvent(target_, &event);
}
