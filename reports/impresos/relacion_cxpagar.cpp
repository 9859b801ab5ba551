#include "reports/impresos/relacion_cxpagar.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

RelacionCxPagar::RelacionCxPagar(Tfdm& dm, QObject* parent) : ReporteImpreso(dm, parent) {
    vence_desde = vence_hasta = criterios.corte;
}

QString RelacionCxPagar::nombre_reporte() const {
    return detalle ? QStringLiteral("detallado") : QStringLiteral("consolidado");
}

bool RelacionCxPagar::valide_propios() {
    if (detalle && rangos_vencimiento &&
        (!vence_desde.isValid() || !vence_hasta.isValid() || vence_hasta < vence_desde)) {
        dm().dialogs().error(
            QStringLiteral("El rango de vencimientos no es válido: la fecha final es anterior a "
                           "la inicial."));
        return false;
    }
    return true;
}

QString RelacionCxPagar::consulta() const {
    const Rango p = proveedores();
    const Rango g = grupos();
    QStringList a{sql::quoted(p.desde), sql::quoted(p.hasta),       sql::quoted(g.desde),
                  sql::quoted(g.hasta), sql::date(criterios.corte), flag_orden(),
                  flag_agrupado(),      sql::number(agencia())};
    if (detalle) {
        a << (diferencia_cambio ? QStringLiteral("'S'") : QStringLiteral("'N'"))
          << sql::number(criterios.moneda);
        QString q = QStringLiteral("select * from rep_cxpagar_proveedor(") + a.join(',') +
                    QStringLiteral(")");
        if (rangos_vencimiento)
            q += QStringLiteral(" where (VENCE >= ") + sql::date(vence_desde) +
                 QStringLiteral(") and (VENCE <= ") + sql::date(vence_hasta) + QStringLiteral(")");
        return q + orden_documentos(QStringLiteral("CODZONA"));
    }
    a << sql::number(criterios.moneda);
    QString q = QStringLiteral("select * from rep_cxpagar_consolidadas  (") + a.join(',') +
                QStringLiteral(")");
    if (!incluir_sin_saldo)
        q += QStringLiteral(" where SALDO <> 0");
    return q + QStringLiteral(" order by ") +
           (agrupado() ? QStringLiteral(" CODZONA, ") : QString()) +
           (criterios.por_nombre ? QStringLiteral(" NOMBRE") : QStringLiteral(" NIT"));
}

}  // namespace ledgrix
