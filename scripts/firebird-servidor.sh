#!/usr/bin/env bash
# firebird-servidor.sh iniciar|detener: a Firebird server on 127.0.0.1:3050 for
# the tests that need several stations on one database. It keeps its lock
# files apart from the embedded engine's, so both can run on one machine, and
# knows the demo users with their demo passwords.
set -euo pipefail
lock=/tmp/ledgrix-fbservidor
pidfile=$lock/servidor.pid
sec=/var/lib/firebird/3.0/system/security3.fdb

escuchando() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

case "${1:-}" in
  iniciar)
    if escuchando; then exit 0; fi
    [ -x /usr/sbin/firebird ] || { echo "Falta el paquete firebird3.0-server" >&2; exit 1; }
    mkdir -p "$lock"
    FIREBIRD_LOCK="$lock" isql-fb -q -user SYSDBA "$sec" <<'SQL'
create or alter user SYSDBA password 'ledgrix';
create or alter user "ADMIN" password 'admin';
create or alter user AUXILIAR password 'auxiliar';
commit;
SQL
    FIREBIRD_LOCK="$lock" nohup /usr/sbin/firebird > "$lock/servidor.log" 2>&1 &
    echo $! > "$pidfile"
    for _ in $(seq 1 50); do
      if escuchando; then exit 0; fi
      sleep 0.1
    done
    echo "El servidor Firebird no respondió en 127.0.0.1:3050" >&2
    cat "$lock/servidor.log" >&2 || true
    exit 1
    ;;
  detener)
    if [ -f "$pidfile" ]; then
      kill "$(cat "$pidfile")" 2>/dev/null || true
      rm -f "$pidfile"
    fi
    ;;
  *) echo "uso: firebird-servidor.sh iniciar|detener" >&2; exit 2 ;;
esac
