#include "core/data/field.h"
#include "core/sql/runner.h"
#include "core/tfdm/tfdm.h"
#include "payables/cargos/cargo.h"
#include "tools/admin/historia/entrada.h"

namespace ledgrix::historia {

// Charges go in through the charge window's logic, day by day as a clerk
// would have typed them: supplier, VAT, amount, the supplier's number, the
// purchase invoice they arise from, F2. Saving posts each one in both books.
bool registreCargos(Entrada& e) {
    Cargo cargo(e.dm);
    qint64 guardado = 0;
    cargo.imprima = [&guardado](qint64 id) { guardado = id; };
    bool abierto = false;
    int orden = 0;
    for (std::size_t i = 0; i < e.plan.documentos.size(); ++i) {
        const Documento& c = e.plan.documentos[i];
        if (c.clase != Clase::Cargo)
            continue;
        e.vayaA(c.fecha, ++orden);
        if (!abierto) {
            if (!cargo.abra())
                return e.falle(QStringLiteral("No se pudo abrir la ventana de cargos."));
            abierto = true;
        } else {
            // A new charge takes its dates from the clock.
            cargo.prepare_nuevo();
        }
        cargo.cambie_nit(c.nit);
        cargo.cambie_porcentaje(Cargo::Porcentaje::Iva, Currency::fromInt(c.iva));
        cargo.cambie_monto(Currency::fromInt(c.monto));
        cargo.campo(QStringLiteral("NDPR_CONC")).setValue(c.concepto);
        if (!c.numprov.isEmpty())
            cargo.cambie_numprov(c.numprov);
        if (c.factura >= 0) {
            Cargo::Recibidos desde;
            desde.factura = e.ids[std::size_t(c.factura)];
            cargo.reciba(desde);
        }
        guardado = 0;
        if (!cargo.grabe() || guardado == 0 || !e.mensajes.primerError.isEmpty())
            return e.falle(QStringLiteral("No se pudo grabar el cargo de %1 del %2.")
                               .arg(c.nit, c.fecha.toString(QStringLiteral("yyyy/MM/dd"))));
        e.ids[i] = guardado;
    }
    const int pendientes =
        e.dm.sql()
            .scalar(QStringLiteral("select count(*) from DOCUMENTOS_POR_CONTABILIZAR"))
            .toInt();
    if (pendientes != 0)
        return e.falle(QStringLiteral("Quedaron %1 cargos sin contabilizar.").arg(pendientes));
    return true;
}

}  // namespace ledgrix::historia
