#!/usr/bin/env bash
# The program through a screen reader's eyes: on a private accessibility bus,
# every page and dialog is opened and every control must carry a name.
source "$ORVELLA_E2E_LIB"
start_x 1280x800
start_wm
start_tray
setup_app "$1"
cp -r "$(dirname "${BASH_SOURCE[0]}")/../../data/Help" "$APP_DIR/" # the help page holds a table

# A private session bus with the accessibility bus beside it.
eval "$(dbus-launch --sh-syntax)"
E2E_PIDS+=($DBUS_SESSION_BUS_PID)
LAUNCHER=""
for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$l" ] && { LAUNCHER=$l; break; }
done
[ -n "$LAUNCHER" ] || fail "at-spi-bus-launcher is missing: install the Debian package at-spi2-core"
"$LAUNCHER" --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 20 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  || fail "the accessibility bus did not start"
unset NO_AT_BRIDGE
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_app_docked
menu_choose 0.15
wait_for 10 main_window || fail "the tray menu's Settings did not open the main window"
pass "Settings opened from the tray menu"

# Bounded, so a program that stops answering fails here with the walk's output.
timeout 200 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_walk.py" "$APP_PID" || fail "accessibility walk"
app_alive || fail "the program ended during the walk"
