#!/usr/bin/env bash
# A ticked list flashes its phrases in order, each cut to the shape of its
# letters in the font colour, translucent, without taking the focus or the
# clicks, and gone after the display time.
source "$ORVELLA_E2E_LIB"
PROBE="${ORVELLA_FLASH_PROBE:-$(dirname "$1")/../tests/flash_probe}"
[ -x "$PROBE" ] || fail "flash_probe not found (set ORVELLA_FLASH_PROBE)"

FONT="DejaVu Sans"; SIZE=28
COLOUR=10494207           # 00BBGGRR: red 255, green 32, blue 160
INK="255,32,160"; BACK="40,90,160"
OPACITY=50

start_x 1920x1080
start_wm
start_tray
setup_app "$1"
printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nFontName=%s\r\nTextColor=%s\r\nSize=%s\r\nDisplayTime=700\r\nDisplayFreq=1\r\nOpacity=%s\r\nPosition=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
  "$FONT" "$COLOUR" "$SIZE" "$OPACITY" >"$APP_DIR/Orvella.ini"

# The reference pictures of the three phrases, over the probe window's colour.
declare -A WIDTH_OF
for p in "First phrase" "Second phrase" "Third phrase"; do
  out="$E2E_TMP/ref-${p%% *}.png"
  info="$("$PROBE" render "$out" "$p" "$FONT" "$SIZE" "$COLOUR" "$BACK")" || fail "reference of '$p' not rendered"
  read -r _ w h <<<"$(grep '^size' <<<"$info")"
  read -r _ ix iy <<<"$(grep '^ink' <<<"$info")"
  WIDTH_OF[$w]="${p%% *}"
  eval "INK_${p%% *}='$ix $iy'"
done
[ ${#WIDTH_OF[@]} -eq 3 ] || fail "the three phrases need different widths to be told apart"

# A plain window beneath everything that holds the focus and records clicks.
"$PROBE" window "$BACK" >"$E2E_TMP/clicks.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 10 sh -c 'xdotool search --onlyvisible --name "^Flash probe" | grep -q .' || fail "probe window did not map"
PROBE_WIN="$(xdotool search --onlyvisible --name '^Flash probe' | head -1)"
xdotool windowactivate --sync "$PROBE_WIN" 2>/dev/null || true
wait_for 5 sh -c "[ \"\$(xdotool getwindowfocus)\" = $PROBE_WIN ]" || fail "probe window did not get the focus"

start_app_docked
FOCUS_BEFORE="$(xdotool getwindowfocus)"

# The phrase window keeps its id while hidden between flashes, so it is
# looked up mapped or not: a flash may end between two commands.
phrase_window() { xdotool search --all --pid "$APP_PID" --name '^Phrase' 2>/dev/null | head -1; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
geometry() { # prints X Y W H of a window
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

wait_for 20 sh -c "xdotool search --all --onlyvisible --pid $APP_PID --name '^Phrase' | grep -q ." || fail "no phrase was flashed"
WIN="$(phrase_window)" && [ -n "$WIN" ] || fail "the phrase window cannot be found"

# Shape and colour: a screenshot taken while the phrase shows has the ink
# exactly on the glyphs and the window beneath everywhere else.
shot_ok=""
for attempt in 1 2 3 4 5 6; do
  wait_for 10 mapped "$WIN" || fail "the phrase window does not come back"
  read -r x y w h <<<"$(geometry "$WIN")"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_TMP/shot.png"
  mapped "$WIN" || { wait_for 10 sh -c "! xwininfo -id $WIN | grep -q IsViewable"; continue; }
  name="${WIDTH_OF[$w]:-}"
  [ -n "$name" ] || fail "the phrase window is $w pixels wide, which fits no phrase of the list"
  [ "$x" -eq $(( 960 - w / 2 )) ] && [ "$y" -eq $(( 540 - h / 2 )) ] || fail "phrase at $x,$y is not centred"
  diff="$(compare -metric AE "$E2E_TMP/ref-$name.png" "$E2E_TMP/shot.png" null: 2>&1 || true)"
  [ "${diff%% *}" -le $(( w * h / 200 )) ] 2>/dev/null || fail "'$name phrase' differs from its reference in $diff of $((w*h)) pixels"
  echo "compare: $diff differing pixels of $((w*h)) for '$name phrase'"
  shot_ok=1; break
done
[ -n "$shot_ok" ] || fail "no screenshot could be taken while a phrase showed"
pass "the phrase shows its glyphs in the font colour and the desktop around them"

op="$(xprop -id "$WIN" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')"
want=$(( OPACITY * 4294967295 / 255 ))
[ -n "$op" ] && [ "${op//[^0-9]/}" = "$op" ] && [ $(( op > want ? op - want : want - op )) -le 2 ] \
  || fail "opacity property is '$op', expected about $want"
pass "the window carries the opacity"

# A click on a glyph reaches the window beneath.
clicked=""
for attempt in 1 2 3 4 5 6; do
  wait_for 10 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "the phrase is not hidden"
  wait_for 10 mapped "$WIN" || fail "the phrase window does not come back"
  read -r x y w h <<<"$(geometry "$WIN")"
  name="${WIDTH_OF[$w]:-}"
  [ -n "$name" ] || fail "the phrase window is $w pixels wide, which fits no phrase of the list"
  eval "read -r ix iy <<<\"\$INK_$name\""
  cx=$(( x + ix )); cy=$(( y + iy ))
  xdotool mousemove "$cx" "$cy" click 1
  if mapped "$WIN"; then
    wait_for 5 grep -q "press $cx $cy" "$E2E_TMP/clicks.log" || fail "a click on the phrase at $cx,$cy did not reach the window beneath"
    clicked=1; break
  fi
done
[ -n "$clicked" ] || fail "no click could be made while a phrase showed"
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
