# The checks shared by the tests on real X11 desktops with their own
# compositor: start_desktop starts the desktop's window manager, then
# desktop_checks flashes phrases over a full-screen window that holds the
# focus and looks at the composited screen. Sourced after lib.sh, with the
# program's executable as $1.
source "$(dirname "${BASH_SOURCE[0]}")/flash_lib.sh"
APP_SOURCE=$1

skip() { echo "skipped: $*"; exit 77; }

# start_desktop COMMAND ARGS...: the X server, a session bus and the
# desktop's window manager with its compositor, started as the desktop
# starts them (its log COMMAND.log); skips when it is not installed or
# cannot run here.
start_desktop() {
  command -v "$1" >/dev/null || skip "$1 is not installed"
  start_x 1920x1080
  start_session_bus
  "$@" >"$E2E_TMP/$1.log" 2>&1 &
  E2E_PIDS+=($!)
  desktop_up "$1" $!
}

# desktop_up NAME PID: waits for the window manager and its compositor, or
# skips with the reason when the desktop cannot start here.
desktop_up() {
  local name=$1 pid=$2
  wait_for 30 sh -c "! kill -0 $pid || xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || true
  kill -0 "$pid" 2>/dev/null || skip "$name did not start: $(tail -n 3 "$E2E_TMP/$name.log" | tr '\n' ' ')"
  wait_for 30 "$PROBE" compositing || skip "$name runs but composites nothing on this X server"
}

# desktop_checks LABEL: the phrase is letter-shaped with its glyphs at the
# contrast's blend over the full-screen window beneath (read from the
# composited screen), a click on a glyph reaches that window, and the focus
# stays with it.
desktop_checks() {
  local label=$1 w h
  flash_references
  setup_app "$APP_SOURCE"
  flash_settings

  start_probe_window "$label"
  read -r _ _ w h <<<"$(geometry "$PROBE_WIN")"
  [ "$w x $h" = "1920 x 1080" ] || fail "the probe window is $w x $h, not full screen ($label)"

  start_app_docked
  local focus_before win x y name diff done_look="" attempt
  focus_before="$(xdotool getwindowfocus)"
  win="$(first_of 20 visible_phrase)" || fail "no phrase was flashed ($label)"
  [ "$(depth "$win")" = 32 ] || fail "the phrase window is $(depth "$win") bits deep, not 32 ($label)"

  for attempt in $(seq 1 10); do
    wait_for 10 mapped "$win" || fail "the phrase window does not come back ($label)"
    read -r x y w h <<<"$(geometry "$win")"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_TMP/shot.png"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_TMP/shot2.png"
    mapped "$win" || { wait_for 10 sh -c "! xwininfo -id $win | grep -q IsViewable"; continue; }
    # A compositor still drawing the phrase in (a fade, a frame not yet
    # composed) shows a picture that changes: only a steady one is judged.
    if [ "$("$PROBE" compare "$E2E_TMP/shot.png" "$E2E_TMP/shot2.png" 3 2>/dev/null || echo x)" != 0 ]; then
      wait_for 10 sh -c "! xwininfo -id $win | grep -q IsViewable"; continue
    fi
    name="${WIDTH_OF[$w]:-}"
    [ -n "$name" ] || fail "the phrase window is $w pixels wide, which fits no phrase of the list ($label)"
    diff="$("$PROBE" compare "$E2E_TMP/ref-$name.png" "$E2E_TMP/shot.png" 3)" || fail "screenshot: $diff ($label)"
    "$PROBE" pixel "$E2E_TMP/shot.png" ${INK_OF[$name]} >"$E2E_TMP/glyph.txt" || true
    echo "$label: '$name phrase' differs from the expected blend in $diff of $((w*h)) pixels; glyph $(cat "$E2E_TMP/glyph.txt"), expected $("$PROBE" pixel "$E2E_TMP/ref-$name.png" ${INK_OF[$name]})"
    [ "$diff" -le $(( w * h / 200 )) ] || fail "'$name phrase' differs from its reference in $diff of $((w*h)) pixels ($label)"
    done_look=1; break
  done
  [ -n "$done_look" ] || fail "no screenshot could be taken while a phrase showed ($label)"
  pass "$label: the phrase is letter-shaped, its glyphs at the contrast's blend over the full-screen window"

  click_glyph "$win" "$label"
  pass "$label: a click on a glyph reaches the window beneath"

  [ "$(xdotool getwindowfocus)" = "$focus_before" ] || fail "the focus moved from $focus_before to $(xdotool getwindowfocus) ($label)"
  [ "$focus_before" = "$PROBE_WIN" ] || fail "the full-screen window lost the focus when the program started ($label)"
  pass "$label: the focus stays with the full-screen window"
}
