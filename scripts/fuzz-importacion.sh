#!/usr/bin/env bash
# fuzz-importacion.sh [lines] [seed]: hostile import files through the file
# reader and the line interpreter under the sanitizers (build/asan), a
# million lines unless told otherwise. Prints the time taken and how the
# lines came out; any crash, sanitizer report or lost line fails it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export LEDGRIX_FUZZ_LINEAS="${1:-${LEDGRIX_FUZZ_LINEAS:-1000000}}"
if [ -n "${2:-}" ]; then export LEDGRIX_FUZZ_SEMILLA="$2"; fi
if [ ! -f "$root/build/asan/build.ninja" ]; then
  cmake -S "$root" -B "$root/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEDGRIX_SANITIZE=ON -DLEDGRIX_BENCH=OFF >/dev/null
fi
flock /tmp/ledgrix-build.lock ninja -C "$root/build/asan" maintenance_unit_tests
tmp="$(mktemp -d /tmp/ledgrix-fuzz.XXXXXX)"
trap 'rm -rf "$tmp"' EXIT
export LEDGRIX_TEST_TMP="$tmp" QT_QPA_PLATFORM=offscreen
inicio=$(date +%s)
"$root/build/asan/tests/maintenance_unit_tests" --gtest_filter='ImportacionFuzz.*'
echo "fuzz-importacion: $LEDGRIX_FUZZ_LINEAS líneas en $(( $(date +%s) - inicio )) s"
