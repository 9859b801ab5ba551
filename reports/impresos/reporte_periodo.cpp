#include "reports/impresos/reporte_periodo.h"

#include <utility>

#include "core/sql/sqltext.h"

namespace ledgrix {

ReportePeriodo::ReportePeriodo(Tfdm& dm, QString grupo_minimo, QObject* parent)
    : ReporteImpreso(dm, parent), grupo_minimo_(std::move(grupo_minimo)) {}

Rango ReportePeriodo::grupos_periodo() const {
    return criterios.grupos.efectivo(grupo_minimo_, QStringLiteral("zz"));
}

QString ReportePeriodo::nombre_reporte() const {
    return detalle ? QStringLiteral("detallado") : QStringLiteral("consolidado");
}

QString ReportePeriodo::titulo_predeterminado() const {
    const Rango p = proveedores();
    const Rango g = grupos_periodo();
    return QStringLiteral("Fecha: %1 - %2  Proveedores: %3 - %4  Grupos: %5 - %6")
        .arg(sql::dateText(criterios.desde), sql::dateText(criterios.hasta), p.desde, p.hasta,
             g.desde, g.hasta);
}

QStringList ReportePeriodo::argumentos_periodo() const {
    const Rango p = proveedores();
    const Rango g = grupos_periodo();
    return {sql::quoted(p.desde),
            sql::quoted(p.hasta),
            sql::quoted(g.desde),
            sql::quoted(g.hasta),
            sql::date(criterios.desde),
            sql::date(criterios.hasta),
            detalle ? QStringLiteral("'S'") : QStringLiteral("'N'"),
            flag_orden(),
            flag_agrupamiento()};
}

}  // namespace ledgrix
