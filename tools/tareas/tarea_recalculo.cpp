// The balance recalculation of a range of suppliers, as its window runs it;
// the documents it repaired optionally listed in a CSV file.
#include <QDir>

#include "core/export/export_writers.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/recalculo/recalculo_saldos.h"
#include "tools/tareas/orden.h"
#include "tools/tareas/trabajo.h"

namespace ledgrix::tareas {

namespace {
QString S(const char* texto) {
    return QString::fromUtf8(texto);
}
}  // namespace

Resultado recalculo(Trabajo& t) {
    const Orden& o = t.orden;
    const QString desde = o.valor(QStringLiteral("--desde")).trimmed();
    const QString hasta = o.valor(QStringLiteral("--hasta")).trimmed();
    const std::optional<QList<ErrorSaldo>> errores =
        RecalculoSaldos(t.dm).recalcule(desde, hasta, t.progreso);
    if (!errores)
        return Resultado::falla(S("no se recalcularon los saldos de %1 a %2.").arg(desde, hasta));
    ExportTable tabla;
    tabla.title = S("Errores presentados durante el chequeo de saldos.");
    tabla.titles = {S("ID"), S("TIPO"), S("PREF"), S("NUMERO"), S("ERROR")};
    tabla.numeric = {true, true, false, false, false};
    for (const ErrorSaldo& e : *errores) {
        tabla.rows.push_back({QString::number(e.id), QString::number(e.tipo), e.prefijo.trimmed(),
                              e.numero.trimmed(), e.error});
        t.errores << S("Corregido: %1 %2%3 %4")
                         .arg(e.tipo)
                         .arg(e.prefijo.trimmed(), e.numero.trimmed(), e.error)
                  << Qt::endl;
    }
    QString resumen = S("recalculo: proveedores %1 a %2, %3 documentos corregidos")
                          .arg(desde, hasta)
                          .arg(errores->size());
    if (o.tiene(QStringLiteral("--salida"))) {
        const QString ruta = o.valor(QStringLiteral("--salida"));
        QString error;
        if (!writeCsv(tabla, ruta, &error))
            return Resultado::falla(error);
        resumen += S(", en ") + QDir::toNativeSeparators(ruta);
    }
    return Resultado::ok(resumen);
}

}  // namespace ledgrix::tareas
