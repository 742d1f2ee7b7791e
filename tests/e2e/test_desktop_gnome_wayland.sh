#!/usr/bin/env bash
# GNOME Shell on Wayland (Debian's default session), headless with a virtual
# monitor: the phrase, which reaches GNOME through Xwayland, shows
# letter-shaped at its contrast above a full-screen native Wayland window,
# lets a click on a glyph through to it and leaves it the focus. Screenshots
# and input go through the shell's own D-Bus services.
source "$(dirname "$0")/wayland_lib.sh"
wl_private_namespace "$@"
wl_as_ordinary_user "$@"
command -v gnome-shell >/dev/null || skip "gnome-shell is not installed"
PY=/usr/bin/python3
"$PY" -c 'from gi.repository import Gio' 2>/dev/null || skip "python3-gi is not installed"

source "$ORVELLA_E2E_LIB"
unset QT_QPA_PLATFORM DISPLAY

# The shell wants a system bus; a private one is enough.
dbus-daemon --session --nofork --address="unix:path=$E2E_TMP/system_bus" >"$E2E_TMP/system-bus.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 20 test -S "$E2E_TMP/system_bus" || fail "the private system bus did not start"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$E2E_TMP/system_bus"
start_session_bus

# The desktop's own tray (the AppIndicator extension), no hot corner for the
# pointer to trip over.
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com']"
gsettings set org.gnome.desktop.interface enable-hot-corners false
# Notification banners (the program says it is running) drop in at the top
# of the screen, where the phrase finder would take them for a wrong phrase.
gsettings set org.gnome.desktop.notifications show-banners false

export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
gnome-shell --headless --wayland --wayland-display wayland-gnome --virtual-monitor 1920x1080 \
  >"$E2E_TMP/gnome-shell.log" 2>&1 &
SHELL_PID=$!
E2E_PIDS+=($SHELL_PID)
export WAYLAND_DISPLAY=wayland-gnome
shell_up() {
  ! kill -0 "$SHELL_PID" 2>/dev/null || gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell \
    -m org.freedesktop.DBus.Properties.Get org.gnome.Shell ShellVersion
}
wait_for 90 shell_up || true
kill -0 "$SHELL_PID" 2>/dev/null || skip "gnome-shell did not start: $(tail -3 "$E2E_TMP/gnome-shell.log" | tr '\n' ' ')"
shell_up || fail "gnome-shell did not come up on the session bus"

coproc GNOME { exec "$PY" "$(dirname "$(readlink -f "$0")")/probes/gnome_session.py" 2>"$E2E_TMP/gnome-session.log"; }
E2E_PIDS+=($GNOME_PID)
read -r -t 60 answer <&"${GNOME[0]}" && [ "$answer" = ready ] || fail "the screenshot and input helper: $answer"
gnome() {
  local answer
  echo "$*" >&"${GNOME[1]}"
  read -r -t 60 answer <&"${GNOME[0]}" || { echo "no answer" >&2; return 1; }
  [ "$answer" = ok ] || { echo "$answer" >&2; return 1; }
}
wl_screenshot() { gnome shot "$@"; }
wl_click() { gnome click "$1" "$2"; }
wl_key() { gnome key 30; }
WL_SKIP_TOP=0

# The shell opens on its overview, which holds the keyboard; a session
# starts with it closed as soon as a window is worked in.
overview() { gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell -m org.freedesktop.DBus.Properties.$1 org.gnome.Shell OverviewActive "${@:2}"; }
overview_closed() { overview Set '<false>' && overview Get | grep -q false; }
wait_for 30 overview_closed || fail "the shell's overview did not close: $(overview Get 2>&1)"
gnome input || fail "the shell's remote desktop session did not start"
wl_start_window 1920 1080

# The shell's Xwayland: the only X server in this namespace.
xwayland_display() { ls /tmp/.X11-unix 2>/dev/null | sed -n 's/^X//p' | head -1; }
XW=$(first_of 60 xwayland_display) || fail "the shell started no Xwayland"
export DISPLAY=":$XW"
xwayland_auth() { ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -1; }
XAUTHORITY=$(first_of 30 xwayland_auth) || fail "the shell prepared no Xwayland"
export XAUTHORITY
wait_for 60 xdpyinfo || fail "the shell's Xwayland does not answer on $DISPLAY"
wl_reference "$DISPLAY"

wl_setup_app "$1"
wl_start_app

wl_check_all "GNOME Wayland"
