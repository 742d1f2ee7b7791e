#pragma once
#include <cstdint>

// The notification-area protocol speaks in Windows message codes; the tray
// component and its shells use the same numbers on every platform so the
// routing reads the same everywhere.
namespace ov {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;

// Window messages
constexpr unsigned WM_NULL = 0;
constexpr unsigned WM_DESTROY = 2;
constexpr unsigned WM_SIZE = 5;
constexpr unsigned WM_CLOSE = 16;
constexpr unsigned WM_QUERYENDSESSION = 17;
constexpr unsigned WM_QUIT = 18;
constexpr unsigned WM_SHOWWINDOW = 24;
constexpr unsigned WM_ENDSESSION = 22;
constexpr unsigned WM_WINDOWPOSCHANGED = 71;
constexpr unsigned WM_CONTEXTMENU = 123;
constexpr unsigned WM_NCDESTROY = 130;
constexpr unsigned WM_TIMER = 275;
constexpr unsigned WM_SYSCOMMAND = 274;
constexpr unsigned WM_MOUSEMOVE = 512;
constexpr unsigned WM_LBUTTONDOWN = 513;
constexpr unsigned WM_LBUTTONUP = 514;
constexpr unsigned WM_LBUTTONDBLCLK = 515;
constexpr unsigned WM_RBUTTONDOWN = 516;
constexpr unsigned WM_RBUTTONUP = 517;
constexpr unsigned WM_MBUTTONDOWN = 519;
constexpr unsigned WM_MBUTTONUP = 520;
constexpr unsigned WM_USER = 1024;

// Notify-icon events arriving in the callback's lParam
constexpr unsigned NIN_SELECT = WM_USER + 0;
constexpr unsigned NIN_KEYSELECT = WM_USER + 1;
constexpr unsigned NIN_BALLOONSHOW = WM_USER + 2;
constexpr unsigned NIN_BALLOONHIDE = WM_USER + 3;
constexpr unsigned NIN_BALLOONTIMEOUT = WM_USER + 4;
constexpr unsigned NIN_BALLOONUSERCLICK = WM_USER + 5;

// Notify-icon operations
constexpr unsigned NIM_ADD = 0;
constexpr unsigned NIM_MODIFY = 1;
constexpr unsigned NIM_DELETE = 2;
constexpr unsigned NIM_SETVERSION = 4;

constexpr unsigned NIF_MESSAGE = 1;
constexpr unsigned NIF_ICON = 2;
constexpr unsigned NIF_TIP = 4;

// Parameters of the messages above
constexpr WParam SIZE_MINIMIZED = 1;
constexpr LParam SW_PARENTCLOSING = 1;
constexpr WParam SC_MINIMIZE = 0xF020;
constexpr WParam SC_RESTORE = 0xF120;

// Virtual keys for the modifier query
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;

// The tray component's own callback message, and the message that stands
// for "the notification area was re-created" (a registered message on
// Windows; a fixed value from the registered range here).
constexpr unsigned TrayCallbackMessage = WM_USER + 1024;
constexpr unsigned TaskbarCreatedMessage = 0xC0DE;

} // namespace ov
