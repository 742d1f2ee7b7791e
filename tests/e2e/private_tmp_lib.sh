#!/usr/bin/env bash
# Run (not sourced) inside a fresh mount namespace: gives it a /tmp of its
# own, empty but for the X socket folders and the top folders of /tmp that
# hold the paths in ORVELLA_KEEP (separated by colons; the sources and the
# build may live under /tmp themselves), then runs the command given.
set -euo pipefail
stage=$(mktemp -d /run/orvella-tmp.XXXXXX)
mount -t tmpfs -o mode=1777 tmpfs "$stage"
mkdir -m 1777 "$stage/.X11-unix" "$stage/.ICE-unix"
IFS=: read -r -a keep <<<"${ORVELLA_KEEP:-}"
for p in "${keep[@]}"; do
  case "$p" in
    /tmp/?*)
      top=${p#/tmp/}; top=/tmp/${top%%/*}
      [ -e "$stage${top#/tmp}" ] && continue
      if [ -d "$top" ]; then mkdir -p "$stage${top#/tmp}"; else touch "$stage${top#/tmp}"; fi
      mount --bind "$top" "$stage${top#/tmp}" ;;
  esac
done
mount --move "$stage" /tmp
rmdir "$stage" 2>/dev/null || true
exec "$@"
