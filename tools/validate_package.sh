#!/usr/bin/env bash
# Checks a built orvella_*.deb: the files a desktop needs are in it, the
# icons have the sizes their folders name, and the desktop entry, the
# AppStream metadata and the package itself pass their validators
# (desktop-file-validate, appstreamcli, lintian). Errors fail; lintian's
# warnings are printed.
# Usage: validate_package.sh ORVELLA_DEB|FOLDER_HOLDING_IT
set -euo pipefail
deb="${1:?usage: validate_package.sh ORVELLA_DEB|FOLDER}"
[ -d "$deb" ] && deb="$(ls "$deb"/orvella_*.deb 2>/dev/null | head -1)"
[ -f "$deb" ] || { echo "FAIL: no package at $deb" >&2; exit 1; }
tmp="$(mktemp -d /tmp/orvella-validate-XXXXXX)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$tmp/root"
id=com.halvorn.Orvella
for f in usr/bin/orvella usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/orvella.1.gz \
         usr/share/orvella/Help/ovHelp.rtf etc/xdg/Halvorn/Orvella/Branding.reg \
         usr/share/doc/orvella/copyright; do
  [ -e "$tmp/root/$f" ] || fail "the package lacks /$f"
done
ls "$tmp"/root/usr/share/orvella/Affirmations/*/*.txt >/dev/null 2>&1 || fail "the package has no starter library"
for n in 16 22 24 32 48 64 128 256; do
  png="$tmp/root/usr/share/icons/hicolor/${n}x${n}/apps/$id.png"
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${n}x${n}" ] || fail "icon $png is not ${n}x${n}"
done
grep -q '^Depends:.*libqt6widgets6' <(dpkg-deb -f "$deb") || fail "the package does not depend on the Qt libraries"
echo "ok: files, icon sizes and dependencies"

echo "--- desktop-file-validate"
desktop-file-validate "$tmp/root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
echo "--- appstreamcli validate --no-net"
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
echo "--- lintian"
# Errors fail; warnings are shown.
rc=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 || rc=$?
cat "$tmp/lintian.log"
[ "$rc" -eq 0 ] || fail "lintian reports errors"
echo "ok: the package validates"
