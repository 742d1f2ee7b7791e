#!/usr/bin/env bash
# A program on an X server whose phrases went to sway's layer shell goes on
# flashing them in its X window when sway goes away, and says so once.
source "$(dirname "${BASH_SOURCE[0]}")/sway_lib.sh"
sway_isolate "$0" "$@"
source "$ORVELLA_E2E_LIB"
source "$(dirname "${BASH_SOURCE[0]}")/sway_lib.sh"

sway_start 1280x720 # first, so its Xwayland takes :0
start_x 1280x800
start_wm
start_tray
setup_app "$1"
printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nDisplayTime=300\r\nDisplayFreq=1\r\nPosition=0\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
  >"$APP_DIR/Orvella.ini"
start_app_docked
wait_for 20 grep -q 'namespace orvella-phrase layer 3 anchor 5' "$E2E_TMP/sway.log" || fail "no phrase on sway's overlay layer"
phrase_up && fail "a phrase went to the X window while sway was there"

kill "$SWAY_PID"
wait "$SWAY_PID" 2>/dev/null || true
wait_for 20 phrase_up || fail "no phrase in the X window after sway went; log: $(tail -n 3 "$E2E_TMP/orvella.log")"
app_alive || fail "the program ended with sway"
[ "$(grep -c 'connection to the Wayland compositor was lost' "$E2E_TMP/orvella.log")" -eq 1 ] \
  || fail "the loss was not told once: $(cat "$E2E_TMP/orvella.log")"
pass "phrases go on in the X window after sway went, told once"
