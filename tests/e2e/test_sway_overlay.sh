#!/usr/bin/env bash
# On sway (headless, its tray in waybar) the program, itself an X client of
# sway's Xwayland, flashes the phrase on a layer surface of its own: the
# overlay layer, no input region and no keyboard, placed inside the room the
# bar leaves, the glyphs at the set contrast over the desktop and the
# desktop untouched around them, timed from the compositor's presentation.
source "$(dirname "${BASH_SOURCE[0]}")/sway_lib.sh"
sway_isolate "$0" "$@"
source "$ORVELLA_E2E_LIB"
source "$(dirname "${BASH_SOURCE[0]}")/sway_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/flash_lib.sh"
command -v waybar >/dev/null && command -v grim >/dev/null || skip "waybar or grim is missing"

OPACITY=90
SWAY_BG="#285aa0" # BACK, as sway takes it
sway_start 1280x720

# The notification area: waybar's tray on a private session bus.
eval "$(as_user dbus-launch --sh-syntax)"
E2E_PIDS+=("$DBUS_SESSION_BUS_PID")
export DBUS_SESSION_BUS_ADDRESS
printf '{"layer": "top", "position": "top", "height": 30, "modules-right": ["tray"]}\n' >"$E2E_TMP/waybar.json"
as_user_bg "$E2E_TMP/waybar.log" waybar -c "$E2E_TMP/waybar.json"
wait_for 30 grep -q "namespace waybar" "$E2E_TMP/sway.log" || fail "waybar did not put up its bar"

setup_app "$1"
flash_settings 0
chown -R "$SWAY_USER" "$APP_DIR"
as_user "$PROBE" render "$E2E_TMP/ref.png" "First phrase" "$FONT" "$SIZE" "$COLOUR" "$BACK" "$OPACITY" \
  >"$E2E_TMP/ref.txt" || fail "the reference picture was not rendered"
read -r _ W H <<<"$(grep '^size' "$E2E_TMP/ref.txt")"

# The protocol as the program speaks it, for what the compositor cannot say.
as_user_bg "$E2E_TMP/orvella.log" env ORVELLA_PHRASE_SURFACE=layer-shell WAYLAND_DEBUG=client "$APP_EXE"
APP_PID=$BG_PID

# The first phrase on the screen: what differs from the desktop below the
# bar is the phrase's glyphs (the splash, an X window, goes first).
# marks IMAGE BACKGROUND: the box around what differs from the background,
# WxH+X+Y with 1 added to X and Y; nothing when all is background.
marks() { convert "$1" -bordercolor "$2" -border 1 -format '%@' info: | grep -v '^0x0'; }
read -r rw rh rx ry <<<"$(marks "$E2E_TMP/ref.png" "rgb($BACK)" | tr 'x+' '  ')"
BOX=""
phrase_box() {
  as_user grim "$E2E_TMP/shot.png" 2>/dev/null || return 1
  convert "$E2E_TMP/shot.png" -crop 1280x690+0+30 +repage "$E2E_TMP/below-bar.png"
  BOX=$(marks "$E2E_TMP/below-bar.png" "$SWAY_BG") && [[ "$BOX" == "${rw}x${rh}+"* ]]
}
wait_for 60 phrase_box || fail "no phrase came on the screen (last seen there: '$BOX', the glyphs are ${rw}x${rh})"
app_alive || fail "the program ended"
read -r bw bh bx by <<<"$(tr 'x+' '  ' <<<"$BOX")"
# The glyphs' box less their place in the phrase: the phrase's rectangle.
X=$((bx - rx)); Y=$((by + 30 - ry))
[ "$X" -ge 0 ] && [ "$Y" -ge 30 ] && [ $((X + W)) -le 1280 ] && [ $((Y + H)) -le 720 ] \
  || fail "the phrase ${W}x${H} at $X,$Y leaves the room below the bar"
pass "the phrase is inside the output, below the bar, at $X,$Y"

convert "$E2E_TMP/shot.png" -crop "${W}x${H}+${X}+${Y}" +repage "$E2E_TMP/phrase.png"
diff="$(as_user "$PROBE" compare "$E2E_TMP/ref.png" "$E2E_TMP/phrase.png" 3)" || fail "screenshot: $diff"
[ "$diff" -le $((W * H / 200)) ] || fail "the phrase differs from its reference in $diff of $((W * H)) pixels"
pass "glyphs at the set contrast over the desktop, the desktop untouched around them ($diff pixels off)"

# Not an X window: none of the program's X windows is up as the phrase.
as_user xdotool search --all --onlyvisible --pid "$APP_PID" --name '^Phrase' >/dev/null 2>&1 \
  && fail "the phrase went up as an X window too"

# The compositor's side: an overlay-layer surface anchored top-left at the
# place seen (margins from the room below the bar), after a probe that
# learnt the room, stretched to every edge.
surf="namespace orvella-phrase layer 3 anchor 5 size ${W}x${H} margin $((Y - 30)),0,0,$X,"
grep -q "new layer surface: $surf" "$E2E_TMP/sway.log" \
  || fail "no overlay surface '$surf'; the phrase's surfaces: $(grep -o 'namespace orvella-phrase.*' "$E2E_TMP/sway.log" | sort -u | tr '\n' ';')"
grep -q 'namespace orvella-phrase layer 3 anchor 15 size 0x0' "$E2E_TMP/sway.log" \
  || fail "no surface learnt the room on the output"
pass "the phrase is a surface of the overlay layer: $surf"

# The program's side: an input region with nothing added, no keyboard, and
# the time counted from the compositor's word that the phrase went out
# (sway's headless outputs report no presentation; their frame callback is
# that word).
region=$(grep -o 'wl_surface@[0-9]*\.set_input_region(wl_region@[0-9]*)' "$E2E_TMP/orvella.log" | tail -n 1 \
  | grep -o 'wl_region@[0-9]*')
[ -n "$region" ] || fail "no input region was set"
grep -q "$region\.add(" "$E2E_TMP/orvella.log" && fail "the input region is not empty"
grep -q 'set_keyboard_interactivity(0)' "$E2E_TMP/orvella.log" || fail "keyboard interactivity was not turned off"
told() {
  local cb
  grep -q 'wp_presentation_feedback@[0-9]*\.presented(' "$E2E_TMP/orvella.log" && return 0
  cb=$(grep -o 'wl_surface@[0-9]*\.frame(new id wl_callback@[0-9]*)' "$E2E_TMP/orvella.log" | head -n 1 \
    | grep -o 'wl_callback@[0-9]*') && grep -q "^\[[0-9. ]*\] $cb\.done(" "$E2E_TMP/orvella.log"
}
wait_for 10 told || fail "the compositor never said the phrase went out"
pass "no input region, no keyboard, timed from the compositor's word"

# Hidden again after its display time, by a null buffer.
phrase_gone() {
  as_user grim "$E2E_TMP/after.png" 2>/dev/null || return 1
  convert "$E2E_TMP/after.png" -crop "${W}x${H}+${X}+${Y}" +repage "$E2E_TMP/after-phrase.png"
  ! marks "$E2E_TMP/after-phrase.png" "$SWAY_BG"
}
wait_for 20 phrase_gone || fail "the phrase did not go"
grep -q 'wl_surface@[0-9]*\.attach(nil, 0, 0)' "$E2E_TMP/orvella.log" || fail "the phrase was not taken down by a null buffer"
pass "the phrase goes after its display time"
