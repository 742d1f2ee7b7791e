#!/usr/bin/env bash
# Start-up time to a docked icon and a ready window, then CPU time and
# resident memory while idle in the tray with messages paused.
# Usage: bench/shell_startup_idle.sh path/to/Orvella [idle-seconds]
ORVELLA_E2E_LIB="$(cd "$(dirname "$0")/../tests/e2e" && pwd)/lib.sh"
source "$ORVELLA_E2E_LIB"
idle="${2:-60}"
start_x 1920x1080
start_wm
start_tray
setup_app "$1"
printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=1\r\n' >"$APP_DIR/Orvella.ini"

t0=$(date +%s%N)
start_app
wait_for 30 tray_icon || fail "no icon"
t_icon=$(date +%s%N)
wait_for 10 splash_window || true
wait_gone 30 splash_window || fail "splash did not end"
t_ready=$(date +%s%N)
echo "icon docked after      $(( (t_icon - t0) / 1000000 )) ms"
echo "window ready after     $(( (t_ready - t0) / 1000000 )) ms (splash 3000 ms + fade)"

ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
hz=$(getconf CLK_TCK)
sleep 2
c0=$(ticks)
sleep "$idle"
c1=$(ticks)
echo "CPU time idle ${idle} s:  $(( (c1 - c0) * 1000 / hz )) ms"
echo "resident memory:       $(awk '/VmRSS/ {print $2, $3}' "/proc/$APP_PID/status")"
