#include "reports/impresos/movimiento_proveedor.h"

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

MovimientoProveedor::MovimientoProveedor(Tfdm& dm, QObject* parent)
    : ReporteImpreso(dm, parent), saldo_(SaldoCorrido::descuenta_causadas(dm)) {
    saldo_.instale(filas());
}

QString MovimientoProveedor::nombre_reporte() const {
    return detalle ? QStringLiteral("detallado") : QStringLiteral("consolidado");
}

QString MovimientoProveedor::titulo_predeterminado() const {
    const Rango p = proveedores();
    const Rango g = grupos();
    return QStringLiteral("Fecha: %1 - %2  Proveedores: %3 - %4  Grupos: %5 - %6")
        .arg(sql::dateText(criterios.desde), sql::dateText(criterios.hasta), p.desde, p.hasta,
             g.desde, g.hasta);
}

QString MovimientoProveedor::llamada(const QStringList& argumentos) {
    return QStringLiteral(" select * from rep_movimiento_proveedor (") + argumentos.join(',') +
           QStringLiteral(")");
}

QString MovimientoProveedor::consulta() const {
    const Rango p = proveedores();
    const Rango g = grupos();
    const QStringList a{sql::quoted(p.desde),
                        sql::quoted(p.hasta),
                        sql::quoted(g.desde),
                        sql::quoted(g.hasta),
                        sql::date(criterios.desde),
                        sql::date(criterios.hasta),
                        detalle ? QStringLiteral("'S'") : QStringLiteral("'N'"),
                        flag_orden(),
                        flag_agrupamiento(),
                        sql::number(criterios.moneda),
                        sql::number(agencia())};
    // Suppliers with nothing moved, owed or paid in the period are left out.
    return llamada(a) +
           QStringLiteral(" where DEBITO <> 0 OR CREDITO <> 0 OR SALDO <> 0 OR ABONO <> 0") +
           QStringLiteral(" order by ") + orden_agrupacion() +
           (criterios.por_nombre ? QStringLiteral(" NOMBRE, FECHA")
                                 : QStringLiteral(" NIT, FECHA"));
}

}  // namespace ledgrix
