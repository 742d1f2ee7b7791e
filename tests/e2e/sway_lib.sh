# sway, headless, for the end-to-end tests; sourced after lib.sh.
#
#   sway_isolate "$0" "$@"   first thing in a test: runs the test again in a
#                            private mount and network namespace with its own
#                            /tmp, so sway's Xwayland takes :0 and its lock
#                            and abstract socket without meeting anyone else's
#                            (exit 77 with the reason where that is refused)
#   sway_start [WxH]         sway on one headless output, its Xwayland, and
#                            the settings as_user and swaymsg need; skips with
#                            77 when sway cannot start
#   as_user CMD...           runs CMD as the user sway runs as
#   as_user_bg LOG CMD...    the same in the background, its output to LOG;
#                            BG_PID is its pid, ended with the test
#
# sway refuses to run as root and its Xwayland admits only sway's own user:
# the test runs as root, and sway, its clients and the program run as
# ORVELLA_SWAY_USER (default nobody).

skip() { echo "SKIP: $*"; exit 77; }

sway_isolate() {
  [ -n "${ORVELLA_SWAY_ISOLATED:-}" ] && return 0
  command -v sway >/dev/null || skip "sway is not installed"
  # sway's clients must run as sway's own user, which a user namespace
  # would not map: the namespace is made as root.
  [ "$(id -u)" -eq 0 ] || skip "a private mount and network namespace needs root here"
  unshare --mount --net true 2>/dev/null || skip "a private mount and network namespace is refused here"
  # A process namespace of its own too: whatever the test leaves running
  # ends with it.
  local here; here=$(dirname "$(readlink -f "$1")")
  ORVELLA_KEEP="$here:$(readlink -f "${2:-$1}"):${ORVELLA_E2E_LIB:-}:${ORVELLA_FLASH_PROBE:-}" \
    ORVELLA_SWAY_ISOLATED=1 exec unshare --mount --net --pid --fork --kill-child --mount-proc -- \
    bash "$here/private_tmp_lib.sh" bash "$@"
}

SWAY_USER="${ORVELLA_SWAY_USER:-nobody}"
as_user() { setpriv --reuid="$SWAY_USER" --regid="$(id -g "$SWAY_USER")" --clear-groups -- "$@"; }
as_user_bg() {
  local log=$1; shift
  setpriv --reuid="$SWAY_USER" --regid="$(id -g "$SWAY_USER")" --clear-groups -- "$@" >"$log" 2>&1 &
  BG_PID=$!
  E2E_PIDS+=($BG_PID)
}

# The wayland socket sway serves, once it is there.
sway_socket() {
  local s
  for s in "$XDG_RUNTIME_DIR"/wayland-*; do
    [ -S "$s" ] && { basename "$s"; return 0; }
  done
  return 1
}

sway_ipc() {
  local s
  for s in "$XDG_RUNTIME_DIR"/sway-ipc.*.sock; do
    [ -S "$s" ] && { echo "$s"; return 0; }
  done
  return 1
}

sway_start() {
  local size="${1:-1280x720}"
  command -v swaymsg >/dev/null && command -v Xwayland >/dev/null || skip "sway's tools or Xwayland are missing"
  id "$SWAY_USER" >/dev/null 2>&1 || skip "no user $SWAY_USER to run sway as"
  chown -R "$SWAY_USER" "$E2E_TMP"
  # A plain background and nothing else: no bar, no wallpaper program.
  SWAY_BG="${SWAY_BG:-#285aa0}"
  cat >"$E2E_TMP/sway.conf" <<EOF
output HEADLESS-1 resolution $size position 0 0 bg $SWAY_BG solid_color${SWAY_SCALE:+ scale $SWAY_SCALE}
xwayland enable
EOF
  unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
  as_user_bg "$E2E_TMP/sway.log" env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER="${WLR_RENDERER:-pixman}" sway -d -c "$E2E_TMP/sway.conf"
  SWAY_PID=$BG_PID
  if ! wait_for 30 sway_socket || ! wait_for 30 sway_ipc; then
    kill -0 "$SWAY_PID" 2>/dev/null || { tail -n 5 "$E2E_TMP/sway.log"; skip "sway did not start"; }
    fail "sway runs but offers no socket"
  fi
  export WAYLAND_DISPLAY="$(sway_socket)" SWAYSOCK="$(sway_ipc)"
  wait_for 30 swaymsg -t get_outputs || fail "sway does not answer"
  # Lazy Xwayland: its socket is there from the start, the server comes with
  # the first client. The private /tmp makes it :0.
  wait_for 30 test -S /tmp/.X11-unix/X0 || fail "sway's Xwayland has no socket"
  export DISPLAY=:0
}
