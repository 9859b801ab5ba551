#include "reports/impresos/documentos_proveedor.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

DocumentosProveedor::DocumentosProveedor(Tfdm& dm, QObject* parent) : ReporteImpreso(dm, parent) {
    hasta = criterios.corte;
    desde = QDate(hasta.year(), hasta.month(), 1);
}

QStringList DocumentosProveedor::comprobantes() {
    return {QStringLiteral("Nota Debito"), QStringLiteral("Nota Credito"),
            QStringLiteral("Aplicación"), QStringLiteral("Pago"), QStringLiteral("Anticipos")};
}

QString DocumentosProveedor::nombre_reporte() const {
    return detalle ? QStringLiteral("detallado") : QStringLiteral("consolidado");
}

Rango DocumentosProveedor::rango_proveedores() const {
    return criterios.por_nombre
               ? criterios.proveedores.efectivo(QStringLiteral("0"), QStringLiteral("ZZ"))
               : criterios.proveedores.efectivo(QStringLiteral("0"), QStringLiteral("999999999"));
}

bool DocumentosProveedor::valide_propios() {
    if (comprobante < 0 || comprobante >= comprobantes().size()) {
        dm().dialogs().error(QStringLiteral("Escoja el tipo de comprobante."));
        return false;
    }
    if (!desde.isValid() || !hasta.isValid() || hasta < desde) {
        dm().dialogs().error(
            QStringLiteral("El rango de fechas no es válido: la fecha final es anterior a la "
                           "inicial."));
        return false;
    }
    return true;
}

QString DocumentosProveedor::titulo_predeterminado() const {
    const Rango p = rango_proveedores();
    const Rango g = grupos();
    return QStringLiteral("%1  Fecha: %2 - %3  Proveedores: %4 - %5  Grupos: %6 - %7")
        .arg(comprobantes().value(comprobante), sql::dateText(desde), sql::dateText(hasta), p.desde,
             p.hasta, g.desde, g.hasta);
}

QString DocumentosProveedor::consulta() const {
    const Rango p = rango_proveedores();
    const Rango g = grupos();
    const QStringList a{
        sql::number(51 + comprobante),
        sql::date(desde),
        sql::date(hasta),
        sql::quoted(p.desde),
        sql::quoted(p.hasta),
        sql::quoted(g.desde),
        sql::quoted(g.hasta),
        criterios.por_nombre ? QStringLiteral("'t.terc_nom'") : QStringLiteral("'t.terc_nit'"),
        detalle ? QStringLiteral("'S'") : QStringLiteral("'N'"),
        criterios.por_nombre ? QStringLiteral("'Z'") : QStringLiteral("'C'"),
        flag_agrupamiento(),
        sql::number(agencia())};
    QString q = QStringLiteral("select * from rep_documentos_proveedor(") + a.join(',') +
                QStringLiteral(")");
    if (!anulados)
        q += QStringLiteral(" where ANULADO <> 'S'");
    return q + QStringLiteral(" order by ") + orden_agrupacion() +
           (criterios.por_nombre ? QStringLiteral(" NOMBRE") : QStringLiteral(" NIT"));
}

}  // namespace ledgrix
