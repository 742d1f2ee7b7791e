#!/usr/bin/env bash
# Real flash timing on a private X server (Xvfb, openbox, trayer): Orvella
# flashes a phrase every second, flash_timing watches the phrase window map
# and unmap, for display times of 25 and 100 ms, without a compositing
# manager and under picom.
#   bench/flash_timing.sh BUILD_DIR [FLASHES]
set -euo pipefail
BUILD="$(cd "${1:?usage: flash_timing.sh BUILD_DIR [FLASHES]}" && pwd)"
FLASHES="${2:-60}"
source "$(dirname "$0")/../tests/e2e/lib.sh"
start_x 1920x1080
start_wm
start_tray
for compositor in ${ORVELLA_COMPOSITORS:-none picom}; do
  if [ "$compositor" = picom ]; then
    picom --backend xrender --config /dev/null >"$E2E_TMP/picom.log" 2>&1 &
    E2E_PIDS+=($!)
  fi
  for ms in 25 100; do
    setup_app "$BUILD/bin/Orvella"
    printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nFontName=DejaVu Sans\r\nSize=12\r\nDisplayTime=%s\r\nDisplayFreq=1\r\nOpacity=50\r\nPosition=0\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
      "$ms" >"$APP_DIR/Orvella.ini"
    start_app
    echo "compositor $compositor, display time $ms ms, interval 1000 ms:"
    "$BUILD/bench/flash_timing" "$FLASHES" "$ms" 1000 "$APP_PID"
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
  done
done
