#!/usr/bin/env bash
# confiabilidad.sh [corta|completa]: the reliability suite. "corta" (the
# default) runs it as the test suite does; "completa" runs the full counts:
# 8 stations x 1,000 charges through a Firebird server on 127.0.0.1 and 100
# kills of a station saving on the embedded engine, 4,000 random documents
# of the whole cycle (about 1,600 of them payment vouchers). The counts can
# also be given one by one (LEDGRIX_ESTACIONES, LEDGRIX_CARGOS_POR_ESTACION,
# LEDGRIX_MUERTES, LEDGRIX_SEMILLA, LEDGRIX_CICLO_ALEATORIO). Uses the
# sanitized build (build/asan).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
modo="${1:-corta}"
case "$modo" in
  corta) ;;
  completa)
    export LEDGRIX_ESTACIONES="${LEDGRIX_ESTACIONES:-8}"
    export LEDGRIX_CARGOS_POR_ESTACION="${LEDGRIX_CARGOS_POR_ESTACION:-1000}"
    export LEDGRIX_MUERTES="${LEDGRIX_MUERTES:-100}"
    export LEDGRIX_CICLO_ALEATORIO="${LEDGRIX_CICLO_ALEATORIO:-4000}"
    ;;
  *) echo "uso: confiabilidad.sh [corta|completa]" >&2; exit 2 ;;
esac
flock /tmp/ledgrix-build.lock ninja -C "$root/build/asan" ledgrix-estacion confiabilidad_db_tests confiabilidad_server_tests payments_db_tests
tmp="$(mktemp -d /tmp/ledgrix-confiabilidad.XXXXXX)"
export LEDGRIX_TEST_TMP="$tmp" QT_QPA_PLATFORM=offscreen
# Only a server this script started is stopped again.
iniciado=no
if ! (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then
  bash "$root/scripts/firebird-servidor.sh" iniciar
  iniciado=si
fi
fin() {
  if [ "$iniciado" = si ]; then bash "$root/scripts/firebird-servidor.sh" detener; fi
  rm -rf "$tmp"
}
trap fin EXIT
cd "$root/build/asan"
estado=0
./tests/confiabilidad_server_tests || estado=1
./tests/confiabilidad_db_tests || estado=1
./tests/payments_db_tests --gtest_filter='CicloAleatorio*' || estado=1
exit $estado
