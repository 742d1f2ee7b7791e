# The flash probe and the phrases' look, shared by the tests that flash
# phrases on an X server and judge them from the screen; sourced after
# lib.sh, with the program's executable as $1.
PROBE="${ORVELLA_FLASH_PROBE:-$(dirname "$1")/../tests/flash_probe}"
[ -x "$PROBE" ] || fail "flash_probe not found (set ORVELLA_FLASH_PROBE)"

FONT="DejaVu Sans"; SIZE=28
COLOUR=10494207           # 00BBGGRR: red 255, green 32, blue 160
BACK="40,90,160"
OPACITY=50

# flash_settings [POSITION]: the list ticked, shown in that look for 700 ms
# every second, centred or at POSITION (after setup_app).
flash_settings() {
  printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nFontName=%s\r\nTextColor=%s\r\nSize=%s\r\nDisplayTime=700\r\nDisplayFreq=1\r\nOpacity=%s\r\nPosition=%s\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
    "$FONT" "$COLOUR" "$SIZE" "$OPACITY" "${1:-1}" >"$APP_DIR/Orvella.ini"
}

# flash_references: the reference pictures of the three phrases, the ink at
# the set opacity over the probe window's colour (in the device pixels of
# this display), as $E2E_TMP/ref-WORD.png. WIDTH_OF maps a phrase window's
# width to the phrase's first word, INK_OF that word to a glyph pixel "X Y".
declare -gA WIDTH_OF=() INK_OF=()
flash_references() {
  local p out info w h ix iy
  WIDTH_OF=(); INK_OF=()
  for p in "First phrase" "Second phrase" "Third phrase"; do
    out="$E2E_TMP/ref-${p%% *}.png"
    info="$("$PROBE" render "$out" "$p" "$FONT" "$SIZE" "$COLOUR" "$BACK" "$OPACITY")" || fail "reference of '$p' not rendered"
    read -r _ w h <<<"$(grep '^size' <<<"$info")"
    read -r _ ix iy <<<"$(grep '^ink' <<<"$info")"
    WIDTH_OF[$w]="${p%% *}"; INK_OF[${p%% *}]="$ix $iy"
  done
  [ ${#WIDTH_OF[@]} -eq 3 ] || fail "the three phrases need different widths to be told apart"
}

# start_probe_window LABEL: a plain window beneath everything that holds the
# focus and records the clicks reaching it in $E2E_TMP/clicks.log; PROBE_WIN.
start_probe_window() {
  "$PROBE" window "$BACK" >"$E2E_TMP/clicks.log" 2>&1 &
  E2E_PIDS+=($!)
  PROBE_WIN="$(first_of 20 sh -c 'xdotool search --onlyvisible --name "^Flash probe" | head -1')" || fail "probe window did not map ($1)"
  xdotool windowactivate --sync "$PROBE_WIN" 2>/dev/null || true
  wait_for 10 sh -c "[ \"\$(xdotool getwindowfocus)\" = $PROBE_WIN ]" || fail "the probe window did not get the focus ($1)"
}

# click_glyph WIN LABEL: clicks a glyph of the phrase in WIN as soon as it
# shows again, until one click is made while it shows; that click must
# reach the probe window beneath.
click_glyph() {
  local win=$1 label=$2 attempt x y w h name ix iy cx cy
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
      return 0
    fi
  done
  fail "no click could be made while a phrase showed ($label)"
}
