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
start_session_bus
start_accessibility_bus

start_app_docked
menu_choose 0.15
wait_for 10 main_window || fail "the tray menu's Settings did not open the main window"
pass "Settings opened from the tray menu"

# Bounded, so a program that stops answering fails here with the walk's output.
timeout 200 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_walk.py" "$APP_PID" || fail "accessibility walk"
app_alive || fail "the program ended during the walk"
