#include "tray/ui/qttrayshell.h"
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusServiceWatcher>
#include <QEvent>
#include <QMenu>
#include <QPixmap>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include "platform/ui/messagebox.h"

namespace ov {

namespace {

QIcon ToQIcon(const IconImages& images)
{
    QIcon icon;
    for (const QImage& img : images)
        icon.addPixmap(QPixmap::fromImage(img));
    return icon;
}

void ApplyIconData(QSystemTrayIcon* icon, const NotifyIconData& d)
{
    icon->setIcon(ToQIcon(d.hIcon));
    icon->setToolTip(QString::fromLocal8Bit(d.szTip));
}

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

} // namespace

bool QtTrayShell::StatusNotifierHost()
{
    // Qt chooses StatusNotifierItem over XEmbed once per process, at its
    // first tray icon, when a host is registered with the watcher. Ask the
    // same question once, right after that icon exists, so the menu is
    // exported exactly where Qt's icons go through D-Bus.
    static const bool sni = [] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kWatcherService))
            return false;
        QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, QStringLiteral("/StatusNotifierWatcher"),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
        // A hung watcher must not hold up the start for long.
        const QDBusMessage reply = bus.call(get, QDBus::Block, 3000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
    }();
    return sni;
}

QtTrayShell::QtTrayShell(QWidget* owner, QObject* parent) : QObject(parent), owner_(owner)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { terminating_ = true; });

    // A StatusNotifierItem host announces itself by registering this name;
    // that is the desktop's notice that its notification area (re)started.
    // (The XEmbed fallback gives no public notice; Qt re-docks there itself.)
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        trayWatcher_ = new QDBusServiceWatcher(kWatcherService, bus,
                                               QDBusServiceWatcher::WatchForRegistration, this);
        connect(trayWatcher_, &QDBusServiceWatcher::serviceRegistered, this,
                [this] { Guarded([this] { NotifyTaskbarCreated(); }); });
    }
}

QtTrayShell::~QtTrayShell()
{
    if (owner_ && !ownerHooks_.empty())
        owner_->removeEventFilter(this);
    for (auto& [id, icon] : icons_)
        delete icon;
    for (auto& [id, timer] : timers_)
        delete timer;
}

QSystemTrayIcon* QtTrayShell::TrayIconFor(uint32_t id) const
{
    auto it = icons_.find(id);
    return it == icons_.end() ? nullptr : it->second;
}

int QtTrayShell::RunningTimerCount() const
{
    return static_cast<int>(std::count_if(timers_.begin(), timers_.end(),
                                          [](const auto& t) { return t.second->isActive(); }));
}

void QtTrayShell::NotifyTaskbarCreated()
{
    const std::vector<IAppHook*> hooks = appHooks_; // a hook may remove itself
    for (IAppHook* h : hooks)
        if (std::find(appHooks_.begin(), appHooks_.end(), h) != appHooks_.end())
            h->AppHook(TaskbarCreatedMessage, 0, 0);
}

bool QtTrayShell::NotifyIcon(unsigned op, const NotifyIconData& d)
{
    QSystemTrayIcon* icon = TrayIconFor(d.uID);
    switch (op) {
    case NIM_ADD:
        if (icon) {
            if (icon->isVisible())
                return false; // already in the area
            ApplyIconData(icon, d);
            icon->show();
            return true;
        }
        icon = new QSystemTrayIcon(this);
        icons_[d.uID] = icon;
        ApplyIconData(icon, d);
        if (hostMenu_ && StatusNotifierHost())
            icon->setContextMenu(hostMenu_);
        connect(icon, &QSystemTrayIcon::activated, this,
                [this, id = d.uID](QSystemTrayIcon::ActivationReason r) { OnActivated(id, r); });
        connect(icon, &QSystemTrayIcon::messageClicked, this,
                [id = d.uID] { Guarded([id] { TrayIconHandler::Callback(id, NIN_BALLOONUSERCLICK); }); });
        icon->show();
        return true;
    case NIM_MODIFY:
        if (!icon || !icon->isVisible())
            return false;
        ApplyIconData(icon, d);
        return true;
    case NIM_DELETE:
        if (!icon)
            return false;
        icon->hide();
        icons_.erase(d.uID);
        icon->deleteLater(); // we may be inside its own signal
        return true;
    case NIM_SETVERSION:
        return icon != nullptr;
    default:
        return false;
    }
}

void QtTrayShell::OnActivated(uint32_t id, QSystemTrayIcon::ActivationReason reason)
{
    auto send = [id](unsigned code) { TrayIconHandler::Callback(id, code); };
    Guarded([&] {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            send(WM_LBUTTONDOWN);
            send(WM_LBUTTONUP);
            break;
        case QSystemTrayIcon::DoubleClick:
            send(WM_LBUTTONDBLCLK);
            break;
        case QSystemTrayIcon::Context:
            send(WM_RBUTTONDOWN);
            break;
        case QSystemTrayIcon::MiddleClick:
            send(WM_MBUTTONDOWN);
            send(WM_MBUTTONUP);
            break;
        default:
            break;
        }
    });
}

bool QtTrayShell::GetCursorPos(ScreenPoint& pos)
{
    const QPoint p = QCursor::pos();
    pos = {p.x(), p.y()};
    return true;
}

int16_t QtTrayShell::GetAsyncKeyState(int vk)
{
    const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
    bool down = false;
    switch (vk) {
    case VK_SHIFT: down = mods.testFlag(Qt::ShiftModifier); break;
    case VK_CONTROL: down = mods.testFlag(Qt::ControlModifier); break;
    case VK_MENU: down = mods.testFlag(Qt::AltModifier); break;
    default: break;
    }
    return down ? static_cast<int16_t>(0x8000) : int16_t(0);
}

unsigned QtTrayShell::GetDoubleClickTime()
{
    const int ms = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    return ms > 0 ? static_cast<unsigned>(ms) : 500u;
}

bool QtTrayShell::SetTimer(std::uintptr_t id, unsigned periodMs, std::function<void()> onTick)
{
    KillTimer(id);
    auto* timer = new QTimer(this);
    timer->setInterval(static_cast<int>(std::min<unsigned>(periodMs, INT32_MAX)));
    connect(timer, &QTimer::timeout, this, [tick = std::move(onTick)] { Guarded(tick); });
    timers_[id] = timer;
    timer->start();
    return true;
}

bool QtTrayShell::KillTimer(std::uintptr_t id)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return false;
    QTimer* timer = it->second;
    timers_.erase(it);
    timer->stop();
    timer->deleteLater(); // may be inside its own timeout
    return true;
}

void QtTrayShell::AddApplicationHook(IAppHook* hook)
{
    appHooks_.push_back(hook);
}

void QtTrayShell::RemoveApplicationHook(IAppHook* hook)
{
    std::erase(appHooks_, hook);
}

bool QtTrayShell::MainWindowMinimized()
{
    return mainWindow_ && mainWindow_->isMinimized();
}

void QtTrayShell::SetMainWindowNormal()
{
    if (mainWindow_)
        mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
}

void QtTrayShell::SetMainWindowVisible(bool visible)
{
    if (mainWindow_)
        mainWindow_->setVisible(visible);
}

void QtTrayShell::ProcessPendingMessages()
{
    QCoreApplication::processEvents();
}

void QtTrayShell::SetForegroundApplication()
{
    if (mainWindow_ && mainWindow_->isVisible()) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

void QtTrayShell::HookOwnerWindow(IOwnerHook* hook)
{
    if (!owner_)
        return;
    if (ownerHooks_.empty())
        owner_->installEventFilter(this);
    ownerHooks_.push_back(hook);
}

void QtTrayShell::UnhookOwnerWindow(IOwnerHook* hook)
{
    std::erase(ownerHooks_, hook);
    if (ownerHooks_.empty() && owner_)
        owner_->removeEventFilter(this);
}

void QtTrayShell::SetForegroundOwner()
{
    // Asked while the window is being shown: activate once it is on screen.
    QMetaObject::invokeMethod(
        this,
        [w = owner_] {
            if (w && w->isVisible()) {
                w->raise();
                w->activateWindow();
            }
        },
        Qt::QueuedConnection);
}

bool QtTrayShell::SendOwnerMessage(unsigned msg, WParam w, LParam l)
{
    // The hook installed last stands first in the chain.
    const std::vector<IOwnerHook*> hooks = ownerHooks_;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
        LParam result = 0;
        if (std::find(ownerHooks_.begin(), ownerHooks_.end(), *it) == ownerHooks_.end())
            continue;
        if ((*it)->OwnerMessage(msg, w, l, result))
            return true;
    }
    return false;
}

bool QtTrayShell::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != owner_.data())
        return false;
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        Guarded([&] { SendOwnerMessage(WM_SHOWWINDOW, 1, 0); });
    } else if (event->type() == QEvent::WindowStateChange && owner_->isMinimized()) {
        bool consumed = false;
        Guarded([&] { consumed = SendOwnerMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); });
        // The state already changed; a consumed minimize undoes it (the
        // window has gone to the tray instead).
        if (consumed && owner_)
            owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
    }
    return false;
}

int QtTrayMenu::ItemCount() const
{
    return menu_ ? static_cast<int>(menu_->actions().size()) : 0;
}

bool QtTrayMenu::ItemIsDefault(int index) const
{
    if (!menu_ || index < 0 || index >= ItemCount())
        return false;
    QAction* def = menu_->defaultAction();
    return def && menu_->actions().at(index) == def;
}

void QtTrayMenu::ClickItem(int index)
{
    if (!menu_ || index < 0 || index >= ItemCount())
        return;
    QAction* action = menu_->actions().at(index);
    if (action->isEnabled() && !action->isSeparator())
        action->trigger();
}

void QtTrayMenu::Popup(int x, int y)
{
    if (menu_)
        menu_->popup(QPoint(x, y));
}

} // namespace ov
