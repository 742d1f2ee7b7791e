#!/usr/bin/env bash
# Acting as the installer: writes the default branding record for the given
# executable when the user has none yet. An existing record is left alone.
set -euo pipefail
exe="$1"
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="${XDG_CONFIG_HOME:-$HOME/.config}/Halvorn/$(basename "$exe")"
[ -f "$here/data/Branding.reg" ] || exit 0
if [ ! -e "$dir/Branding.reg" ]; then
  mkdir -p "$dir"
  cp "$here/data/Branding.reg" "$dir/Branding.reg.tmp"
  mv "$dir/Branding.reg.tmp" "$dir/Branding.reg"
fi
