#!/usr/bin/env bash
# Installs what is missing, builds Orvella and starts it with the starter
# library beside the executable.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLA_TESTS=OFF -DORVELLA_BENCH=OFF >/dev/null
cmake --build "$here/build" --target Orvella -j"$(nproc)"
"$here/tools/install_branding.sh" "$here/build/bin/Orvella"
exec "$here/build/bin/Orvella"
