# Shared set-up for the end-to-end tests: a private X server, a notification
# area, a window manager, and the real executable in a temporary folder.
# Every process started here is ended by the EXIT trap.
set -euo pipefail

E2E_PIDS=()
E2E_TMP="$(mktemp -d /tmp/orvella-e2e-XXXXXX)"
export HOME="$E2E_TMP/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export NO_AT_BRIDGE=1

e2e_cleanup() {
  local rc=$?
  for ((i=${#E2E_PIDS[@]}-1; i>=0; i--)); do
    kill "${E2E_PIDS[$i]}" 2>/dev/null || true
  done
  for ((i=${#E2E_PIDS[@]}-1; i>=0; i--)); do
    wait "${E2E_PIDS[$i]}" 2>/dev/null || true
  done
  if [ "$rc" -ne 0 ] && [ -d "$E2E_TMP" ]; then
    echo "--- program output ---"; cat "$E2E_TMP/orvella.log" 2>/dev/null || true
  fi
  rm -rf "$E2E_TMP"
  exit "$rc"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# wait_for DEADLINE_SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local deadline=$(( $(date +%s%N) / 1000000 + $1 * 1000 )); shift
  while ! "$@" >/dev/null 2>&1; do
    [ $(( $(date +%s%N) / 1000000 )) -lt $deadline ] || return 1
    sleep 0.05
  done
}

# Starts Xvfb on a display it picks itself (default 1920x1080).
start_x() {
  local size="${1:-1920x1080}"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -ac 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 10 test -s "$E2E_TMP/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -1 "$E2E_TMP/display")"
  wait_for 10 xdpyinfo || fail "Xvfb does not answer"
}

start_wm() {
  openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
}

# A real notification area: trayer owns the system tray selection.
start_tray() {
  trayer --edge top --align right --widthtype request --height 32 --transparent false \
         --SetDockType true --expand false >"$E2E_TMP/trayer.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 10 sh -c 'xdotool search --classname trayer' || fail "trayer did not start"
}

# Copies the executable into a fresh folder with a small library.
# setup_app EXE: sets APP_DIR and APP_EXE.
setup_app() {
  APP_DIR="$E2E_TMP/app"
  mkdir -p "$APP_DIR/Affirmations/Daily"
  cp "$1" "$APP_DIR/Orvella"
  APP_EXE="$APP_DIR/Orvella"
  printf 'First phrase\r\nSecond phrase\r\nThird phrase\r\n' >"$APP_DIR/Affirmations/Daily/Morning.txt"
}

start_app() {
  "$APP_EXE" >"$E2E_TMP/orvella.log" 2>&1 &
  APP_PID=$!
  E2E_PIDS+=($APP_PID)
}

# Window ids of the program's visible (mapped) windows whose title matches.
visible_window() { xdotool search --onlyvisible --pid "$APP_PID" --name "$1" 2>/dev/null | head -1; }
