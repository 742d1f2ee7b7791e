#!/usr/bin/env bash
# sway (wlroots), nested in an X server so that input can be driven: the
# phrase shows letter-shaped at its contrast over a full-screen native
# Wayland window, lets a click on a glyph through to it and leaves it the
# focus. sway refuses to run as root and its Xwayland admits only its own
# user, so the desktop and the program run as an ordinary user.
source "$(dirname "$0")/wayland_lib.sh"
wl_private_namespace "$@"
command -v sway >/dev/null && command -v grim >/dev/null && command -v waybar >/dev/null \
  || skip "sway, grim or waybar is not installed"

wl_as_ordinary_user "$@"

source "$ORVELLA_E2E_LIB"
wl_start_host

# The desktop's own tray: waybar's tray module (StatusNotifierItem).
mkdir -p "$XDG_CONFIG_HOME/waybar" "$XDG_CONFIG_HOME/sway"
cat >"$XDG_CONFIG_HOME/waybar/config" <<'EOF'
{ "layer": "top", "position": "top", "height": 30, "modules-right": ["tray"] }
EOF
cat >"$XDG_CONFIG_HOME/sway/config" <<EOF
output * resolution 1920x1080 position 0 0
default_border none
focus_follows_mouse no
xwayland enable
bar swaybar_command waybar
EOF
WL_SKIP_TOP=40

XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway WLR_BACKENDS=x11 WLR_X11_OUTPUTS=1 \
  WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$XDG_CONFIG_HOME/sway/config" >"$E2E_TMP/sway.log" 2>&1 &
SWAY_PID=$!
E2E_PIDS+=($SWAY_PID)
sway_socket() { ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1; }
sway_up() { ! kill -0 "$SWAY_PID" 2>/dev/null || [ -n "$(sway_socket)" ]; }
wait_for 30 sway_up || true
kill -0 "$SWAY_PID" 2>/dev/null && [ -n "$(sway_socket)" ] \
  || skip "sway did not start: $(tail -3 "$E2E_TMP/sway.log" | tr '\n' ' ')"
export SWAYSOCK=$(sway_socket)
WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v '\.lock$' | head -1)")
export WAYLAND_DISPLAY XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway

wl_screenshot() { if [ $# = 5 ]; then grim -g "$2,$3 $4x$5" "$1"; else grim "$1"; fi; }
# The output is the nested window at the host's origin: host coordinates are
# the output's.
wl_click() { DISPLAY=$HOST_DISPLAY xdotool mousemove "$1" "$2" click 1; }
wl_key() { DISPLAY=$HOST_DISPLAY xdotool key a; }

wait_for 30 sh -c 'swaymsg -t get_outputs | grep -q "\"width\": 1920"' || fail "sway's output is not 1920x1080"
wl_start_window 1920 1080
wait_for 10 sh -c "swaymsg -t get_tree | grep -q '\"fullscreen_mode\": 1'" || fail "sway did not make the native window full screen"

# The program sees what a sway session gives it: Xwayland's display and
# sway's Wayland socket.
wl_use_xwayland sway swaymsg -t get_tree

wl_setup_app "$1"
wl_start_app

wl_check_all sway
