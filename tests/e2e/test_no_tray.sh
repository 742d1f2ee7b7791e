#!/usr/bin/env bash
# Without a notification area the program stays reachable and useful: its
# window shows at start and says why once, phrases flash while it is
# minimised, its bar pauses them, and Exit ends it with code 0.
# Started by hand, without a branding record, it names itself from the one
# it ships; window captions are exactly the program's own. Its folder's name
# is not UTF-8 and it is started from elsewhere: its settings and lists are
# still the ones beside it.
source "$ORVELLA_E2E_LIB"
start_x 1280x800
start_wm
setup_app "$1" $'app\xff'
cd "$HOME"
printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nDisplayTime=300\r\nDisplayFreq=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
  >"$APP_DIR/Orvella.ini"

# In this mode the window is taller by its bar.
window() { main_window 525; }
bar_shot() { import -window "$1" -crop 632x34+0+491 +repage "$2"; }
bar_changed() {
  bar_shot "$1" "$E2E_TMP/bar-after.png"
  [ "$(compare -metric AE "$E2E_TMP/bar-before.png" "$E2E_TMP/bar-after.png" null: 2>&1 || true)" != 0 ]
}
# press_until_bar_changes KEY: types a mnemonic into the window, again when
# it arrived before the focus, until the bar shows the change.
press_until_bar_changes() {
  local key=$1 w try
  w=$(first_of 10 window) || fail "no window for $key"
  bar_shot "$w" "$E2E_TMP/bar-before.png"
  for try in 1 2 3; do
    xdotool windowactivate --sync "$w" key "$key" 2>/dev/null || true
    wait_for 5 bar_changed "$w" && return 0
  done
  return 1
}
# minimize: the bar's Minimize button, pressed until the window is iconified.
minimize() {
  local w try
  for try in 1 2 3; do
    w=$(first_of 10 window) || return 1
    xdotool windowactivate --sync "$w" key alt+n 2>/dev/null || true
    wait_gone 5 window && return 0
  done
  return 1
}
# restore: brings the minimised window back, as the task list does.
restore() { xdotool windowactivate --sync "$MAIN" 2>/dev/null || true; wait_for 10 window; }

rm -f "$XDG_CONFIG_HOME/Halvorn/Orvella/Branding.reg" # started by hand: none installed
start_app
MAIN=$(first_of 20 window) || fail "main window not shown without a notification area"
caption="$(xprop -id "$MAIN" _NET_WM_NAME)"
[ "$caption" = '_NET_WM_NAME(UTF8_STRING) = "Orvella"' ] || fail "main window caption: $caption"
pass "main window caption from the shipped record"
wait_for 10 visible_window '^Information$' || fail "no information box"
# The caption the window manager shows, not only the legacy WM_NAME.
caption="$(xprop -id "$(visible_window '^Information$')" _NET_WM_NAME)"
[ "$caption" = '_NET_WM_NAME(UTF8_STRING) = "Information"' ] || fail "information box caption: $caption"
pass "the box is titled exactly \"Information\""
close_with_key Return visible_window '^Information$' || fail "box did not close"
pass "main window shown, the reason said once"

# Up, the window keeps the phrases away; minimised, they flash.
if wait_for 3 phrase_up; then fail "a phrase flashed over the open window"; fi
minimize || fail "Minimize did not minimise the window"
app_alive || fail "minimising ended the program"
wait_for 20 phrase_up || fail "no phrase flashed while minimised"
pass "phrases flash while the window is minimised"

# Pause from the bar: no phrase for several intervals.
restore || fail "the window did not come back"
press_until_bar_changes alt+p || fail "Pause Messages did not change"
minimize || fail "Minimize did not minimise the window (paused)"
if wait_for 4 phrase_up; then fail "a phrase flashed while paused"; fi
pass "Pause Messages stops the phrases"

restore || fail "the window did not come back (paused)"
close_with_key alt+x window || fail "Exit did not close the window"
wait_gone 10 app_alive || fail "Exit did not end the program"
rc=0; wait "$APP_PID" || rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
pass "Exit ends the program with code 0"
