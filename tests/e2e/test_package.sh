#!/usr/bin/env bash
# The Debian package, unpacked into a read-only root with a fresh home, runs
# as an installed program: it docks, flashes a phrase from the library it
# seeded into the user's data folder, saves its settings and lists in the
# user's folders, never seeds over the user's edits, and its auto-start
# entry starts the unpacked program.
# Usage: test_package.sh (ORVELLA_DEB_DIR names the folder holding the .deb)
source "$ORVELLA_E2E_LIB"
deb="$(ls "${ORVELLA_DEB_DIR:?set ORVELLA_DEB_DIR}"/orvella_*.deb 2>/dev/null | head -1)"
[ -n "$deb" ] || fail "no package in $ORVELLA_DEB_DIR"

ROOT="$E2E_TMP/root"
dpkg-deb -x "$deb" "$ROOT"
# As /usr is to a user; without write bits it is read-only to root as well.
chmod -R a-w "$ROOT"
trap 'rc=$?; chmod -R u+w "$ROOT" 2>/dev/null || true; (exit $rc); e2e_cleanup' EXIT
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_DIRS="$ROOT/etc/xdg"
CONF="$XDG_CONFIG_HOME/orvella/Orvella.ini"
DATA="$XDG_DATA_HOME/orvella/Affirmations"
APP_EXE="$ROOT/usr/bin/orvella"

# A display time long enough to see the phrase; Save writes the other keys.
mkdir -p "$(dirname "$CONF")"
printf '[General]\r\nGroupIndex=0\r\n[Calm-Settings]\r\nDisplayTime=700\r\nDisplayFreq=1\r\nPosition=1\r\n' >"$CONF"

start_x 1280x800
start_wm
start_tray
start_app_docked
pass "the unpacked program docks"
diff -r "$ROOT/usr/share/orvella/Affirmations" "$DATA" >/dev/null || fail "the library was not seeded into $DATA"
wait_for 20 phrase_up || fail "no phrase was flashed"
pass "a phrase of the seeded library flashes"

# The main window's page area, measured from its bottom-left corner: the
# pages are 392 pixels high and end at the window's bottom frame.
page_click() { # X Y within the page
  local w x y h
  w=$(first_of 5 main_window) || fail "no main window"
  eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/ {print "x="$4} /Absolute upper-left Y/ {print "y="$4} /Height/ {print "h="$2}')"
  xdotool mousemove --sync $((x + PAGE_LEFT + $1)) $((y + h - PAGE_BOTTOM - 392 + $2)) click 1
}
PAGE_LEFT=2 PAGE_BOTTOM=3
ok_box() { # closes the information box a save shows
  wait_for 10 visible_window "^$1\$" || fail "no $1 box"
  close_with_key Return visible_window "^$1\$" || fail "the $1 box did not close"
}

click_window "$(tray_icon)" 1
wait_for 10 main_window || fail "left click did not open the main window"
[ "$(xdotool getwindowname "$(main_window)")" = Orvella ] \
  || fail "the title is '$(xdotool getwindowname "$(main_window)")': the shipped branding record was not read"
pass "the shipped branding record names the product"

# A list edit: select the first list, add a line at the end, Save.
page_click 100 80
page_click 400 200
xdotool key ctrl+End Return type --delay 20 'My own phrase'
page_click 590 373
ok_box Information
grep -q 'My own phrase' "$DATA/Calm/Peace.txt" || fail "the edit did not land in $DATA/Calm/Peace.txt"
pass "a list edit lands in the user's data folder"

# Settings: Restore Defaults ticks the auto-start box; Save writes both.
hide_main_window || fail "the main window did not hide"
menu_choose 0.15
wait_for 10 main_window || fail "Settings did not open the main window"
page_click 506 373
page_click 592 373
ok_box Information
grep -q '^FontName=' "$CONF" || fail "the settings save did not land in $CONF: $(cat "$CONF")"
pass "a settings save lands in $CONF"
ENTRY="$XDG_CONFIG_HOME/autostart/orvella.desktop"
grep -qx "Exec=\"$APP_EXE\"" "$ENTRY" 2>/dev/null || fail "the auto-start entry does not start $APP_EXE: $(cat "$ENTRY" 2>&1)"
desktop-file-validate "$ENTRY" || fail "the auto-start entry does not validate"
pass "the auto-start entry starts the unpacked program"

hide_main_window || fail "the main window did not hide"
menu_choose 0.85
wait_gone 10 app_alive || fail "Exit did not end the program"

# The next start keeps the user's library as it is, a deleted list included.
rm "$DATA/Calm/Sleep.txt"
start_app_docked
grep -q 'My own phrase' "$DATA/Calm/Peace.txt" || fail "the second start seeded over the user's edit"
[ ! -e "$DATA/Calm/Sleep.txt" ] || fail "the second start brought back a deleted list"
pass "a second start does not seed again"
