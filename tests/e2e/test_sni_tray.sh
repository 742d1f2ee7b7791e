#!/usr/bin/env bash
# On a StatusNotifierItem host (here the standalone GTK tray with its own
# watcher, on a private session bus) the icon registers, a left click opens
# the main window, and the host draws the program's exported menu on a right
# click: Settings, Pause Messages (which toggles) and Exit (code 0).
source "$ORVELLA_E2E_LIB"
start_x 1280x800
start_wm

start_session_bus
start_sni_tray gtk-sni-tray-standalone --top --beginning
bar() { xdotool search --onlyvisible --pid "$SNI_HOST_PID" --name gtk-sni-tray | head -1; }
BAR=$(first_of 20 bar) || fail "the tray bar did not map"
wait_for 10 sh -c "xwininfo -id $BAR | grep -q 'Width: 1280'" || fail "the tray bar did not take its size"
import -window "$BAR" "$E2E_TMP/bar-empty.png"

setup_app "$1"
printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nDisplayTime=300\r\nDisplayFreq=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
  >"$APP_DIR/Orvella.ini"
start_app

ITEM=$(first_of 20 sni_item) || fail "the icon did not register with the watcher"
SVC=${ITEM%%/*}
wait_gone 20 splash_window || fail "splash still up"
main_window && fail "main window shown at start"
# Where the host drew the icon: what changed in the bar.
icon_box() {
  import -window "$BAR" "$E2E_TMP/bar-icon.png"
  convert "$E2E_TMP/bar-empty.png" "$E2E_TMP/bar-icon.png" -compose difference -composite \
    -threshold 0 -bordercolor black -border 1 -format '%@' info: | grep -v '^0x0'
}
read -r IW IH IX IY <<<"$(first_of 10 icon_box | tr 'x+' '  ')" || fail "the host drew no icon"
ICON_X=$((IX - 1 + IW / 2)); ICON_Y=$((IY - 1 + IH / 2))
# (No --sync: it waits for a motion that never comes when the pointer is
# already there.)
click_icon() { xdotool mousemove "$ICON_X" "$ICON_Y" click "$1"; }
pass "icon registered and drawn"

layout() { sni_menu_layout "$SVC" "$MENU"; }
MENU=$(sni_menu "$SVC")
[ -n "$MENU" ] && [ "$MENU" != /NO_DBUSMENU ] || fail "no menu exported (Menu is '$MENU')"
layout | grep -o "'label': <'[^']*'>" | tr '\n' ' ' | grep -q "Settings.*Pause Messages.*Exit" \
  || fail "the exported menu lacks its items: $(layout)"
pause_is() { layout | grep -o "{[^{}]*'Pause Messages'[^{}]*}" | grep -q "'toggle-state': <$1>"; }
pause_is 0 || fail "Pause Messages exported as checked"
pass "the menu is exported with its three items"

click_icon 1
wait_for 10 main_window || fail "left click did not open the main window"
hide_main_window || fail "close did not hide the main window"
pass "left click opens the main window"

# The host's own popup: any window of the host other than its bar.
host_menu() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$SNI_HOST_PID" 2>/dev/null || true); do
    [ "$w" = "$BAR" ] && continue
    xwininfo -id "$w" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {exit !(w > 40 && h > 40)}' && { echo "$w"; return 0; }
  done
  return 1
}
# host_menu_keys KEYS...: right-clicks the icon and, once the host shows the
# menu, picks an item with the keyboard.
# Keys that arrive before the menu has the keyboard leave it open: close it
# and try again.
host_menu_keys() {
  local try
  for try in 1 2 3; do
    click_icon 3
    wait_for 5 host_menu || continue
    xdotool key --delay 100 "$@"
    wait_gone 5 host_menu && return 0
    xdotool key Escape
    wait_gone 5 host_menu || true
  done
  fail "the host's menu did not open or take the keys"
}

wait_for 20 phrase_up || fail "no phrase flashed before the pause"
host_menu_keys Down Down Return
wait_for 10 pause_is 1 || fail "Pause Messages did not check"
wait_gone 5 phrase_up || fail "a phrase stayed up" # a flash already under way ends
if wait_for 3 phrase_up; then fail "a phrase flashed while paused"; fi
host_menu_keys Down Down Return
wait_for 10 pause_is 0 || fail "Pause Messages did not uncheck"
wait_for 20 phrase_up || fail "no phrase after the pause ended"
pass "Pause Messages toggles the phrases"

host_menu_keys Down Return
wait_for 10 main_window || fail "Settings did not open the main window"
hide_main_window || fail "close did not hide the main window (Settings)"
pass "Settings opens the main window"

host_menu_keys Up Return
wait_gone 10 app_alive || fail "Exit did not end the program"
rc=0; wait "$APP_PID" || rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
wait_gone 10 sni_item || fail "the icon stayed registered"
pass "Exit ends the program with code 0"
