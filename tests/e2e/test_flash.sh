#!/usr/bin/env bash
# A ticked list flashes its phrases in order, each cut to the shape of its
# letters in the font colour at the chosen opacity (with no compositing
# manager, under picom and under xcompmgr, and on a desktop scaled by 2),
# without taking the focus or the clicks, and gone after the display time.
source "$ORVELLA_E2E_LIB"
source "$(dirname "${BASH_SOURCE[0]}")/flash_lib.sh"

start_x 1920x1080
start_wm
start_tray
setup_app "$1"
flash_settings
flash_references
start_probe_window "no compositing manager"

start_app_docked
FOCUS_BEFORE="$(xdotool getwindowfocus)"

wait_for 20 phrase_up || fail "no phrase was flashed"
WIN="$(phrase_window)" && [ -n "$WIN" ] || fail "the phrase window cannot be found"

# Shape and colour: a screenshot taken while the phrase shows has the glyphs
# in the ink blended over the window beneath at the set opacity (within 3
# per channel) and the window beneath everywhere else. SCALE: the desktop's
# scale factor; the phrase is centred on its logical screen of 1920 x 1080.
check_look() {
  local label=$1 scale=${2:-1} shot_ok="" attempt x y w h name diff cx cy
  for attempt in 1 2 3 4 5 6; do
    wait_for 10 mapped "$WIN" || fail "the phrase window does not come back ($label)"
    read -r x y w h <<<"$(geometry "$WIN")"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_TMP/shot.png"
    mapped "$WIN" || { wait_for 10 sh -c "! xwininfo -id $WIN | grep -q IsViewable"; continue; }
    name="${WIDTH_OF[$w]:-}"
    [ -n "$name" ] || fail "the phrase window is $w pixels wide, which fits no phrase of the list ($label)"
    cx=$(( scale * (1920 / scale / 2 - w / scale / 2) )); cy=$(( scale * (1080 / scale / 2 - h / scale / 2) ))
    [ "$x" -eq "$cx" ] && [ "$y" -eq "$cy" ] || fail "phrase at $x,$y is not centred at $cx,$cy ($label)"
    [ $(( x + w )) -le 1920 ] && [ $(( y + h )) -le 1080 ] || fail "phrase $w x $h at $x,$y leaves the screen ($label)"
    diff="$("$PROBE" compare "$E2E_TMP/ref-$name.png" "$E2E_TMP/shot.png" 3)" || fail "screenshot: $diff ($label)"
    [ "$diff" -le $(( w * h / 200 )) ] || {
      fail "'$name phrase' differs from its reference in $diff of $((w*h)) pixels ($label)"; }
    echo "compare ($label): $diff differing pixels of $((w*h)) for '$name phrase'"
    shot_ok=1; break
  done
  [ -n "$shot_ok" ] || fail "no screenshot could be taken while a phrase showed ($label)"
}
# Prints the window's opacity property, empty when it has none.
opacity_property() { xprop -id "$1" _NET_WM_WINDOW_OPACITY | awk '/=/{print $NF}'; }

check_look "no compositing manager"
pass "the phrase shows its glyphs at the set opacity over the desktop, with no compositing manager"
[ -z "$(opacity_property "$WIN")" ] || fail "without a compositing manager the opacity belongs in the picture, not the window"
[ "$(depth "$WIN")" = 24 ] || fail "without a compositing manager the phrase window is $(depth "$WIN") bits deep, not 24"

# A click on a glyph reaches the window beneath.
click_glyph "$WIN" "no compositing manager"
pass "clicks pass through the phrase"

[ "$(xdotool getwindowfocus)" = "$FOCUS_BEFORE" ] || fail "the focus moved from $FOCUS_BEFORE to $(xdotool getwindowfocus)"
[ "$FOCUS_BEFORE" != "$WIN" ] || fail "the phrase window holds the focus"
pass "the focus stays where it was"

# Gone after the display time (700 ms), timed from map to unmap. The longest
# flash shows none is cut short, the shortest that the hide timer ends them,
# not some later event; one flash undisturbed by a busy machine is enough
# for each bound.
times="$(timeout 60 "$PROBE" shown 4)" || fail "the flashes could not be timed"
read -r shortest longest <<<"$(awk '{print $2}' <<<"$times" | sort -n | sed -n '1p;$p' | xargs)"
echo "flashes shown for $(awk '{printf "%s ms ", $2}' <<<"$times")"
[ "$longest" -ge 650 ] || fail "every phrase went before its display time of 700 ms (longest $longest ms)"
[ "$shortest" -le 1400 ] || fail "no phrase went at its display time of 700 ms (shortest $shortest ms)"
pass "each phrase shows for its display time"

# Order and hiding: each flash ends, and the next one is the next phrase.
seq=()
prev=""
for flash in 1 2 3 4; do
  wait_for 10 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "phrase still shown long after its display time"
  wait_for 10 mapped "$WIN" || fail "the next phrase did not come"
  read -r x y w h <<<"$(geometry "$WIN")"
  seq+=("${WIDTH_OF[$w]:-?}")
done
order="First Second Third"
got="${seq[*]}"
case "$order $order" in
  *"$got"*) pass "phrases come in list order: $got" ;;
  *) fail "phrases out of order: $got" ;;
esac

# Under a compositing manager the window has per-pixel alpha (32 bits, the
# glyphs at the set opacity, the rest clear) and no opacity of its own: the
# composited screen shows the same blend over the window beneath. The
# window of that kind replaces the opaque one, and the opaque one returns
# when the compositor goes.
"$PROBE" compositing && fail "a compositing manager runs before one was started"
for cm in "picom --backend xrender --config /dev/null" "xcompmgr" ""; do
  label="${cm%% *}"
  if [ -n "$cm" ]; then
    $cm >"$E2E_TMP/$label.log" 2>&1 &
    CM_PID=$!
    E2E_PIDS+=($CM_PID)
    wait_for 20 "$PROBE" compositing || fail "$label did not take the compositing manager selection"
  else
    label="no compositing manager again"
  fi
  # A phrase that started before the change may still show the old way.
  wait_for 10 sh -c "! xwininfo -id $WIN 2>/dev/null | grep -q IsViewable"
  WIN="$(first_of 20 visible_phrase)" || fail "no phrase was flashed ($label)"
  want_depth=32; [ -n "$cm" ] || want_depth=24
  [ "$(depth "$WIN")" = "$want_depth" ] || fail "the phrase window is $(depth "$WIN") bits deep, not $want_depth ($label)"
  check_look "$label"
  [ -z "$(opacity_property "$WIN")" ] || fail "the window carries an opacity of its own ($label): the contrast would apply twice"
  pass "$label: a window of $want_depth bits, the glyphs at the set opacity over what is beneath, the rest clear"
  if [ -n "$cm" ]; then
    kill "$CM_PID"; wait "$CM_PID" 2>/dev/null || true
    wait_for 20 sh -c "! '$PROBE' compositing" || fail "$label did not let go of the selection"
  fi
done

# A desktop scaled by 2: the glyphs are drawn at its resolution and the
# shape matches them pixel for pixel; the phrase stays on the screen.
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
export QT_SCALE_FACTOR=2
flash_references
start_app_docked
wait_for 20 phrase_up || fail "no phrase was flashed at scale 2"
WIN="$(phrase_window)" && [ -n "$WIN" ] || fail "the phrase window cannot be found at scale 2"
check_look "scale 2" 2
pass "at scale 2 the shape matches the glyphs pixel for pixel and the phrase stays on the screen"
