#!/usr/bin/env bash
# Installs what is missing, builds Orvella with its tests and runs the whole
# suite: unit, widget (offscreen) and end-to-end (Xvfb with a real
# notification area), then the unit and widget tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup.sh"
jobs="$(nproc)"

cmake -S "$here" -B "$here/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build-test" -j"$jobs"
ctest --test-dir "$here/build-test" --output-on-failure -j"$jobs"

if [ "${ORVELLA_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVELLA_SANITIZE=ON \
        -DORVELLA_BENCH=OFF >/dev/null
  cmake --build "$here/build-asan" -j"$jobs"
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
  LSAN_OPTIONS="suppressions=$here/tools/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir "$here/build-asan" --output-on-failure -j"$jobs" -L 'unit|widget'
fi
