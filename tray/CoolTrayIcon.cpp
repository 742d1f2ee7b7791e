#include "tray/CoolTrayIcon.h"
#include <cstring>

namespace ov {

namespace {

// Ids are never reused, so a late callback for a removed icon cannot reach
// a newer one.
uint32_t g_nextInstanceId = 1;

constexpr uint32_t kNotifyDataSize = 488;
constexpr size_t kTipBytes = sizeof(TNotifyIconData::szTip);

} // namespace

std::string TrimTrayTip(const std::string& hint)
{
    if (hint.size() < kTipBytes)
        return hint;
    size_t cut = kTipBytes - 1;
    // Back off continuation bytes so a multi-byte character is dropped whole
    // rather than left half in the tooltip.
    while (cut > 0 && (static_cast<unsigned char>(hint[cut]) & 0xC0) == 0x80)
        --cut;
    return hint.substr(0, cut);
}

TCoolTrayIcon::TCoolTrayIcon(ITrayShell& shell)
    : shell_(shell), instanceId_(g_nextInstanceId++)
{
    TTrayIconHandler::Register(this);

    icon_.OnChange = [this] {
        if (!iconChangeMuted_)
            ModifyTrayIcon();
    };

    nid_.cbSize = kNotifyDataSize;
    nid_.uID = instanceId_;
    nid_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid_.uCallbackMessage = TrayCallbackMessage;

    cycleTicker_ = std::make_unique<TSimpleTimer>(shell_, 1000, [this](TSimpleTimer&) { CycleTick(); });
    clickDelayTimer_ = std::make_unique<TSimpleTimer>(shell_, 1000, [this](TSimpleTimer&) { ClickDelayTick(); });
    leavePollTimer_ = std::make_unique<TSimpleTimer>(shell_, 20, [this](TSimpleTimer&) { LeavePollTick(); });

    shell_.AddApplicationHook(this);
    if (shell_.OwnerIsWindow()) {
        shell_.HookOwnerWindow(this);
        ownerHooked_ = true;
    }
}

TCoolTrayIcon::~TCoolTrayIcon()
{
    *alive_ = false;
    SetIconVisible(false);
    designPreview_ = false;
    cycleTicker_.reset();
    clickDelayTimer_.reset();
    leavePollTimer_.reset();
    icon_.OnChange = nullptr;
    if (iconList_)
        iconList_->RemoveFreeListener(this);
    if (popupMenu_)
        popupMenu_->RemoveFreeListener(this);
    shell_.RemoveApplicationHook(this);
    if (ownerHooked_)
        shell_.UnhookOwnerWindow(this);
    TTrayIconHandler::Unregister(this);
}

void TCoolTrayIcon::Loaded()
{
    if (shell_.OwnerIsWindow()) {
        bool showMainForm = true;
        if (auto h = OnStartup)
            h(*this, showMainForm);
        if (!showMainForm) {
            shell_.SetShowMainFormAtStart(false);
            HideMainWindow();
        }
    }
    ModifyTrayIcon();
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExit_);
    SetNotifyMode(notifyMode_);
}

bool TCoolTrayIcon::PrepareNotifyData()
{
    nid_.hIcon = icon_.Images();
    std::memset(nid_.szTip, 0, kTipBytes);
    if (!hint_.empty() && showHint_) {
        const std::string tip = TrimTrayTip(hint_);
        std::memcpy(nid_.szTip, tip.data(), tip.size());
    }
    return true;
}

bool TCoolTrayIcon::AddTrayIcon()
{
    if (!previewChanging_)
        iconVisible_ = true;
    PrepareNotifyData();
    return shell_.NotifyIcon(NIM_ADD, nid_);
}

bool TCoolTrayIcon::DeleteTrayIcon()
{
    if (!previewChanging_)
        iconVisible_ = false;
    PrepareNotifyData();
    return shell_.NotifyIcon(NIM_DELETE, nid_);
}

bool TCoolTrayIcon::ModifyTrayIcon()
{
    PrepareNotifyData();
    return shell_.NotifyIcon(NIM_MODIFY, nid_);
}

bool TCoolTrayIcon::SetNotifyMode(int v)
{
    notifyMode_ = v;
    if (v == 0)
        nid_.uVersion = 0;
    else if (v == 1)
        nid_.uVersion = 3;
    return shell_.NotifyIcon(NIM_SETVERSION, nid_);
}

// ---- properties ----

void TCoolTrayIcon::SetIconList(TIconList* list)
{
    if (iconList_ && iconList_ != list)
        iconList_->RemoveFreeListener(this);
    iconList_ = list;
    if (iconList_)
        iconList_->AddFreeListener(this);
    SetIconIndex(0);
}

void TCoolTrayIcon::SetCycleIcons(bool v)
{
    cycleIcons_ = v;
    if (v) {
        SetIconIndex(0);
        cycleTicker_->SetPeriod(cycleInterval_);
        cycleTicker_->SetActive(true);
    } else {
        cycleTicker_->SetActive(false);
    }
}

void TCoolTrayIcon::SetCycleInterval(uint32_t ms)
{
    cycleInterval_ = ms;
    SetCycleIcons(cycleIcons_);
}

void TCoolTrayIcon::SetHint(const std::string& v)
{
    hint_ = v;
    ModifyTrayIcon();
}

void TCoolTrayIcon::SetShowHint(bool v)
{
    showHint_ = v;
    ModifyTrayIcon();
}

void TCoolTrayIcon::SetIcon(const TIcon& v)
{
    iconChangeMuted_ = true;
    icon_.Assign(v);
    iconChangeMuted_ = false;
    ModifyTrayIcon();
}

void TCoolTrayIcon::SetIconVisible(bool v)
{
    if (v)
        AddTrayIcon();
    else
        DeleteTrayIcon();
}

void TCoolTrayIcon::SetIconIndex(int32_t v)
{
    // An empty list or a negative index has no image to show; both fall back
    // to 0 rather than reading outside the list.
    if (iconList_ && iconList_->Count() > 0) {
        const int count = iconList_->Count();
        if (v >= count)
            v = count - 1;
        if (v < 0)
            v = 0;
        iconIndex_ = v;
        iconChangeMuted_ = true;
        icon_.SetImages(iconList_->Get(iconIndex_));
        iconChangeMuted_ = false;
    } else {
        iconIndex_ = 0;
    }
    ModifyTrayIcon();
}

void TCoolTrayIcon::SetPopupMenu(ITrayMenu* menu)
{
    if (popupMenu_ && popupMenu_ != menu)
        popupMenu_->RemoveFreeListener(this);
    popupMenu_ = menu;
    if (popupMenu_)
        popupMenu_->AddFreeListener(this);
}

void TCoolTrayIcon::SetWantEnterExitEvents(bool v)
{
    wantEnterExit_ = v;
    leavePollTimer_->SetActive(v);
}

void TCoolTrayIcon::FreeNotification(TFreeNotifier* gone)
{
    if (iconList_ && gone == static_cast<TFreeNotifier*>(iconList_)) {
        iconList_ = nullptr; // the list has already forgotten us
        SetIconList(nullptr);
    }
    if (popupMenu_ && gone == static_cast<TFreeNotifier*>(popupMenu_))
        popupMenu_ = nullptr;
}

// ---- main window ----

void TCoolTrayIcon::ShowMainWindow()
{
    if (!shell_.OwnerIsWindow() || !shell_.HasMainWindow())
        return;
    shell_.RestoreApplication();
    if (shell_.MainWindowMinimized())
        shell_.SetMainWindowNormal();
    shell_.SetMainWindowVisible(true);
    shell_.SetForegroundApplication();
}

void TCoolTrayIcon::HideMainWindow()
{
    if (!shell_.OwnerIsWindow() || !shell_.HasMainWindow())
        return;
    shell_.SetMainWindowVisible(false);
    HideTaskbarButton();
}

void TCoolTrayIcon::HideTaskbarButton()
{
    if (shell_.ApplicationWindowVisible())
        shell_.HideApplicationWindow();
}

void TCoolTrayIcon::MinimizeIntoTray()
{
    HideMainWindow();
    SetIconVisible(true);
}

// ---- dispatchers ----

// A handler may destroy the component, and with it the handler itself:
// each runs from a copy.
void TCoolTrayIcon::FireClick() { if (auto h = OnClick) h(*this); }
void TCoolTrayIcon::FireDblClick() { if (auto h = OnDblClick) h(*this); }
void TCoolTrayIcon::FireCycle(int nextIndex) { if (auto h = OnCycle) h(*this, nextIndex); }
void TCoolTrayIcon::FireMouseDown(TMouseButton b, TShiftState s, int x, int y) { if (auto h = OnMouseDown) h(*this, b, s, x, y); }
void TCoolTrayIcon::FireMouseUp(TMouseButton b, TShiftState s, int x, int y) { if (auto h = OnMouseUp) h(*this, b, s, x, y); }
void TCoolTrayIcon::FireMouseMove(TShiftState s, int x, int y) { if (auto h = OnMouseMove) h(*this, s, x, y); }
void TCoolTrayIcon::FireMouseEnter() { if (auto h = OnMouseEnter) h(*this); }
void TCoolTrayIcon::FireMouseExit() { if (auto h = OnMouseExit) h(*this); }

} // namespace ov
