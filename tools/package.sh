#!/usr/bin/env bash
# Builds the Debian package orvella_<version>_<arch>.deb into out/ (or the
# folder given) and validates it. Install it with:
#   sudo apt install ./out/orvella_*.deb
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-$here/out}" && cd "${1:-$here/out}" && pwd)"
build="$here/build-package"
"$here/tools/setup.sh"
# The hardening flags of a Debian build (read by CMake when the tree is new).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DORVELLA_TESTS=OFF -DORVELLA_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/package/orvella_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/package/orvella_*.deb)"
cp "$deb" "$out/"
bash "$here/tools/validate_package.sh" "$out/$(basename "$deb")"
echo "$out/$(basename "$deb")"
