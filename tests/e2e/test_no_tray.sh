#!/usr/bin/env bash
# Without a notification area the program stays reachable: its window shows
# at start, it says why once, and the close box ends it. Started by hand,
# without a branding record, it names itself from the one it ships; window
# captions are exactly the program's own.
source "$ORVELLA_E2E_LIB"
start_x 1280x800
start_wm
setup_app "$1"
rm -f "$XDG_CONFIG_HOME/Halvorn/Orvella/Branding.reg" # started by hand: none installed
start_app
wait_for 20 main_window || fail "main window not shown without a notification area"
pass "main window shown"
caption="$(xprop -id "$(main_window)" _NET_WM_NAME)"
[ "$caption" = '_NET_WM_NAME(UTF8_STRING) = "Orvella"' ] || fail "main window caption: $caption"
pass "main window caption from the shipped record"
wait_for 10 visible_window '^Information$' || fail "no information box"
# The caption the window manager shows, not only the legacy WM_NAME.
caption="$(xprop -id "$(visible_window '^Information$')" _NET_WM_NAME)"
[ "$caption" = '_NET_WM_NAME(UTF8_STRING) = "Information"' ] || fail "information box caption: $caption"
pass "the box is titled exactly \"Information\""
close_with_key Return visible_window '^Information$' || fail "box did not close"
close_with_key alt+F4 main_window || fail "the close box did not close the main window"
wait_gone 10 app_alive || fail "close box did not end the program"
rc=0; wait "$APP_PID" || rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
pass "close box ends the program"
