#!/usr/bin/env bash
# Real flash timing on a private X server (Xvfb, openbox, trayer): Orvella
# flashes a one-line and a three-line phrase every second for 100 ms each;
# flash_timing watches the phrase window map and unmap and the screen's
# drawing, on a quiet machine and beside three CPU-bound processes, without
# a compositing manager and under picom. Then timer_wakeup: how late the
# timer's own thread and the UI thread wake, quiet and busy.
#   bench/flash_timing.sh BUILD_DIR [FLASHES]
# ORVELLA_COMPOSITORS=none or =picom, ORVELLA_LOADS=quiet or =busy for one
# of them; ORVELLA_EXE=path times another build of the program;
# ORVELLA_SERVER_RT=1 runs the X server at real-time priority (as root), to
# tell the program's part from the server's.
set -euo pipefail
BUILD="$(cd "${1:?usage: flash_timing.sh BUILD_DIR [FLASHES]}" && pwd)"
FLASHES="${2:-60}"
EXE="${ORVELLA_EXE:-$BUILD/bin/Orvella}"
source "$(dirname "$0")/../tests/e2e/lib.sh"

ONE="Calm and steady"
THREE="Every breath I take settles me, every step I take is sure, and every day I meet is one I welcome"
BUSY=()
busy() { # three CPU-bound processes for the two cores, or none
  local i
  for i in 1 2 3; do
    bash -c 'while :; do :; done' &
    BUSY+=($!); E2E_PIDS+=($!)
  done
}
quiet() { [ ${#BUSY[@]} -eq 0 ] || { kill "${BUSY[@]}"; wait "${BUSY[@]}" 2>/dev/null || true; BUSY=(); }; }

start_x 1920x1080
if [ -n "${ORVELLA_SERVER_RT:-}" ]; then
  chrt -f -p 3 "$XVFB_PID" && echo "X server at real-time priority" || echo "X server at ordinary priority"
fi
start_wm
start_tray
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for compositor in ${ORVELLA_COMPOSITORS:-none picom}; do
  if [ "$compositor" = picom ]; then
    picom --backend xrender --config /dev/null >"$E2E_TMP/picom.log" 2>&1 &
    E2E_PIDS+=($!)
  fi
  for load in ${ORVELLA_LOADS:-quiet busy}; do
    [ "$load" = busy ] && busy
    for lines in one three; do
      setup_app "$EXE"
      if [ "$lines" = one ]; then phrase=$ONE; else phrase=$THREE; fi
      printf '%s\r\n' "$phrase" >"$APP_DIR/Affirmations/Daily/Morning.txt"
      printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nFontName=DejaVu Sans\r\nSize=36\r\nDisplayTime=100\r\nDisplayFreq=1\r\nOpacity=50\r\nPosition=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
        >"$APP_DIR/Orvella.ini"
      start_app
      echo "== compositor $compositor, $load, $lines line(s), display time 100 ms, interval 1000 ms:"
      "$BUILD/bench/flash_timing" "$FLASHES" 100 1000 "$APP_PID"
      kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
    done
    quiet
  done
done
for load in ${ORVELLA_LOADS:-quiet busy}; do
  [ "$load" = busy ] && busy
  echo "== timer wake-up, $load:"
  "$BUILD/bench/timer_wakeup" "$FLASHES" 100
  quiet
done
