#include "reports/listados/retencion_proveedor.h"

#include "core/sql/sqltext.h"

namespace ledgrix {

RetencionProveedor::RetencionProveedor(Tfdm& dm, QObject* parent) : ReporteImpreso(dm, parent) {}

QString RetencionProveedor::nombre_reporte() const {
    return detalle ? QStringLiteral("detallado") : QStringLiteral("consolidado");
}

// Group codes are two characters: "00" is the first of them.
Rango RetencionProveedor::rango_grupos() const {
    return criterios.grupos.efectivo(QStringLiteral("00"), QStringLiteral("zz"));
}

QString RetencionProveedor::titulo_predeterminado() const {
    const Rango p = proveedores();
    const Rango g = rango_grupos();
    return QStringLiteral("Fecha: %1 - %2  Proveedores: %3 - %4  Grupos: %5 - %6")
        .arg(sql::dateText(criterios.desde), sql::dateText(criterios.hasta), p.desde, p.hasta,
             g.desde, g.hasta);
}

QString RetencionProveedor::consulta() const {
    const Rango p = proveedores();
    const Rango g = rango_grupos();
    const QStringList a{sql::quoted(p.desde),
                        sql::quoted(p.hasta),
                        sql::quoted(g.desde),
                        sql::quoted(g.hasta),
                        sql::date(criterios.desde),
                        sql::date(criterios.hasta),
                        detalle ? QStringLiteral("'S'") : QStringLiteral("'N'"),
                        flag_orden(),
                        flag_agrupamiento()};
    return QStringLiteral(" select * from rep_retencion_proveedor (") + a.join(QLatin1Char(',')) +
           QStringLiteral(")") + QStringLiteral(" order by ") + orden_agrupacion() +
           (criterios.por_nombre ? QStringLiteral(" NOMBRE") : QStringLiteral(" NIT"));
}

}  // namespace ledgrix
