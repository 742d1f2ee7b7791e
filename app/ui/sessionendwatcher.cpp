#include "app/ui/sessionendwatcher.h"
#include "platform/ui/messagebox.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};
bool g_ended = false;
QPointer<QSocketNotifier> g_notifier;
SessionEndWatcher* g_current = nullptr; // the latest watcher, told of each end

// Only async-signal-safe work here: the rest runs in the event loop.
extern "C" void OnEndSignal(int sig)
{
    const char c = static_cast<char>(sig);
    const int saved = errno;
    [[maybe_unused]] ssize_t n = write(g_pipe[1], &c, 1);
    errno = saved;
}

void OnSignalPipe()
{
    char buf[64];
    while (read(g_pipe[0], buf, sizeof buf) > 0) {
    }
    g_ended = true;
    // Before the main window can hear it, the boxes of the start-up are
    // closed here; main() sees Ended() and goes no further.
    if (g_current) g_current->Notify();
    else ov::CloseModalsForSessionEnd();
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

void SessionEndWatcher::WatchSignals()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (g_notifier || !app) return;
    CatchSignals();
    if (g_pipe[0] < 0) return;
    g_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, app);
    QObject::connect(g_notifier, &QSocketNotifier::activated, app, [] { OnSignalPipe(); });
}

bool SessionEndWatcher::Ended() { return g_ended; }

SessionEndWatcher::SessionEndWatcher(QObject* target) : QObject(target), target_(target)
{
    g_current = this;
    // The session manager's order to end arrives as a Quit event; the
    // program itself never sends one (its Exit ends the loop directly).
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

SessionEndWatcher::~SessionEndWatcher()
{
    if (g_current != this) return;
    g_current = nullptr;
    // Nobody is left to end cleanly: a later signal ends the process at once.
    if (g_notifier) {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
    }
}

bool SessionEndWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        Notify();
        return true;
    }
    return false;
}

void SessionEndWatcher::Notify()
{
    QEvent event(QueryEndSession());
    QCoreApplication::sendEvent(target_, &event);
}
