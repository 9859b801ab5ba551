#include "reports/impresos/analisis_impreso.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/analisis/tramos.h"
#include "reports/motor/reporte.h"

namespace ledgrix {

AnalisisImpreso::AnalisisImpreso(Tfdm& dm, QObject* parent) : ReporteImpreso(dm, parent) {
    ancho = dm.configuracion(QStringLiteral("CXPAGAR"), QStringLiteral("ANALISIS"),
                             QStringLiteral("RANGO DE DIAS PARA EL ANALISIS DE CUENTAS POR PAGAR"));
}

QString AnalisisImpreso::nombre_reporte() const {
    return detalle ? QStringLiteral("detallado") : QStringLiteral("consolidado");
}

QString AnalisisImpreso::titulo_reporte() const {
    return QStringLiteral("ANALISIS DE CUENTAS POR PAGAR ") +
           (por_vencer ? QStringLiteral("POR VENCER ") : QString()) +
           (detalle ? QStringLiteral("DETALLADO") : QStringLiteral("CONSOLIDADO"));
}

bool AnalisisImpreso::valide_propios() {
    if (!encabezados_tramos(ancho, por_vencer)) {
        dm().dialogs().error(
            QStringLiteral("'%1' no es un valor entero válido de días.").arg(ancho.left(20)));
        return false;
    }
    return true;
}

QString AnalisisImpreso::consulta() const {
    const Rango p = proveedores();
    const Rango g = grupos();
    const QStringList a{sql::quoted(p.desde),
                        sql::quoted(p.hasta),
                        sql::quoted(g.desde),
                        sql::quoted(g.hasta),
                        sql::date(criterios.corte),
                        detalle ? QStringLiteral("'S'") : QStringLiteral("'N'"),
                        flag_orden(),
                        flag_agrupado(),
                        sql::number(ancho.trimmed().toInt()),
                        sql::number(agencia()),
                        por_vencer ? QStringLiteral("'S'") : QStringLiteral("'N'"),
                        sql::number(criterios.moneda)};
    QString q =
        QStringLiteral("select * from rep_analisis_cxpagar (") + a.join(',') + QStringLiteral(")");
    if (solo_vencidos)
        q += QStringLiteral(" where VENCE < ") + sql::date(criterios.corte);
    else if (!incluir_sin_cartera)
        q += QStringLiteral(" where SALDO <> 0");
    return q + orden_documentos(QStringLiteral("GRUPO"));
}

void AnalisisImpreso::ajuste(Reporte& reporte) const {
    reporte.texto(QStringLiteral("titulo_reporte"), titulo_reporte());
    const QStringList tramos = encabezados_tramos(ancho, por_vencer).value_or(QStringList());
    for (int i = 0; i < tramos.size(); ++i)
        reporte.texto(QStringLiteral("tramo%1").arg(i), tramos[i]);
}

}  // namespace ledgrix
