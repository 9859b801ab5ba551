#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs the whole suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/packages.sh"
bash "$root/scripts/build.sh" asan
cd "$root/build/asan"
rm -rf testtmp && mkdir -p testtmp
ctest --output-on-failure -j2 "$@"
