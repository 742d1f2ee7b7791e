# Prints a three-line list with an empty middle line through the program's
# print path to a real CUPS queue (a private cupsd with a PDF printer) and
# checks the PDF: the lines, their order, the blank row, one page, the job
# title. Without a usable cupsd it says so and prints into a PDF file
# through the same path instead.
# Usage: test_print.sh <path of the Orvella executable>
set -euo pipefail

ORVELLA="${1:?usage: test_print.sh ORVELLA}"
PROBE="${ORVELLA_PRINT_PROBE:-$(dirname "$ORVELLA")/../tests/print_probe}"
[ -x "$PROBE" ] || { echo "FAIL: print_probe not found at $PROBE" >&2; exit 1; }
for tool in pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool missing (poppler-utils)" >&2; exit 1; }
done

TMP="$(mktemp -d /tmp/orvella-print-XXXXXX)"
chmod 755 "$TMP" # the filters run as the lp user and read the spool below
QUEUE="OrvellaPrint$$"
PDF_CONF="/etc/cups/cups-pdf-$QUEUE.conf"
CUPSD_PID=""
QUEUE_ADDED=0
CONF_WRITTEN=0

cleanup() {
  local rc=$?
  if [ "$QUEUE_ADDED" = 1 ]; then lpadmin -x "$QUEUE" 2>/dev/null || true; fi
  if [ -n "$CUPSD_PID" ]; then
    kill "$CUPSD_PID" 2>/dev/null || true
    wait "$CUPSD_PID" 2>/dev/null || true
  fi
  if [ "$CONF_WRITTEN" = 1 ]; then rm -f "$PDF_CONF"; fi
  if [ "$rc" -ne 0 ]; then
    echo "--- cupsd log ---"; tail -30 "$TMP/cups/log/error_log" 2>/dev/null || true
    echo "--- probe output ---"; cat "$TMP/probe.log" 2>/dev/null || true
  fi
  rm -rf "$TMP"
  exit "$rc"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }
wait_for() { # DEADLINE_SECONDS COMMAND...
  local deadline=$(( $(date +%s) + $1 )); shift
  while ! "$@" >/dev/null 2>&1; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

export HOME="$TMP/home" XDG_RUNTIME_DIR="$TMP/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TMP/exe/Affirmations/Calming" "$TMP/out"
chmod 700 "$XDG_RUNTIME_DIR"
# Lines 4 and 5 in Hebrew (right to left) and Chinese.
printf 'First phrase\r\n\r\nThird phrase\r\n\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d\r\n\xe6\x88\x91\xe7\x88\xb1\xe4\xbd\xa0\r\n' \
  >"$TMP/exe/Affirmations/Calming/Morning.txt"

# A private cupsd on a socket of its own; nothing of the machine's printing
# is touched apart from the cups-pdf settings file of our own queue.
start_cups() {
  [ -z "${ORVELLA_PRINT_NO_CUPS:-}" ] || { echo "ORVELLA_PRINT_NO_CUPS is set"; return 1; }
  command -v cupsd >/dev/null || command -v /usr/sbin/cupsd >/dev/null || { echo "cupsd is not installed"; return 1; }
  [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "the cups-pdf printer driver is not installed"; return 1; }
  [ -w /etc/cups ] || { echo "/etc/cups is not writable, so the PDF printer cannot be set up"; return 1; }
  local c="$TMP/cups"
  mkdir -p "$c"/{spool,cache,state,log,tmp}
  chmod 1777 "$c/tmp"
  cat >"$c/cupsd.conf" <<CONF
Listen $c/cups.sock
LogLevel info
Browsing Off
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$c/cups-files.conf" <<CONF
ServerRoot $c
RequestRoot $c/spool
CacheDir $c/cache
StateDir $c/state
TempDir $c/tmp
ErrorLog $c/log/error_log
AccessLog $c/log/access_log
PageLog $c/log/page_log
Printcap $c/printcap
SystemGroup root
CONF
  cat >"$PDF_CONF" <<CONF
Out $TMP/out
AnonDirName $TMP/out
Spool $c/cups-pdf-spool
Log $c/log
Grp root
CONF
  CONF_WRITTEN=1
  "$(command -v cupsd || echo /usr/sbin/cupsd)" -f -c "$c/cupsd.conf" -s "$c/cups-files.conf" >"$c/log/stderr" 2>&1 &
  CUPSD_PID=$!
  export CUPS_SERVER="$c/cups.sock"
  if ! wait_for 15 test -S "$c/cups.sock" || ! wait_for 15 lpstat -r; then
    echo "cupsd did not start: $(tail -3 "$c/log/stderr" "$c/log/error_log" 2>/dev/null | tr '\n' ' ')"
    return 1
  fi
  # The cairo renderer keeps the text extractable in the PDF cups-pdf makes.
  if ! lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
       -o pdftops-renderer-default=pdftocairo 2>"$c/log/lpadmin"; then
    echo "the PDF queue could not be added: $(cat "$c/log/lpadmin")"
    return 1
  fi
  QUEUE_ADDED=1
}

MODE=queue
if ! start_cups >"$TMP/why"; then
  echo "NOTE: cannot print to a CUPS queue on this machine ($(cat "$TMP/why")); printing into a PDF file through QPrinter instead"
  MODE=file
fi

if [ "$MODE" = queue ]; then
  "$PROBE" "$TMP/exe" Calming Morning --printer "$QUEUE" >"$TMP/probe.log" 2>&1 \
    || fail "the print path reported an error"
  wait_for 120 sh -c "lpstat -W completed -o '$QUEUE' | grep -q '$QUEUE-'" || fail "the job did not complete"
  PDF="$(ls "$TMP"/out/*.pdf 2>/dev/null | head -1)"
  [ -n "$PDF" ] || fail "the PDF printer wrote no file"
  case "$(basename "$PDF")" in Morning*) ;; *) fail "the queue did not get the job title: $(basename "$PDF")" ;; esac
  pass "printed through the queue $QUEUE"
else
  PDF="$TMP/out/Morning.pdf"
  "$PROBE" "$TMP/exe" Calming Morning --pdf "$PDF" >"$TMP/probe.log" 2>&1 || fail "the print path reported an error"
  [ -s "$PDF" ] || fail "no PDF was written"
fi

info="$(pdfinfo "$PDF")"
[ "$(sed -n 's/^Pages: *//p' <<<"$info")" = 1 ] || fail "expected one page: $info"
sed -n 's/^Title: *//p' <<<"$info" | grep -q Morning || fail "the job title is not the list's name: $info"
pass "one page titled after the list"

# The lines in order, the empty one keeping its row.
got="$(pdftotext -layout "$PDF" - | tr -d '\f' | sed 's/^ *//; s/ *$//' \
  | awk 'NF{last=NR} {l[NR]=$0} END{s=0; for(i=1;i<=last;i++){ if(!s && l[i]=="") continue; s=1; print l[i] }}')"
want="$(printf 'First phrase\n\nThird phrase')"
[ "$(head -3 <<<"$got")" = "$want" ] || fail "printed text differs: $(printf '%q' "$got")"
pass "lines in order with a blank middle row"

# Both lines start at the same x; the third row lies two rows below the
# first (one row of about the font's height would mean a lost blank row).
read -r x1 y1 h1 x3 y3 < <(pdftotext -bbox "$PDF" - | awk -F'"' '
  /<word/ && />First</ {x1=$2; y1=$4; h1=$8-$4}
  /<word/ && />Third</ {x3=$2; y3=$4}
  END {print x1, y1, h1, x3, y3}')
awk -v x1="$x1" -v x3="$x3" -v y1="$y1" -v y3="$y3" -v h="$h1" 'BEGIN {
  d = x1 - x3; if (d < 0) d = -d
  r = (y3 - y1) / h
  exit !(d < 0.5 && r > 1.9 && r < 3.2 && x1 < 36 && y1 < 36) }' \
  || fail "line positions: first at ($x1,$y1), third at ($x3,$y3), word height $h1"
pass "rows at 30 + i*h from the printable corner (first at $x1,$y1 pt, third at $x3,$y3 pt, height $h1 pt)"

# Every script reaches the paper: the Chinese line as it is, the Hebrew one
# ending at the right margin as far in as the others start at the left.
grep -q "$(printf '\xe6\x88\x91\xe7\x88\xb1\xe4\xbd\xa0')" <<<"$got" || fail "the Chinese line is not printed: $(printf '%q' "$got")"
width="$(sed -n 's/^Page size: *\([0-9.]*\) x.*/\1/p' <<<"$info")"
read -r hmin hmax < <(pdftotext -bbox "$PDF" - | awk -F'"' '
  /<word/ && /[\xd7][\x90-\xaa]/ {if (min == "" || $2 < min) min = $2; if ($6 > max) max = $6}
  END {print min, max}')
[ -n "$hmin" ] || fail "the Hebrew line is not printed"
awk -v l="$hmin" -v r="$hmax" -v w="$width" -v x1="$x1" 'BEGIN { m = w - r - x1; if (m < 0) m = -m
  exit !(l > w / 2 && m < 3) }' || fail "the Hebrew line spans $hmin to $hmax pt on a page $width pt wide, not right-aligned"
pass "Chinese and Hebrew lines printed, the Hebrew one right-aligned ($hmin to $hmax pt of $width)"
