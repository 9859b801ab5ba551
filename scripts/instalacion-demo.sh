#!/usr/bin/env bash
# Installs what is missing, builds the program and creates the demo
# installation the first time. Prints the installation folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/packages.sh" >&2
bash "$root/scripts/build.sh" release >&2
bin="$root/build/release"
demo="${LEDGRIX_DIR:-$root/demo}"
mkdir -p "$demo"
if [ ! -f "$demo/datos/general.fdb" ] || [ ! -f "$demo/datos/001/ledgrix.fdb" ]; then
  "$bin/tools/admin/ledgrix-admin" demo "$demo" >&2
fi
# The location is the file's content less its last two characters.
[ -f "$demo/conexion.cfg" ] || printf '%s\r\n' "$demo" > "$demo/conexion.cfg"
echo "$demo"
