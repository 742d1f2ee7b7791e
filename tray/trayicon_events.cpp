// The tray component's message handling: the area's callbacks, the timers'
// ticks, the application-window hook and the owner-window messages.
#include "tray/trayicon.h"
#include <unordered_map>

namespace ov {

namespace {

std::unordered_map<uint32_t, TrayIcon*>& LiveIcons()
{
    static std::unordered_map<uint32_t, TrayIcon*> icons;
    return icons;
}

} // namespace

Modifiers TrayIcon::CurrentModifiers()
{
    Modifiers s = 0;
    auto down = [this](int vk) { return (static_cast<uint16_t>(shell_.GetAsyncKeyState(vk)) & 0x8000u) != 0; };
    if (down(VK_SHIFT))
        s |= ssShift;
    if (down(VK_CONTROL))
        s |= ssCtrl;
    if (down(VK_MENU))
        s |= ssAlt;
    return s;
}

void TrayIcon::HandleCallback(unsigned code)
{
    switch (code) {
    case NIN_BALLOONSHOW:
        if (auto h = OnBalloonHintShow) h(*this);
        return;
    case NIN_BALLOONHIDE:
        if (auto h = OnBalloonHintHide) h(*this);
        return;
    case NIN_BALLOONTIMEOUT:
        if (auto h = OnBalloonHintTimeout) h(*this);
        return;
    case NIN_BALLOONUSERCLICK:
        if (auto h = OnBalloonHintClick) h(*this);
        return;
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_MBUTTONDOWN: case WM_MBUTTONUP:
    case WM_CONTEXTMENU: case NIN_SELECT: case NIN_KEYSELECT:
        break;
    default:
        return;
    }
    if (!enabled_)
        return;

    // The callback carries no position: read the pointer now.
    ScreenPoint pos;
    shell_.GetCursorPos(pos);
    const Modifiers mods = CurrentModifiers();
    const std::shared_ptr<bool> alive = alive_;
    auto gone = [&alive] { return !*alive; };

    switch (code) {
    case WM_MOUSEMOVE:
        if (wantEnterExit_ && pointerOutside_) {
            FireMouseEnter();
            if (gone()) return;
            pointerOutside_ = false;
        }
        FireMouseMove(mods, pos.x, pos.y);
        if (gone()) return;
        lastPointerPos_ = pos;
        break;
    case WM_LBUTTONDOWN:
        if (OnDblClick) {
            clickDelayTimer_->SetPeriod(shell_.GetDoubleClickTime());
            clickDelayTimer_->SetActive(true);
        }
        FireMouseDown(TrayMouseButton::Left, mods | ssLeft, pos.x, pos.y);
        if (gone()) return;
        leftPressed_ = true;
        if (leftPopup_)
            OpenTrayMenu();
        break;
    case WM_LBUTTONUP:
        if (leftPressed_) {
            clickPending_ = true;
            if (!clickDelayTimer_->Active()) {
                leftPressed_ = false;
                clickPending_ = false;
                FireClick();
                if (gone()) return;
            }
        }
        leftPressed_ = false;
        FireMouseUp(TrayMouseButton::Left, mods | ssLeft, pos.x, pos.y);
        break;
    case WM_LBUTTONDBLCLK:
        clickPending_ = false;
        doubleClicked_ = true;
        FireDblClick();
        if (gone()) return;
        ChooseDefaultItem();
        break;
    case WM_RBUTTONDOWN:
        FireMouseDown(TrayMouseButton::Right, mods | ssRight, pos.x, pos.y);
        if (gone()) return;
        OpenTrayMenu();
        break;
    case WM_RBUTTONUP:
        if (notifyMode_ == 0)
            FireMouseUp(TrayMouseButton::Right, mods | ssRight, pos.x, pos.y);
        break;
    case WM_MBUTTONDOWN:
        FireMouseDown(TrayMouseButton::Middle, mods | ssMiddle, pos.x, pos.y);
        break;
    case WM_MBUTTONUP:
        FireMouseUp(TrayMouseButton::Middle, mods | ssMiddle, pos.x, pos.y);
        break;
    case WM_CONTEXTMENU: case NIN_SELECT: case NIN_KEYSELECT:
        if (notifyMode_ == 1)
            FireMouseUp(TrayMouseButton::Right, mods | ssRight, pos.x, pos.y);
        break;
    }
}

void TrayIcon::ChooseDefaultItem()
{
    if (!popupMenu_ || !popupMenu_->AutoPopup() || leftPopup_)
        return;
    // Last to first, remembering each default: the first one in menu order wins.
    int chosen = -1;
    for (int i = popupMenu_->ItemCount() - 1; i >= 0; --i)
        if (popupMenu_->ItemIsDefault(i))
            chosen = i;
    if (chosen >= 0)
        popupMenu_->ClickItem(chosen);
}

void TrayIcon::OpenTrayMenu()
{
    if (!popupMenu_ || !popupMenu_->AutoPopup())
        return;
    ScreenPoint pos;
    if (!shell_.GetCursorPos(pos))
        return;
    const std::shared_ptr<bool> alive = alive_;
    shell_.SetForegroundApplication();
    shell_.ProcessPendingMessages();
    // Pending messages may have destroyed us or the menu.
    if (!*alive || !popupMenu_)
        return;
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(pos.x, pos.y);
    if (!*alive)
        return;
    if (shell_.OwnerIsWindow())
        shell_.PostNullToOwner();
}

void TrayIcon::ClickDelayTick()
{
    clickDelayTimer_->StopTicking(true);
    if (!doubleClicked_ && clickPending_) {
        clickPending_ = false;
        const std::shared_ptr<bool> alive = alive_;
        FireClick();
        if (!*alive)
            return;
    }
    doubleClicked_ = false;
}

void TrayIcon::LeavePollTick()
{
    if (pointerOutside_)
        return;
    ScreenPoint pos;
    if (!shell_.GetCursorPos(pos))
        return;
    if (pos.x != lastPointerPos_.x || pos.y != lastPointerPos_.y) {
        pointerOutside_ = true;
        FireMouseExit();
    }
}

void TrayIcon::CycleTick()
{
    if (!iconList_ || iconList_->Count() == 0)
        return;
    const int count = iconList_->Count();
    if (iconIndex_ >= count) // the list shrank since the index was set
        iconIndex_ = 0;
    icon_.SetImages(iconList_->Get(iconIndex_));
    // The index actually shown next, wrapping after the last image.
    const int next = iconIndex_ + 1 < count ? iconIndex_ + 1 : 0;
    const std::shared_ptr<bool> alive = alive_;
    FireCycle(next);
    if (!*alive)
        return;
    SetIconIndex(next);
}

bool TrayIcon::AppHook(unsigned msg, WParam wParam, LParam)
{
    const std::shared_ptr<bool> alive = alive_;
    if (msg == WM_SIZE && wParam == SIZE_MINIMIZED && minimizeToTray_) {
        MinimizeIntoTray();
    } else if (msg == WM_WINDOWPOSCHANGED && awaitingFirstPosChange_ && shell_.HasMainWindow()) {
        if (shell_.MainWindowIsMdiParent()) {
            bool showMainWindow = true;
            if (auto h = OnStartup)
                h(*this, showMainWindow);
            if (!*alive)
                return false;
            if (!showMainWindow)
                HideTaskbarButton();
        }
        awaitingFirstPosChange_ = false;
    } else if (msg == WM_SYSCOMMAND && wParam == SC_RESTORE) {
        if (shell_.HasMainWindow())
            shell_.SetMainWindowVisible(true);
    }
    if (msg == TaskbarCreatedMessage && iconVisible_)
        AddTrayIcon();
    return false;
}

bool TrayIcon::OwnerMessage(unsigned msg, WParam wParam, LParam lParam, LParam& result)
{
    if (msg == WM_SHOWWINDOW && wParam == 1 && lParam == 0) {
        shell_.SetForegroundApplication();
        shell_.SetForegroundOwner();
        return false;
    }
    const bool closingWithParent = msg == WM_SHOWWINDOW && wParam == 0 && lParam == SW_PARENTCLOSING && !shell_.Terminating();
    const bool minimizing = msg == WM_SYSCOMMAND && wParam == SC_MINIMIZE;
    if ((closingWithParent || minimizing) && minimizeToTray_ && OnMinimizeToTray) {
        const std::shared_ptr<bool> alive = alive_;
        if (auto h = OnMinimizeToTray)
            h(*this);
        if (!*alive) {
            result = 1;
            return true;
        }
        MinimizeIntoTray();
        result = 1;
        return true;
    }
    return false;
}

// ---- the shared handler ----

LParam TrayIconHandler::WindowProc(unsigned msg, WParam wParam, LParam lParam)
{
    switch (msg) {
    case TrayCallbackMessage: {
        auto& icons = LiveIcons();
        auto it = icons.find(static_cast<uint32_t>(wParam));
        if (it != icons.end())
            it->second->HandleCallback(static_cast<unsigned>(lParam));
        return 0;
    }
    // Never closes itself and never objects to the session ending.
    case WM_DESTROY: case WM_CLOSE: case WM_QUERYENDSESSION:
    case WM_QUIT: case WM_ENDSESSION: case WM_NCDESTROY:
        return 1;
    default:
        return 0;
    }
}

int TrayIconHandler::UserCount() { return static_cast<int>(LiveIcons().size()); }
void TrayIconHandler::Register(TrayIcon* icon) { LiveIcons()[icon->InstanceId()] = icon; }
void TrayIconHandler::Unregister(TrayIcon* icon) { LiveIcons().erase(icon->InstanceId()); }

} // namespace ov
