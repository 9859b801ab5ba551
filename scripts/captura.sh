#!/usr/bin/env bash
# captura.sh [file.png] [window class]: a picture of the main window after the
# administrator logs in to the demo company, without a screen (offscreen
# platform), optionally with a working window open (e.g. Tfnotasdebitocxp).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/captura.png}")"
demo="$(bash "$root/scripts/instalacion-demo.sh")"
bin="$root/build/release"
clave="$("$bin/tools/admin/ledgrix-admin" embrollar admin)"
LEDGRIX_DIR="$demo" LEDGRIX_CAPTURA="$out" LEDGRIX_VENTANA="${2:-}" QT_QPA_PLATFORM=offscreen \
  "$bin/app/ledgrix-cxp" ENTRADA ADMIN 001 "$clave"
echo "Captura: $out"
