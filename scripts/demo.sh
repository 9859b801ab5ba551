#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo installation (./demo) the
# first time and starts the module on company 001 as its administrator.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
demo="$(bash "$root/scripts/instalacion-demo.sh")"
bin="$root/build/release"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No hay una pantalla disponible (DISPLAY no está definido): el programa es una aplicación de escritorio." >&2
  echo "La instalación de demostración quedó lista en $demo." >&2
  echo "Ejecute este comando desde una sesión gráfica, o con una pantalla virtual: xvfb-run -a bash scripts/demo.sh" >&2
  echo "Para ver la ventana principal sin pantalla: bash scripts/captura.sh" >&2
  exit 1
fi
export LEDGRIX_DIR="$demo"
clave="$("$bin/tools/admin/ledgrix-admin" embrollar admin)"
exec "$bin/app/ledgrix-cxp" ENTRADA ADMIN 001 "$clave"
