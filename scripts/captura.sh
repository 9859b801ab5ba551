#!/usr/bin/env bash
# captura.sh [file.png]: a picture of the main window after the administrator
# logs in to the demo company, without a screen (offscreen platform).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/captura.png}")"
demo="$(bash "$root/scripts/instalacion-demo.sh")"
bin="$root/build/release"
clave="$("$bin/tools/admin/ledgrix-admin" embrollar admin)"
LEDGRIX_DIR="$demo" LEDGRIX_CAPTURA="$out" QT_QPA_PLATFORM=offscreen \
  "$bin/app/ledgrix-cxp" ENTRADA ADMIN 001 "$clave"
echo "Captura: $out"
