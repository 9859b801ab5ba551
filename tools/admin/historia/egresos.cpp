#include <QSqlQuery>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/money/currency.h"
#include "core/sql/runner.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso.h"
#include "payments/egresos/medios_pago.h"
#include "tools/admin/historia/entrada.h"

namespace ledgrix::historia {

namespace {

// The reference of a stored document, as the payables picker hands it over.
bool referencia(Entrada& e, int tipo, qint64 id, DocumentoSeleccionado& d) {
    auto q = e.dm.sql().select(
        QStringLiteral("select MVPR_PREFIJO, MVPR_NUMERO from MOVIMIENTO_PROVEEDOR where "
                       "MVPR_TIPOREF = %1 and MVPR_IDREF = %2")
            .arg(tipo)
            .arg(id));
    if (!q || !q->next())
        return false;
    d = {tipo, id, q->value(0).toString(), q->value(1).toString(), {}};
    return true;
}

}  // namespace

// Vouchers go in through the voucher window's logic, on their day: the
// supplier, each document picked, the last one cut to its share, the bank
// or the cash box for the whole amount, F2. Saving settles the documents
// and posts the voucher in both books.
bool registreEgresos(Entrada& e) {
    Egreso egreso(e.dm);
    qint64 guardado = 0;
    egreso.imprima = [&guardado](qint64 id) { guardado = id; };
    bool abierto = false;
    int orden = 0;
    for (const Documento& p : e.plan.documentos) {
        if (p.clase != Clase::Egreso)
            continue;
        e.vayaA(p.fecha, 500 + ++orden);
        if (!abierto) {
            if (!egreso.abra())
                return e.falle(QStringLiteral("No se pudo abrir la ventana de egresos."));
            abierto = true;
        } else {
            egreso.prepare_nuevo();
        }
        egreso.cambie_nit(p.nit);
        for (std::size_t k = 0; k < p.paga.size(); ++k) {
            const std::size_t i = std::size_t(p.paga[k]);
            const int tipo = e.plan.documentos[i].clase == Clase::Cargo ? 51 : 21;
            DocumentoSeleccionado d;
            if (!referencia(e, tipo, e.ids[i], d))
                return e.falle(
                    QStringLiteral("No se encontró el documento %1 a pagar.").arg(e.ids[i]));
            egreso.reciba_documento_cxp(d);
            if (p.parte != 100 && k + 1 == p.paga.size()) {
                ClientDataset& lineas = egreso.documentos();
                Field& abono = lineas.fieldByName(QStringLiteral("EGDE_ABONO"));
                lineas.edit();
                abono.setCurrency(
                    R(abono.asCurrency() * Currency::fromInt(p.parte) / Currency::fromInt(100), 3));
                lineas.post();
            }
        }
        egreso.continue_documentos();
        MediosPago& medios = egreso.medios();
        const bool ok = p.banco ? medios.abra_banco() && medios.continue_banco()
                                : medios.abra_caja() && medios.continue_caja();
        guardado = 0;
        if (!ok || !egreso.grabe() || guardado == 0 || !e.mensajes.primerError.isEmpty())
            return e.falle(QStringLiteral("No se pudo grabar el egreso de %1 del %2. %3")
                               .arg(p.nit, p.fecha.toString(QStringLiteral("yyyy/MM/dd")),
                                    e.mensajes.primerError));
    }
    return true;
}

}  // namespace ledgrix::historia
