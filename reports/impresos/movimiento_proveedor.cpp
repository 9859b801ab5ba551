#include "reports/impresos/movimiento_proveedor.h"

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

MovimientoProveedor::MovimientoProveedor(Tfdm& dm, QObject* parent)
    : ReportePeriodo(dm, QStringLiteral("0"), parent),
      saldo_(SaldoCorrido::descuenta_causadas(dm)) {
    saldo_.instale(filas());
}

QString MovimientoProveedor::llamada(const QStringList& argumentos) {
    return QStringLiteral(" select * from rep_movimiento_proveedor (") + argumentos.join(',') +
           QStringLiteral(")");
}

QString MovimientoProveedor::consulta() const {
    const QStringList a = argumentos_periodo()
                          << sql::number(criterios.moneda) << sql::number(agencia());
    // Suppliers with nothing moved, owed or paid in the period are left out.
    return llamada(a) +
           QStringLiteral(" where DEBITO <> 0 OR CREDITO <> 0 OR SALDO <> 0 OR ABONO <> 0") +
           QStringLiteral(" order by ") + orden_agrupacion() +
           (criterios.por_nombre ? QStringLiteral(" NOMBRE, FECHA")
                                 : QStringLiteral(" NIT, FECHA"));
}

}  // namespace ledgrix
