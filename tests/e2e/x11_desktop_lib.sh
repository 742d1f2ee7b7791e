# The checks shared by the tests on real X11 desktops with their own
# compositor: the desktop's window manager is started by the test, then
# desktop_checks flashes phrases over a full-screen window that holds the
# focus and looks at the composited screen.
PROBE="${ORVELLA_FLASH_PROBE:-$(dirname "$1")/../tests/flash_probe}"
[ -x "$PROBE" ] || fail "flash_probe not found (set ORVELLA_FLASH_PROBE)"

FONT="DejaVu Sans"; SIZE=28
COLOUR=10494207           # 00BBGGRR: red 255, green 32, blue 160
BACK="40,90,160"
OPACITY=50

skip() { echo "skipped: $*"; exit 77; }

# A private session bus, as a desktop session has one.
start_session_bus() {
  eval "$(dbus-launch --sh-syntax)" || skip "no D-Bus session bus could be started"
  E2E_PIDS+=("$DBUS_SESSION_BUS_PID")
}

# desktop_up NAME PID: waits for the window manager and its compositor, or
# skips with the reason when the desktop cannot start here.
desktop_up() {
  local name=$1 pid=$2
  wait_for 30 sh -c "! kill -0 $pid || xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || true
  kill -0 "$pid" 2>/dev/null || skip "$name did not start: $(tail -n 3 "$E2E_TMP/$name.log" | tr '\n' ' ')"
  wait_for 30 "$PROBE" compositing || skip "$name runs but composites nothing on this X server"
}

depth() { xwininfo -id "$1" | awk '/Depth:/{print $NF}'; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}
visible_phrase() { xdotool search --all --onlyvisible --pid "$APP_PID" --name '^Phrase' 2>/dev/null | head -1; }

# desktop_checks LABEL: the phrase is letter-shaped with its glyphs at the
# contrast's blend over the full-screen window beneath (read from the
# composited screen), a click on a glyph reaches that window, and the focus
# stays with it.
desktop_checks() {
  local label=$1 p out info w h ix iy
  declare -gA WIDTH_OF=() INK_OF=()
  for p in "First phrase" "Second phrase" "Third phrase"; do
    out="$E2E_TMP/ref-${p%% *}.png"
    info="$("$PROBE" render "$out" "$p" "$FONT" "$SIZE" "$COLOUR" "$BACK" "$OPACITY")" || fail "reference of '$p' not rendered"
    read -r _ w h <<<"$(grep '^size' <<<"$info")"
    read -r _ ix iy <<<"$(grep '^ink' <<<"$info")"
    WIDTH_OF[$w]="${p%% *}"; INK_OF[${p%% *}]="$ix $iy"
  done
  [ ${#WIDTH_OF[@]} -eq 3 ] || fail "the three phrases need different widths to be told apart"

  setup_app "$APP_SOURCE"
  printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nFontName=%s\r\nTextColor=%s\r\nSize=%s\r\nDisplayTime=700\r\nDisplayFreq=1\r\nOpacity=%s\r\nPosition=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
    "$FONT" "$COLOUR" "$SIZE" "$OPACITY" >"$APP_DIR/Orvella.ini"

  "$PROBE" window "$BACK" >"$E2E_TMP/clicks.log" 2>&1 &
  E2E_PIDS+=($!)
  local probe_win
  probe_win="$(first_of 20 sh -c 'xdotool search --onlyvisible --name "^Flash probe" | head -1')" || fail "probe window did not map ($label)"
  xdotool windowactivate --sync "$probe_win" 2>/dev/null || true
  wait_for 10 sh -c "[ \"\$(xdotool getwindowfocus)\" = $probe_win ]" || fail "the full-screen window did not get the focus ($label)"
  read -r _ _ w h <<<"$(geometry "$probe_win")"
  [ "$w x $h" = "1920 x 1080" ] || fail "the probe window is $w x $h, not full screen ($label)"

  start_app_docked
  local focus_before win x y name diff done_look="" clicked="" attempt cx cy
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

  for attempt in 1 2 3 4 5 6; do
    wait_for 10 sh -c "! xwininfo -id $win | grep -q IsViewable" || fail "the phrase is not hidden ($label)"
    wait_for 10 mapped "$win" || fail "the phrase window does not come back ($label)"
    read -r x y w h <<<"$(geometry "$win")"
    name="${WIDTH_OF[$w]:-}"
    [ -n "$name" ] || fail "the phrase window is $w pixels wide, which fits no phrase of the list ($label)"
    read -r ix iy <<<"${INK_OF[$name]}"
    cx=$(( x + ix )); cy=$(( y + iy ))
    xdotool mousemove "$cx" "$cy" click 1
    if mapped "$win"; then
      wait_for 5 grep -q "press $cx $cy" "$E2E_TMP/clicks.log" || fail "a click on a glyph at $cx,$cy did not reach the window beneath ($label)"
      clicked=1; break
    fi
  done
  [ -n "$clicked" ] || fail "no click could be made while a phrase showed ($label)"
  pass "$label: a click on a glyph reaches the window beneath"

  [ "$(xdotool getwindowfocus)" = "$focus_before" ] || fail "the focus moved from $focus_before to $(xdotool getwindowfocus) ($label)"
  [ "$focus_before" = "$probe_win" ] || fail "the full-screen window lost the focus when the program started ($label)"
  pass "$label: the focus stays with the full-screen window"
}
