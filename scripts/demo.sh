#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo installation (./demo) the
# first time and starts the module on company 001 as its administrator.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/packages.sh"
bash "$root/scripts/build.sh" release
bin="$root/build/release"
demo="${LEDGRIX_DIR:-$root/demo}"
mkdir -p "$demo"
if [ ! -f "$demo/datos/general.fdb" ] || [ ! -f "$demo/datos/001/ledgrix.fdb" ]; then
  "$bin/tools/admin/ledgrix-admin" demo "$demo"
fi
# The location is the file's content less its last two characters.
[ -f "$demo/conexion.cfg" ] || printf '%s\r\n' "$demo" > "$demo/conexion.cfg"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No hay una pantalla disponible (DISPLAY no está definido): el programa es una aplicación de escritorio." >&2
  echo "La instalación de demostración quedó lista en $demo." >&2
  echo "Ejecute este comando desde una sesión gráfica, o con una pantalla virtual: xvfb-run -a bash scripts/demo.sh" >&2
  exit 1
fi
export LEDGRIX_DIR="$demo"
clave="$("$bin/tools/admin/ledgrix-admin" embrollar admin)"
exec "$bin/app/ledgrix-cxp" ENTRADA ADMIN 001 "$clave"
