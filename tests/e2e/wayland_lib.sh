# Shared part of the desktop tests: the real program on a real Wayland
# compositor, over a native full-screen Wayland window that logs the clicks,
# keys and focus reaching it. Sourced by tests/e2e/test_desktop_*.sh, which
# pass the program's executable as $1.
#
# Every compositor runs in its own mount and network namespace with a
# private /tmp: they all take the first free X display for Xwayland and an
# abstract socket with it, which must not meet another test's.
#
# ORVELLA_WL_KEEP=DIR (a folder the ordinary user may write) keeps there the
# screenshot that failed a check, for a look at what the desktop showed.

# skip REASON: the stack cannot start here; ctest counts it as skipped.
skip() { echo "SKIP: $*"; exit 77; }

# wl_private_namespace ARGS...: runs this script again inside new namespaces,
# with a fresh /tmp that holds only the folders the test needs.
wl_private_namespace() {
  [ -n "${ORVELLA_WL_INSIDE:-}" ] && return 0
  command -v unshare >/dev/null || skip "unshare is missing"
  unshare --mount --net true 2>/dev/null || skip "mount and network namespaces are refused here"
  export ORVELLA_WL_INSIDE=1
  local here; here=$(dirname "$(readlink -f "$0")")
  ORVELLA_KEEP="$here:$(readlink -f "$1"):$ORVELLA_E2E_LIB:$ORVELLA_FLASH_PROBE:$ORVELLA_WAYLAND_WINDOW:$ORVELLA_PHRASE_FIND" \
    exec unshare --mount --net bash "$here/private_tmp_lib.sh" bash -c 'ip link set lo up 2>/dev/null || true; exec bash "$@"' \
    bash "$(readlink -f "$0")" "$@"
}

# wl_as_ordinary_user ARGS...: runs this script again as an ordinary user
# when started as root: sway refuses root, and a shell run as root says so
# in a banner over the screen.
wl_as_ordinary_user() {
  [ "$(id -u)" = 0 ] || return 0
  id nobody >/dev/null 2>&1 || skip "no ordinary user to run the desktop as"
  local f
  for f in "$1" "$ORVELLA_E2E_LIB" "$ORVELLA_FLASH_PROBE" "$ORVELLA_WAYLAND_WINDOW" "$ORVELLA_PHRASE_FIND"; do
    setpriv --reuid=nobody --regid=nogroup --clear-groups test -r "$f" \
      || skip "the ordinary user cannot read $f"
  done
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups bash "$(readlink -f "$0")" "$@"
}

# wl_start_host: the X server the desktop runs on (HOST_DISPLAY), the
# reference picture rendered there, and a private session bus.
wl_start_host() {
  unset QT_QPA_PLATFORM
  start_x 1920x1080
  HOST_DISPLAY=$DISPLAY
  wl_reference "$HOST_DISPLAY"
  start_session_bus
}

# wl_use_xwayland DESKTOP [READY...]: makes the desktop's Xwayland (the X
# display that is not the host's, looked for once READY succeeds) the
# program's DISPLAY; skips when it does not answer.
wl_use_xwayland() {
  local desktop=$1 xw; shift
  xw=$(first_of 30 wl_xwayland_display "$@") || fail "$desktop's Xwayland did not start"
  export DISPLAY=":$xw"
  wait_for 30 xdpyinfo || skip "$desktop's Xwayland does not answer"
}
wl_xwayland_display() {
  [ $# = 0 ] || "$@" >/dev/null || return 1
  ls /tmp/.X11-unix | sed -n 's/^X//p' | grep -vx "${HOST_DISPLAY#:}" | head -1
}

# wl_start_app: starts the program and waits until its icon is in the tray
# and its splash has gone.
wl_start_app() {
  start_app
  wait_for 60 wl_icon_registered || fail "the program's icon did not reach the tray: $(sni_watcher_get RegisteredStatusNotifierItems 2>&1)"
  wait_gone 30 splash_window || fail "the splash is still up"
}

# The phrase: one line, large enough that its letters have insides to click.
WL_PHRASE="Calm and clear"
WL_FONT="DejaVu Sans"; WL_SIZE=56
WL_COLOUR=10494207        # 00BBGGRR: red 255, green 32, blue 160
WL_BACK="40,90,160"
WL_OPACITY=128
# Between two flashes the phrase stays hidden for its interval (1 s).
WL_GAP_MS=1000

# wl_setup_app EXE: the program in a temporary folder with one list of one
# phrase, centred, shown for the longest time every second.
wl_setup_app() {
  setup_app "$1"
  printf '%s\r\n' "$WL_PHRASE" >"$APP_DIR/Affirmations/Daily/Morning.txt"
  printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nFontName=%s\r\nTextColor=%s\r\nSize=%s\r\nDisplayTime=700\r\nDisplayFreq=1\r\nOpacity=%s\r\nPosition=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
    "$WL_FONT" "$WL_COLOUR" "$WL_SIZE" "$WL_OPACITY" >"$APP_DIR/Orvella.ini"
}

# wl_reference X_DISPLAY: renders the picture the phrase must leave over the
# probe's colour; sets WL_INK to a glyph pixel of it.
wl_reference() {
  local info
  info=$(DISPLAY="$1" QT_QPA_PLATFORM=xcb "$ORVELLA_FLASH_PROBE" render "$E2E_TMP/ref.png" "$WL_PHRASE" \
    "$WL_FONT" "$WL_SIZE" "$WL_COLOUR" "$WL_BACK" "$WL_OPACITY") || fail "the reference picture was not rendered"
  WL_INK=$(awk '/^ink/ {print $2 "," $3}' <<<"$info")
  [ -n "$WL_INK" ] || fail "the reference has no glyph pixel"
}

# Some watchers list a bus name alone, others a name with a path.
wl_icon_registered() { sni_watcher_get RegisteredStatusNotifierItems | grep -q "'"; }

# wl_start_window: the native full-screen window beneath, on $WAYLAND_DISPLAY.
# Waits until its first full-screen frame is shown and it has the focus.
wl_start_window() {
  local w=$1 h=$2
  "$ORVELLA_WAYLAND_WINDOW" "$WL_BACK" >"$E2E_TMP/window.log" 2>"$E2E_TMP/window-err.log" &
  WL_WINDOW_PID=$!
  E2E_PIDS+=($WL_WINDOW_PID)
  wait_for 30 grep -q "^shown $w $h" "$E2E_TMP/window.log" \
    || fail "the native window did not show full screen at ${w}x${h}: $(tr '\n' ' ' <"$E2E_TMP/window.log") $(cat "$E2E_TMP/window-err.log")"
  wait_for 30 grep -q '^focus in' "$E2E_TMP/window.log" || fail "the native window did not get the focus"
}

# The native window's last focus line: "focus in" while it holds the focus.
wl_window_focus() { grep '^focus' "$E2E_TMP/window.log" | tail -1; }

# wl_find SHOT [TOP]: looks for the phrase in a screenshot, passing over
# its TOP rows (default WL_SKIP_TOP, a bar); sets WL_FOUND to the finder's
# report. Returns the finder's status (0: the phrase, right).
wl_find() {
  local rc=0
  WL_FOUND=$("$ORVELLA_PHRASE_FIND" "$E2E_TMP/ref.png" "$1" "$WL_BACK" 3 "$WL_INK" "${2:-${WL_SKIP_TOP:-0}}" 0) || rc=$?
  return $rc
}

# wl_shot_phrase: takes screenshots (with the desktop's wl_screenshot FILE
# [X Y W H], the whole screen or that part)
# until one shows the phrase; fails on a phrase that looks wrong.
wl_shot_phrase() {
  local attempt rc
  for attempt in $(seq 1 40); do
    wl_screenshot "$E2E_TMP/shot.png" || fail "the compositor's screenshot failed"
    rc=0; wl_find "$E2E_TMP/shot.png" || rc=$?
    case $rc in
      0) return 0 ;;
      1) ;;
      *) [ -n "${ORVELLA_WL_KEEP:-}" ] && cp "$E2E_TMP/shot.png" "$ORVELLA_WL_KEEP/wrong-$(basename "$0" .sh).png"
         fail "the phrase on the screen is not its letters at the contrast's blend: $(tr '\n' ' ' <<<"$WL_FOUND")" ;;
    esac
  done
  [ -n "${ORVELLA_WL_KEEP:-}" ] && cp "$E2E_TMP/shot.png" "$ORVELLA_WL_KEEP/none-$(basename "$0" .sh).png"
  fail "no screenshot showed a phrase above the full-screen native window"
}

# The reference picture's width and height.
wl_ref_size() { identify -format '%w %h' "$E2E_TMP/ref.png"; }

# wl_field NAME: a line of the finder's report, without its name.
wl_field() { awk -v n="$1" '$1 == n {$1 = ""; sub(/^ /, ""); print}' <<<"$WL_FOUND"; }

# wl_check_all DESKTOP: the four checks, with the desktop's wl_screenshot,
# wl_click X Y and wl_key (types "a", evdev code 30).
wl_check_all() {
  local desktop=$1 x y presses attempt clicked=""
  wl_shot_phrase
  echo "measured on $desktop: glyph $(wl_field glyph), expected blend $(wl_field want);" \
    "inside the letters $(wl_field inside | awk '{print $1 " of " $2}') off, outside $(wl_field outside | awk '{print $1 " of " $2}') off"
  pass "$desktop: the phrase is letter-shaped with its glyphs at the contrast's blend over a full-screen native window"

  # Every click on a glyph's place reaches the window beneath, whether the
  # phrase shows or not (nor as it comes or goes). Each click is made as
  # soon as a screenshot of the phrase's place shows it, until one certainly
  # fell on the phrase: a screenshot just after shows it too, with less time
  # between the two than the pause between two flashes (WL_GAP_MS).
  local arrived span area before after start look
  read -r x y <<<"$(wl_field click)"
  area="$(wl_field at) $(wl_ref_size)"
  for attempt in $(seq 1 20); do
    presses=$(grep -c '^press' "$E2E_TMP/window.log" || true)
    before=0
    for look in $(seq 1 100); do
      start=$(date +%s%N)
      wl_screenshot "$E2E_TMP/before.png" $area || fail "the compositor's screenshot failed"
      wl_find "$E2E_TMP/before.png" 0 && { before=1; break; }
    done
    [ "$before" = 1 ] || fail "$desktop: the phrase no longer shows over the full-screen window"
    wl_click "$x" "$y"
    wl_screenshot "$E2E_TMP/after.png" $area || fail "the compositor's screenshot failed"
    span=$(( ($(date +%s%N) - start) / 1000000 ))
    after=0
    wl_find "$E2E_TMP/after.png" 0 && after=1
    arrived=0
    wait_for 5 sh -c "[ \$(grep -c '^press' '$E2E_TMP/window.log') -gt $presses ]" && arrived=1
    echo "click $attempt at $x,$y: phrase seen after it $after, $span ms from the screenshot before; arrived $arrived"
    [ "$arrived" = 1 ] \
      || fail "$desktop: a click on the phrase's glyph at $x,$y, made as the phrase showed, did not reach the native window beneath"
    grep '^press' "$E2E_TMP/window.log" | tail -1 | grep -q "^press $x $y$" \
      || fail "$desktop: the click meant for $x,$y arrived as '$(grep '^press' "$E2E_TMP/window.log" | tail -1)'"
    if [ "$after" = 1 ] && [ "$span" -lt "$WL_GAP_MS" ]; then clicked=1; break; fi
  done
  [ -n "$clicked" ] || fail "$desktop: no click could be made while the phrase showed"
  pass "$desktop: a click on a glyph reaches the native window beneath"

  [ "$(wl_window_focus)" = "focus in" ] || fail "$desktop: the native window lost the focus to the phrase"
  wl_key
  wait_for 10 grep -q '^key 30$' "$E2E_TMP/window.log" || fail "$desktop: a key typed after the phrases did not reach the native window"
  [ "$(wl_window_focus)" = "focus in" ] || fail "$desktop: the focus moved while the phrases showed"
  pass "$desktop: the focus stays with the native window"
}
