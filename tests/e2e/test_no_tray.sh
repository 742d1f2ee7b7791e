#!/usr/bin/env bash
# Without a notification area the program stays reachable: its window shows
# at start, it says why once, and the close box ends it.
source "$ORVELLA_E2E_LIB"
start_x 1280x800
start_wm
setup_app "$1"
start_app
wait_for 20 main_window || fail "main window not shown without a notification area"
pass "main window shown"
wait_for 10 sh -c 'xdotool search --onlyvisible --name "^Information$" | grep -q .' || fail "no information box"
info=$(xdotool search --onlyvisible --name '^Information$' | head -1)
xdotool windowactivate --sync "$info" key Return
wait_gone 10 sh -c 'xdotool search --onlyvisible --name "^Information$" | grep -q .' || fail "box did not close"
xdotool windowactivate --sync "$(main_window)" key alt+F4
wait_gone 10 app_alive || fail "close box did not end the program"
wait "$APP_PID"; rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
pass "close box ends the program"
