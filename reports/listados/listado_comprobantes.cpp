#include "reports/listados/listado_comprobantes.h"

#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

const QString kAnulado = QStringLiteral("ANULADO");
// The amounts the layouts add up; an annulled voucher is listed, marked,
// and counts for nothing in the totals.
const char* const kSumados[] = {"MONTO",      "IVAMONTO", "RTFTEMONTO", "RTIVAMONTO",
                                "RTICAMONTO", "TOTAL",    "NETO",       "ABONO"};

QString bandera(bool si) {
    return si ? QStringLiteral("'S'") : QStringLiteral("'N'");
}

}  // namespace

ListadoComprobantes::ListadoComprobantes(Tfdm& dm, Orden orden, QObject* parent)
    : ReporteImpreso(dm, parent), orden_(orden) {
    ClientDataset& ds = filas();
    ds.addCalculatedField(QStringLiteral("MARCA"), Field::Type::String, 7);
    for (const char* c : kSumados)
        ds.addCalculatedField(QLatin1String(c) + QStringLiteral("_VIGENTE"), Field::Type::Currency);
    ds.onCalcFields = [](ClientDataset& x) {
        const bool anulado = x.fieldByName(QStringLiteral("ANULADO")).asString() == u"S";
        x.fieldByName(QStringLiteral("MARCA")).setValue(anulado ? kAnulado : QString());
        for (const char* c : kSumados) {
            const QString nombre = QLatin1String(c);
            x.fieldByName(nombre + QStringLiteral("_VIGENTE"))
                .setCurrency(anulado ? Currency() : x.fieldByName(nombre).asCurrency());
        }
    };
}

int ListadoComprobantes::mascara() const {
    if (detalle)
        return 4;
    return (notas_debito ? 1 : 0) + (notas_credito ? 2 : 0) + (aplicaciones ? 4 : 0) +
           (anticipos ? 8 : 0);
}

QString ListadoComprobantes::nombre_reporte() const {
    const bool c = orden_ == Orden::Consecutivo;
    if (detalle)
        return c ? QStringLiteral("consecutdet") : QStringLiteral("cronologicodet");
    return c ? QStringLiteral("consecutcon") : QStringLiteral("cronologicocon");
}

QString ListadoComprobantes::archivo_exportacion() const {
    return orden_ == Orden::Consecutivo ? QStringLiteral("RepConsecutivo")
                                        : QStringLiteral("RepCronologico");
}

bool ListadoComprobantes::valide_propios() {
    if (mascara() == 0) {
        dm().dialogs().error(
            QStringLiteral("Marque al menos una clase de comprobante: notas débito, notas "
                           "crédito, aplicaciones o anticipos."));
        return false;
    }
    if (!admisible(prefijos.desde, 4, QStringLiteral("El prefijo inicial")) ||
        !admisible(prefijos.hasta, 4, QStringLiteral("El prefijo final")))
        return false;
    if (orden_ == Orden::Cronologico)
        return valide_periodo();
    return admisible(numeros.desde, 8, QStringLiteral("El número inicial")) &&
           admisible(numeros.hasta, 8, QStringLiteral("El número final"));
}

QString ListadoComprobantes::titulo_predeterminado() const {
    const Rango p = prefijos.efectivo(QStringLiteral("0"), QStringLiteral("ZZ"));
    if (orden_ == Orden::Cronologico)
        return QStringLiteral("Fecha: %1 - %2  Prefijos: %3 - %4")
            .arg(sql::dateText(criterios.desde), sql::dateText(criterios.hasta), p.desde, p.hasta);
    const Rango n = numeros.efectivo(QStringLiteral("0"), QStringLiteral("ZZ"));
    return QStringLiteral("Prefijos: %1 - %2  Números: %3 - %4")
        .arg(p.desde, p.hasta, n.desde, n.hasta);
}

QString ListadoComprobantes::consulta() const {
    return orden_ == Orden::Consecutivo ? consecutiva() : cronologica();
}

QString ListadoComprobantes::consecutiva() const {
    const Rango p = prefijos.efectivo(QStringLiteral("0"), QStringLiteral("ZZ"));
    const Rango n = numeros.efectivo(QStringLiteral("0"), QStringLiteral("ZZ"));
    const QStringList a{bandera(detalle),      sql::quoted(p.desde), sql::quoted(p.hasta),
                        sql::quoted(n.desde),  sql::quoted(n.hasta), bandera(anulados),
                        sql::number(agencia())};
    return QStringLiteral("select * from REP_CONSECUTIVOS_CXPAGAR(") + sql::number(mascara()) +
           QStringLiteral(",") + a.join(QLatin1Char(',')) +
           QStringLiteral(") order by prefijo, numero");
}

QString ListadoComprobantes::cronologica() const {
    QString q = QStringLiteral("select * from rep_comprobantes_cxpagar(") + sql::number(mascara()) +
                QStringLiteral(",") + bandera(detalle) + QStringLiteral(",") +
                sql::date(criterios.desde) + QStringLiteral(",") + sql::date(criterios.hasta) +
                QStringLiteral(", '', ") + bandera(anulados) + QStringLiteral(", ") +
                sql::number(agencia()) + QStringLiteral(")");
    const QString desde = prefijos.desde.trimmed();
    if (!desde.isEmpty()) {
        const QString hasta = prefijos.hasta.trimmed();
        q += QStringLiteral(" where PREF >= ") + sql::quoted(desde) +
             QStringLiteral(" and PREF <= ") + sql::quoted(hasta.isEmpty() ? desde : hasta);
    }
    return q + QStringLiteral(" order by fecha");
}

}  // namespace ledgrix
