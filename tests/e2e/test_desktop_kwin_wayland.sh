#!/usr/bin/env bash
# KWin on Wayland (KDE Plasma's compositor), nested in an X server whose root
# window is KWin's output: screenshots of that root are what KWin composed,
# and input on it is KWin's input. The phrase shows letter-shaped at its
# contrast above a full-screen, active native Wayland window, lets a click
# on a glyph through to it and leaves it the focus.
source "$(dirname "$0")/wayland_lib.sh"
wl_private_namespace "$@"
KWIN=$(command -v kwin_wayland) || skip "kwin_wayland is not installed"

source "$ORVELLA_E2E_LIB"
wl_start_host

# A notification area beside the desktop: the standalone StatusNotifierItem
# host on the host X server, so the program has its tray without Plasma's
# shell, and nothing of it sits on KWin's output.
start_sni_tray env GDK_BACKEND=x11 gtk-sni-tray-standalone --bottom --beginning

# The binary carries a file capability that some containers refuse to
# execute; a copy carries none.
cp "$KWIN" "$E2E_TMP/kwin_wayland"
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 QT_QPA_PLATFORM=offscreen KWIN_COMPOSE=Q \
  "$E2E_TMP/kwin_wayland" --xwayland --socket wayland-kwin --x11-display "$HOST_DISPLAY" \
  --width 1920 --height 1080 --no-lockscreen --no-global-shortcuts >"$E2E_TMP/kwin.log" 2>&1 &
KWIN_PID=$!
E2E_PIDS+=($KWIN_PID)
export WAYLAND_DISPLAY=wayland-kwin
kwin_up() { ! kill -0 "$KWIN_PID" 2>/dev/null || [ -S "$XDG_RUNTIME_DIR/wayland-kwin" ]; }
wait_for 60 kwin_up || true
kill -0 "$KWIN_PID" 2>/dev/null && [ -S "$XDG_RUNTIME_DIR/wayland-kwin" ] \
  || skip "KWin did not start: $(tail -3 "$E2E_TMP/kwin.log" | tr '\n' ' ')"

# KWin's output is the host's root window.
wl_screenshot() {
  if [ $# = 5 ]; then DISPLAY=$HOST_DISPLAY import -window root -crop "$4x$5+$2+$3" +repage "$1"
  else DISPLAY=$HOST_DISPLAY import -window root "$1"; fi
}
wl_click() { DISPLAY=$HOST_DISPLAY xdotool mousemove "$1" "$2" click 1; }
wl_key() { DISPLAY=$HOST_DISPLAY xdotool key a; }
WL_SKIP_TOP=0

wl_start_window 1920 1080

# Xwayland: KWin names its display in its environment for its children;
# it is the display that is not the host's.
wl_use_xwayland KWin

wl_setup_app "$1"
wl_start_app

wl_check_all "KWin Wayland"
