#include "reports/consulta/lectura_reporte.h"

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

ClientDataset* conjunto_reporte(Tfdm& dm, QObject* owner, const QString& nombre) {
    auto* p = new Provider(owner, QStringLiteral("P") + nombre);
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(QStringLiteral("Q") + nombre);
    p->setAllowCommandText(true);
    auto* ds = new ClientDataset(owner, QStringLiteral("C") + nombre);
    ds->setProvider(p);
    return ds;
}

bool pide_moneda(Tfdm& dm) {
    return dm.configuracion_si(
        QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
        QStringLiteral("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"));
}

QList<QPair<int, QString>> monedas(Tfdm& dm) {
    QList<QPair<int, QString>> lista;
    if (!pide_moneda(dm))
        return lista;
    auto q = dm.sql().select(
        QStringLiteral("select TIMO_COD, TIMO_NOMBRE from TIPOS_MONEDA order by TIMO_COD"));
    while (q && q->next())
        lista.append({q->value(0).toInt(), q->value(1).toString().trimmed()});
    return lista;
}

}  // namespace ledgrix
