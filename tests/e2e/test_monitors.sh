#!/usr/bin/env bash
# Two monitors side by side on a real X server (Xorg's dummy driver with two
# RandR heads): each phrase is centred on the monitor that holds the
# pointer, in turn the second (larger, right) and the first.
source "$ORVELLA_E2E_LIB"
command -v Xorg >/dev/null && [ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] \
  || { echo "skipped: Xorg's dummy driver is not installed"; exit 77; }
[ "$(id -u)" -eq 0 ] || { echo "skipped: Xorg takes a configuration file of its own only from root"; exit 77; }

cat >"$E2E_TMP/xorg.conf" <<'CONF'
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 3200 1200
    Modes "1920x1080"
  EndSubSection
EndSection
CONF
: >"$E2E_TMP/displayfd"
Xorg -displayfd 3 -config "$E2E_TMP/xorg.conf" -noreset -nolisten tcp -ac -logfile "$E2E_TMP/xorg-server.log" \
  3>"$E2E_TMP/displayfd" >"$E2E_TMP/xorg.log" 2>&1 &
XVFB_PID=$!
E2E_PIDS+=($XVFB_PID)
wait_for 30 grep -q '^[0-9]' "$E2E_TMP/displayfd" || fail "Xorg did not start"
export DISPLAY=":$(head -1 "$E2E_TMP/displayfd")"
wait_for 30 xdpyinfo || fail "Xorg does not answer"
# The second head: 1920 x 1200 to the right of the first (1920 x 1080).
xrandr --newmode second 154.00 1920 1968 2000 2080 1200 1203 1209 1235 +hsync -vsync
xrandr --addmode DUMMY1 second
xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 --output DUMMY1 --mode second --pos 1920x0 \
  || fail "the second head cannot be set up"
xrandr --listmonitors | grep -q '^Monitors: 2' || fail "two monitors expected: $(xrandr --listmonitors)"

start_wm
start_tray
setup_app "$1"
printf '[General]\r\nGroupIndex=0\r\n[Daily-Settings]\r\nFontName=DejaVu Sans\r\nSize=20\r\nDisplayTime=400\r\nDisplayFreq=1\r\nOpacity=200\r\nPosition=1\r\n[Daily-Affirmations]\r\n0=Morning:True\r\n' \
  >"$APP_DIR/Orvella.ini"
start_app_docked

WIN="$(first_of 20 phrase_window)" || fail "no phrase window"

# next_phrase_on LEFT TOP WIDTH HEIGHT: with the pointer in that monitor,
# the next phrase shown is centred on it.
next_phrase_on() {
  local left=$1 top=$2 width=$3 height=$4 x y w h
  xdotool mousemove $((left + 100)) $((top + 100))
  wait_for 10 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "the phrase is not hidden"
  wait_for 10 mapped "$WIN" || fail "the next phrase did not come"
  read -r x y w h <<<"$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')"
  [ "$x" -eq $((left + width / 2 - w / 2)) ] && [ "$y" -eq $((top + height / 2 - h / 2)) ] \
    || fail "phrase $w x $h at $x,$y is not centred on the monitor at $left,$top ($width x $height)"
}
next_phrase_on 1920 0 1920 1200
next_phrase_on 0 0 1920 1080
next_phrase_on 1920 0 1920 1200
pass "each phrase is centred on the monitor holding the pointer"
