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
    for log in "$E2E_TMP"/*.log; do
      [ -s "$log" ] && { echo "--- $(basename "$log") ---"; tail -n 40 "$log"; }
    done
  fi
  rm -rf "$E2E_TMP"
  exit "$rc"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# start_accessibility_bus: the accessibility bus on the session bus already
# started, and the program's bridge to it switched on.
start_accessibility_bus() {
  local l launcher=""
  for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$l" ] && { launcher=$l; break; }
  done
  [ -n "$launcher" ] || fail "at-spi-bus-launcher is missing: install the Debian package at-spi2-core"
  "$launcher" --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 20 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    || fail "the accessibility bus did not start"
  unset NO_AT_BRIDGE
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# start_session_bus: a private session bus, as a desktop session has one.
start_session_bus() {
  local env
  env=$(dbus-launch --sh-syntax) || fail "no D-Bus session bus could be started"
  eval "$env"
  E2E_PIDS+=("$DBUS_SESSION_BUS_PID")
  export DBUS_SESSION_BUS_ADDRESS
}

# The StatusNotifierItem watcher's property NAME.
sni_watcher_get() {
  gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1"
}
sni_host_registered() { sni_watcher_get IsStatusNotifierHostRegistered | grep -q true; }
# The first item the watcher lists: a bus name, with some watchers a path after it.
sni_item() { sni_watcher_get RegisteredStatusNotifierItems | grep -o "'[^']*'" | head -1 | tr -d "'"; }
# sni_menu SERVICE: the path of the menu the item exports.
sni_menu() {
  gdbus call --session -d "$1" -o /StatusNotifierItem -m org.freedesktop.DBus.Properties.Get \
    org.kde.StatusNotifierItem Menu | grep -o "'/[^']*'" | tr -d "'"
}
# sni_menu_layout SERVICE MENU: the exported menu, as a host reads it.
sni_menu_layout() { gdbus call --session -d "$1" -o "$2" -m com.canonical.dbusmenu.GetLayout -- 0 -1 '@as []'; }

# start_sni_tray HOST_COMMAND...: a StatusNotifierItem tray on the session
# bus: the watcher, then the host (SNI_HOST_PID), waited for until it has
# registered with the watcher.
start_sni_tray() {
  status-notifier-watcher >"$E2E_TMP/watcher.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 20 sni_watcher_get IsStatusNotifierHostRegistered || fail "the watcher did not start"
  "$@" >"$E2E_TMP/host.log" 2>&1 &
  SNI_HOST_PID=$!
  E2E_PIDS+=($SNI_HOST_PID)
  wait_for 20 sni_host_registered || fail "the tray did not register as a host"
}

# wait_for DEADLINE_SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local deadline=$(( $(date +%s%N) / 1000000 + $1 * 1000 )); shift
  while ! "$@" >/dev/null 2>&1; do
    [ $(( $(date +%s%N) / 1000000 )) -lt $deadline ] || return 1
    sleep 0.05
  done
}

# wait_gone DEADLINE_SECONDS COMMAND...: polls until the command fails.
wait_gone() {
  local deadline=$(( $(date +%s%N) / 1000000 + $1 * 1000 )); shift
  while "$@" >/dev/null 2>&1; do
    [ $(( $(date +%s%N) / 1000000 )) -lt $deadline ] || return 1
    sleep 0.05
  done
}

# first_of DEADLINE_SECONDS COMMAND...: polls until the command prints
# something, and prints that. A window the window manager is still framing
# is briefly not viewable, so one look is not enough.
first_of() {
  local deadline=$(( $(date +%s%N) / 1000000 + $1 * 1000 )) out; shift
  while :; do
    out=$("$@" 2>/dev/null) && [ -n "$out" ] && { echo "$out"; return 0; }
    [ $(( $(date +%s%N) / 1000000 )) -lt $deadline ] || return 1
    sleep 0.05
  done
}

# close_with_key KEY COMMAND...: activates the window the command names and
# presses the key, again (up to three times) while the window stays up: on
# a busy machine the key can arrive before the focus does.
close_with_key() {
  local key=$1 id try; shift
  for try in 1 2 3; do
    id=$(first_of 5 "$@") || return 0
    xdotool windowactivate --sync "$id" key "$key" 2>/dev/null || true
    wait_gone 5 "$@" && return 0
  done
  return 1
}

# Starts Xvfb (default 1920x1080) on a display it picks itself: Xvfb takes
# the first free number and reports it, so test runs sharing the machine
# never race for one. -noreset keeps the server whole when its last client
# (the readiness probe) leaves; a reset there can refuse the next client.
start_x() {
  local size="${1:-1920x1080}" n="" try
  for try in 1 2 3; do
    : >"$E2E_TMP/displayfd"
    Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp -ac \
      3>"$E2E_TMP/displayfd" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    E2E_PIDS+=($XVFB_PID)
    if wait_for 30 grep -q '^[0-9]' "$E2E_TMP/displayfd"; then
      n=$(head -1 "$E2E_TMP/displayfd")
      export DISPLAY=":$n"
      wait_for 30 xdpyinfo && return 0
    fi
    kill "$XVFB_PID" 2>/dev/null || true
  done
  fail "could not start Xvfb"
}

x_alive() { kill -0 "$XVFB_PID" 2>/dev/null && xdpyinfo >/dev/null 2>&1; }

wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }

# Ready, or given up: openbox that cannot start exits at once.
wm_settled() { wm_ready || ! kill -0 "$1" 2>/dev/null; }

start_wm() {
  local try pid
  for try in 1 2 3; do
    x_alive || fail "the X server on $DISPLAY is gone"
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    pid=$!
    E2E_PIDS+=($pid)
    wait_for 30 wm_settled "$pid" || true
    wm_ready && kill -0 "$pid" 2>/dev/null && return 0
    kill "$pid" 2>/dev/null || true
    sleep 0.5
  done
  fail "openbox did not start"
}

# A real notification area: trayer owns the system tray selection.
start_tray() {
  trayer --edge top --align right --widthtype request --height 32 --transparent false \
         --SetDockType true --expand false >"$E2E_TMP/trayer.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 30 sh -c 'xdotool search --classname trayer' || fail "trayer did not start"
}

# Copies the executable into a fresh folder with a small library.
# setup_app EXE [FOLDER_NAME]: sets APP_DIR and APP_EXE.
setup_app() {
  APP_DIR="$E2E_TMP/${2:-app}"
  mkdir -p "$APP_DIR/Affirmations/Daily"
  cp "$1" "$APP_DIR/Orvella"
  APP_EXE="$APP_DIR/Orvella"
  printf 'First phrase\r\nSecond phrase\r\nThird phrase\r\n' >"$APP_DIR/Affirmations/Daily/Morning.txt"
  # As the installer does: the default branding record.
  bash "$(dirname "${BASH_SOURCE[0]}")/../../tools/install_branding.sh" "$APP_EXE"
}

start_app() {
  "$APP_EXE" >"$E2E_TMP/orvella.log" 2>&1 &
  APP_PID=$!
  E2E_PIDS+=($APP_PID)
}

# Window ids of the program's visible (mapped) windows whose title matches.
visible_window() { local ids; ids=$(xdotool search --all --onlyvisible --pid "$APP_PID" --name "$1" 2>/dev/null) || return 1; echo "${ids%%$'\n'*}"; }

# The program's icon window inside the notification area.
tray_icon() {
  local tree id
  tree=$(xwininfo -root -tree 2>/dev/null) || return 1
  # The icon is the program's small window embedded in the tray; the main
  # window carries the same class, so tell them apart by size. The class
  # follows the executable's name: Orvella, or orvella when installed.
  id=$(awk 'tolower($0) ~ /\("orvella" "orvella"\)/ && !done {
      split($0, a, /\)  /); split(a[2], g, /[x+]/)
      if (g[1] + 0 <= 64 && g[2] + 0 <= 64) { print $1; done = 1 } }' <<<"$tree")
  [ -n "$id" ] && echo "$id"
}

# The program's main window, when it is mapped (HEIGHT: 491, or taller in
# the no-tray mode).
main_window() {
  local w h="${1:-491}"
  for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
    if [[ "$(xwininfo -id "$w" 2>/dev/null)" == *"Width: 632"*"Height: $h"* ]]; then echo "$w"; return 0; fi
  done
  return 1
}

# Clicks a button at the centre of a window.
click_window() {
  local id=$1 button=${2:-1} x y w h
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x="$4} /Absolute upper-left Y/ {print "y="$4} /Width/ {print "w="$2} /Height/ {print "h="$2}')"
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click "$button"
}

app_alive() { kill -0 "$APP_PID" 2>/dev/null; }

# The phrase window keeps its id while hidden between flashes, so
# phrase_window looks it up mapped or not: a flash may end between two
# commands. visible_phrase and phrase_up look only at a phrase on screen.
phrase_window() { xdotool search --all --pid "$APP_PID" --name '^Phrase' 2>/dev/null | head -1; }
visible_phrase() { xdotool search --all --onlyvisible --pid "$APP_PID" --name '^Phrase' 2>/dev/null | head -1; }
phrase_up() { [ -n "$(visible_phrase)" ]; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
depth() { xwininfo -id "$1" | awk '/Depth:/{print $NF}'; }
geometry() { # prints X Y W H of a window
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# The splash window (327 x 102) while it is mapped.
splash_window() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
    if [[ "$(xwininfo -id "$w" 2>/dev/null)" == *"Width: 327"* ]]; then echo "$w"; return 0; fi
  done
  return 1
}

# Starts the program and waits until its icon docked and the splash is gone.
start_app_docked() {
  start_app
  wait_for 20 tray_icon || fail "the icon did not dock"
  wait_gone 20 splash_window || fail "splash still up"
}

# The tray menu while it is open: the program's small popup window.
menu_window() {
  local w info
  for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
    info=$(xwininfo -id "$w" 2>/dev/null) || continue
    [[ "$info" == *'"Phrase"'* ]] && continue # a flashing phrase, not the menu
    local width=$(awk '/Width/ {print $2}' <<<"$info") height=$(awk '/Height/ {print $2}' <<<"$info")
    if [ "$width" -gt 60 ] && [ "$width" -lt 400 ] && [ "$height" -gt 40 ] && [ "$height" -lt 200 ]; then
      echo "$w"; return 0
    fi
  done
  return 1
}

# What the program has on screen, for failure messages.
program_windows() {
  local w
  for w in $(xdotool search --all --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
    xwininfo -id "$w" 2>/dev/null | awk -v w="$w" '/Width/ {wd=$2} /Height/ {h=$2} /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
      END {printf "[%s %sx%s+%s+%s] ", w, wd, h, x, y}'
  done
  echo "pointer: $(xdotool getmouselocation 2>/dev/null)"
}

# hide_main_window: closes the main window with Alt+F4 and waits until the
# window manager has let go of it (and moved the focus), so the next step
# meets a settled desktop.
hide_main_window() {
  local w hex
  w=$(first_of 5 main_window) || fail "no main window to close"
  hex=$(printf '0x%x' "$w")
  close_with_key alt+F4 main_window || return 1
  wait_gone 10 sh -c "xprop -root _NET_CLIENT_LIST | grep -qiw $hex"
}

# menu_choose FRACTION: opens the tray menu and clicks the item at that
# fraction of its height (Settings 0.15, Pause Messages 0.45, Exit 0.85).
# A menu that closes again at once (seen on a busy machine right after the
# main window closed) is opened again, up to three times.
menu_choose() {
  local m x y w h try
  for try in 1 2 3; do
    click_window "$(tray_icon)" 3
    wait_for 5 menu_window && break
    echo "note: the tray menu did not stay open (try $try)"
  done
  menu_window >/dev/null || fail "the tray menu did not open; the program's windows: $(program_windows)"
  m=$(menu_window)
  eval "$(xwininfo -id "$m" | awk '/Absolute upper-left X/ {print "x="$4} /Absolute upper-left Y/ {print "y="$4} /Width/ {print "w="$2} /Height/ {print "h="$2}')"
  local fy
  fy=$(awk -v h="$h" -v f="$1" 'BEGIN {printf "%d", h * f}')
  xdotool mousemove --sync $((x + w / 2)) $((y + fy))
  sleep 0.2
  xdotool click 1
}
