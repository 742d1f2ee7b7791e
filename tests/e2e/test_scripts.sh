#!/usr/bin/env bash
# Long phrases in Chinese, Japanese, Russian, Arabic, Hebrew, Hindi, with
# emoji, and one run of 3,100 letters without a break, centred on a
# 1280 x 1024 monitor: every flash lies wholly inside the monitor and is
# cut to a shape that is not empty. Prints, per phrase, its start, its
# length in characters and the window measured.
source "$ORVELLA_E2E_LIB"
SW=1280; SH=1024

repeat() { local i s=""; for ((i = 0; i < $2; i++)); do s+="$1"; done; printf '%s' "$s"; }
NAMES=(Chinese Japanese Russian Arabic Hebrew Hindi emoji unbroken)
PHRASES=(
  "$(repeat '我每天都在变得更好更强大' 11)"
  "$(repeat '私は毎日少しずつ成長しています。' 8)"
  "$(repeat 'Я спокоен и уверен в себе каждый день, ' 9)"
  "$(repeat 'أنا هادئ وواثق من نفسي كل يوم، ' 9)"
  "$(repeat 'אני רגוע ובטוח בעצמי בכל יום, ' 10)"
  "$(repeat 'मैं हर दिन शांत और आत्मविश्वासी हूँ। ' 8)"
  "$(repeat 'I am happy 😀 strong 💪🏽 loved ❤️ family 👨‍👩‍👧 🇩🇪 ' 5)"
  "$(repeat x 3100)"
)

start_x "${SW}x${SH}"
start_wm
start_tray
setup_app "$1"
# A short marker first, so the flashes after it are known by their order;
# long display times and gaps, so a busy machine misses none of them.
{ printf 'Start\r\n'; for p in "${PHRASES[@]}"; do printf '%s\r\n' "$p"; done; } >"$APP_DIR/Affirmations/Daily/Morning.txt"
printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nPause=0\r\nFontName=DejaVu Sans\r\nTextColor=10494207\r\nSize=28\r\nDisplayTime=1500\r\nDisplayFreq=2\r\nOpacity=200\r\nPosition=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
  >"$APP_DIR/Orvella.ini"
start_app_docked

shape_extents() { # W H X Y of the bounding shape, relative to the window
  xwininfo -shape -id "$1" | sed -n 's/.*[Ww]indow shape extents: *\([0-9]*\)x\([0-9]*\)+\(-*[0-9]*\)+\(-*[0-9]*\).*/\1 \2 \3 \4/p' | head -1
}
next_flash() {
  wait_for 20 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "a phrase stays up long after its display time"
  wait_for 30 mapped "$WIN" || fail "the next phrase did not come; the program's windows: $(program_windows)"
}

WIN="$(first_of 20 phrase_window)" || fail "no phrase window"
# The marker: a one-line window far narrower than the monitor.
found=""
for attempt in $(seq 1 12); do
  next_flash
  read -r x y w h <<<"$(geometry "$WIN")"
  if [ "$w" -lt 200 ] && [ "$h" -lt 80 ]; then found=1; break; fi
done
[ -n "$found" ] || fail "the marker phrase never showed"

for i in "${!NAMES[@]}"; do
  next_flash
  read -r x y w h <<<"$(geometry "$WIN")"
  read -r sw sh sx sy <<<"$(shape_extents "$WIN")"
  p="${PHRASES[$i]}"
  echo "${NAMES[$i]}: '${p:0:12}...' (${#p} characters): window ${w}x${h} at ${x},${y}; shape ${sw:-?}x${sh:-?}+${sx:-?}+${sy:-?}"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le $SW ] && [ $((y + h)) -le $SH ] \
    || fail "the ${NAMES[$i]} phrase (${w}x${h} at ${x},${y}) leaves the ${SW}x${SH} monitor"
  [ -n "$sw" ] && [ "$sw" -gt 0 ] && [ "$sh" -gt 0 ] || fail "the ${NAMES[$i]} phrase has an empty shape"
  [ "$sx" -ge 0 ] && [ "$sy" -ge 0 ] && [ $((sx + sw)) -le "$w" ] && [ $((sy + sh)) -le "$h" ] \
    || fail "the ${NAMES[$i]} phrase's shape ${sw}x${sh}+${sx}+${sy} reaches beyond its ${w}x${h} window"
  # Centred where it fits: its middle is the monitor's middle.
  [ $((x + w / 2 - SW / 2)) -ge -1 ] && [ $((x + w / 2 - SW / 2)) -le 1 ] \
    || fail "the ${NAMES[$i]} phrase is not centred: ${w}x${h} at ${x},${y}"
done
pass "every script's phrase lies inside the monitor, centred, its lines no wider than it, with a shape"
