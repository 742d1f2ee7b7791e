#!/usr/bin/env bash
# The program as a tray program: it docks, opens from the icon, hides on
# close, offers its menu, and ends on Exit or SIGTERM at any moment.
source "$ORVELLA_E2E_LIB"
start_x 1280x800
start_wm
setup_app "$1"

# ends_on_sigterm WHAT: sends SIGTERM and expects the program gone with code 0.
ends_on_sigterm() {
  kill -TERM "$APP_PID"
  wait_gone 10 app_alive || fail "SIGTERM $1 did not end the program; its windows: $(program_windows)"
  local rc=0; wait "$APP_PID" || rc=$?
  [ "$rc" -eq 0 ] || fail "exit code $rc after SIGTERM $1"
  pass "SIGTERM $1 ends the program with code 0"
}

# No notification area yet: the notice box waits for an answer.
start_app
wait_for 20 visible_window '^Information$' || fail "no notice box without a notification area"
ends_on_sigterm "with the no-tray notice box open"

start_tray

start_app
wait_for 20 tray_icon || fail "the icon did not dock"
pass "icon docked"
wait_for 10 splash_window || fail "no splash"
# The main window stays hidden after the splash.
wait_gone 20 splash_window || fail "splash still up"
main_window && fail "main window shown at start"
pass "no main window at start"

click_window "$(tray_icon)" 1
wait_for 10 main_window || fail "left click did not open the main window"
pass "left click opens the main window"
import -window "$(first_of 5 main_window)" "$E2E_TMP/messages.png"

hide_main_window || fail "close did not hide the main window"
sleep 0.3
app_alive || fail "closing the main window ended the program"
wait_for 5 tray_icon || fail "icon gone after close"
pass "close hides to the tray"

# Right press opens the menu; its first item is Settings.
menu_choose 0.15
wait_for 10 main_window || fail "Settings did not open the main window"
import -window "$(first_of 5 main_window)" "$E2E_TMP/settings.png"
diff_pixels=$(compare -metric AE "$E2E_TMP/messages.png" "$E2E_TMP/settings.png" null: 2>&1 || true)
[ "${diff_pixels%% *}" -gt 1000 ] || fail "Settings did not switch the page ($diff_pixels pixels differ)"
pass "Settings opens the Settings page"
hide_main_window || fail "second close did not hide"

# Exit is the last item: nothing is asked, the icon goes, the code is 0.
menu_choose 0.85
wait_gone 10 app_alive || fail "Exit did not end the program"
rc=0; wait "$APP_PID" || rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
tray_icon | grep -q . && fail "icon left behind"
pass "Exit ends the program with code 0"

# SIGTERM ends a fresh copy without questions, even with the window open.
start_app_docked
click_window "$(tray_icon)" 1
wait_for 10 main_window || fail "main window did not open (second run)"
kill -TERM "$APP_PID"
wait_gone 10 app_alive || fail "SIGTERM did not end the program"
rc=0; wait "$APP_PID" || rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc after SIGTERM"
pass "SIGTERM ends the program"

# During the splash, before the main loop runs.
start_app
wait_for 20 splash_window || fail "no splash"
ends_on_sigterm "during the splash"

# A category without lists: a session end finds nothing to ask on the way
# out.
rm "$APP_DIR/Affirmations/Daily/Morning.txt"
start_app_docked
ends_on_sigterm "with a category without lists"

# Closing it asks nothing: there is no list to tick.
start_app_docked
click_window "$(tray_icon)" 1
w=$(first_of 10 main_window) || fail "main window did not open (no lists)"
for try in 1 2 3; do
  xdotool windowactivate --sync "$w" key alt+F4 2>/dev/null || true
  wait_gone 5 main_window && break
  visible_window '^Warning$' >/dev/null && fail "a warning on close with no list to tick"
done
main_window >/dev/null && fail "close did not hide the main window (no lists)"
app_alive || fail "closing the main window ended the program (no lists)"
pass "close with no list to tick asks nothing"
ends_on_sigterm "after a close with no lists"

# A settings file that is a named pipe is reported while the main window is
# built, before the main loop runs; a session end closes that box too.
printf 'First phrase\r\n' >"$APP_DIR/Affirmations/Daily/Morning.txt"
rm -f "$APP_DIR/Orvella.ini"
mkfifo "$APP_DIR/Orvella.ini"
start_app
wait_for 20 tray_icon || fail "the icon did not dock (settings file a pipe)"
wait_for 20 visible_window '^(Error|Warning)$' || fail "no box for the settings file that is a pipe; the program's windows: $(program_windows)"
ends_on_sigterm "with a box of the start-up open"
