#!/usr/bin/env bash
# build.sh <release|asan>: configures and builds into build/<kind>.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kind="${1:-release}"
case "$kind" in
  release) opts=(-DCMAKE_BUILD_TYPE=Release -DLEDGRIX_TESTS=OFF -DLEDGRIX_BENCH=OFF) ;;
  asan)    opts=(-DCMAKE_BUILD_TYPE=Debug -DLEDGRIX_SANITIZE=ON -DLEDGRIX_BENCH=OFF) ;;
  bench)   opts=(-DCMAKE_BUILD_TYPE=Release -DLEDGRIX_TESTS=OFF -DLEDGRIX_BENCH=ON) ;;
  *) echo "uso: build.sh release|asan|bench" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$kind" -G Ninja "${opts[@]}" >/dev/null
ninja -C "$root/build/$kind"
