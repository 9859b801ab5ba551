#include <QSqlQuery>
#include <map>

#include "core/money/currency.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "tools/admin/historia/entrada.h"

namespace ledgrix::historia {
namespace {

// What the purchasing module takes from a supplier's invoice.
struct Retenciones {
    Currency fuente, baseFuente, iva, ica, baseIca;
    int diasPago = 0;
};

std::map<QString, Retenciones> retenciones(const Tfdm& dm) {
    std::map<QString, Retenciones> r;
    auto q = dm.sql().select(QStringLiteral(
        "select TERC_NIT, PROV_RETEFTE, PROV_RTFTEBASE, PROV_RTEIVA, PROV_RTEICA, PROV_RTICABASE, "
        "PROV_DIASPAGO from PROVEEDORES"));
    while (q && q->next())
        r[q->value(0).toString()] = {decimal(*q, 1), decimal(*q, 2), decimal(*q, 3),
                                     decimal(*q, 4), decimal(*q, 5), q->value(6).toInt()};
    return r;
}

QString cifra(Currency c) {
    return c.toString(2);
}

}  // namespace

// Purchase invoices belong to the purchasing module: they are written as
// its window stores them, withholdings taken on recording as the default
// setting says, due on the supplier's payment days. The ledger's triggers
// open each invoice's position.
bool registreFacturas(Entrada& e) {
    const auto perfiles = retenciones(e.dm);
    Transaccion unidad(e.dm.Ledgrix());
    qint64 id = e.dm.sql()
                    .scalar(QStringLiteral("select coalesce(max(FACO_ID), 0) from FACTURAS_COMPRA"))
                    .toLongLong();
    qint64 numero =
        e.dm.sql()
            .scalar(QStringLiteral("select coalesce(max(cast(FACO_NUMERO as integer)), 0) "
                                   "from FACTURAS_COMPRA where PREF_PRE = '0000'"))
            .toLongLong();
    const Currency cien = Currency::fromInt(100), mil = Currency::fromInt(1000);
    for (std::size_t i = 0; i < e.plan.documentos.size(); ++i) {
        const Documento& f = e.plan.documentos[i];
        if (f.clase != Clase::Factura)
            continue;
        const auto p = perfiles.find(f.nit);
        if (p == perfiles.end())
            return e.falle(QStringLiteral("El proveedor %1 no está registrado.").arg(f.nit));
        const Retenciones& r = p->second;
        Currency trm = Currency::fromInt(1);
        Currency monto = Currency::fromInt(f.monto);
        if (f.moneda != 1) {
            trm = Currency::fromUnits(e.plan.tasa(f.fecha) * 100);
            monto = R(monto * trm, -2);
        }
        const Currency iva = R(monto * Currency::fromInt(f.iva) / cien, 0);
        Currency rtfte, rtiva, rtica;
        // Imports carry no Colombian withholdings.
        if (f.moneda == 1) {
            if (monto > r.baseFuente) {
                rtfte = R(monto * r.fuente / cien, 0);
                rtiva = R(iva * r.iva / cien, 0);
            }
            if (monto > r.baseIca)
                rtica = R(monto * r.ica / mil, 0);
        }
        e.ids[i] = ++id;
        if (!e.dm.sql().execute(
                QStringLiteral(
                    "insert into FACTURAS_COMPRA (FACO_ID, PREF_PRE, FACO_NUMERO, FACO_FECHA, "
                    "FACO_VENCE, TERC_NIT, FACO_CONC, FACO_NUMPROV, FACO_MONTO, FACO_IVAMONTO, "
                    "FACO_RTFTEMONTO, FACO_RTIVAMONTO, FACO_RTICAMONTO, FACO_MONEDA, FACO_TRM, "
                    "FACO_USUARIO) values (%1, '0000', %2, %3, %4, %5, %6, %7, %8, %9, %10, %11, "
                    "%12, %13, %14, 'ADMIN')")
                    .arg(sql::number(id),
                         sql::quoted(QStringLiteral("%1").arg(++numero, 6, 10, QLatin1Char('0'))),
                         sql::date(f.fecha), sql::date(f.fecha.addDays(r.diasPago)),
                         sql::quoted(f.nit), sql::quoted(f.concepto), sql::quoted(f.numprov),
                         cifra(monto), cifra(iva))
                    .arg(cifra(rtfte), cifra(rtiva), cifra(rtica), sql::number(f.moneda),
                         trm.toString(4))))
            return e.falle(QStringLiteral("No se pudo registrar la factura de compra %1 de %2.")
                               .arg(f.numprov, f.nit));
    }
    if (!unidad.confirme())
        return e.falle(QStringLiteral("No se pudieron registrar las facturas de compra."));
    return true;
}

}  // namespace ledgrix::historia
