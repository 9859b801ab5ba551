#include "reports/listados/retencion_proveedor.h"

namespace ledgrix {

// Group codes are two characters: "00" is the first of them.
RetencionProveedor::RetencionProveedor(Tfdm& dm, QObject* parent)
    : ReportePeriodo(dm, QStringLiteral("00"), parent) {}

QString RetencionProveedor::consulta() const {
    return QStringLiteral(" select * from rep_retencion_proveedor (") +
           argumentos_periodo().join(QLatin1Char(',')) + QStringLiteral(")") +
           QStringLiteral(" order by ") + orden_agrupacion() +
           (criterios.por_nombre ? QStringLiteral(" NOMBRE") : QStringLiteral(" NIT"));
}

}  // namespace ledgrix
