#include "reports/movimiento/saldo_corrido.h"

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

bool SaldoCorrido::descuenta_causadas(Tfdm& dm) {
    return dm.configuracion_si(QStringLiteral("CXPAGAR"), QStringLiteral("SALDOS"),
                               QStringLiteral("DESCONTAR RETENCIONES POR CAUSACION"));
}

void SaldoCorrido::reinicie() {
    hay_anterior_ = false;
    nit_.clear();
    saldo_ = {};
}

Currency SaldoCorrido::siga(const Fila& f) {
    if (!hay_anterior_ || f.nit != nit_)
        saldo_ = f.inicial;
    Currency s = saldo_ + f.debito - f.credito - f.abono;
    // A payment's row brings no withholdings of the document; a document's
    // row brings those its recording took, which count only when the
    // balance was lowered by them then.
    if (!f.abono.isZero() && !descuenta_)
        s += f.retenciones;
    if (f.abono.isZero() && descuenta_)
        s -= f.retenciones;
    saldo_ = s;
    nit_ = f.nit;
    hay_anterior_ = true;
    return s;
}

Field& SaldoCorrido::instale(ClientDataset& filas) {
    Field& saldof = filas.addCalculatedField(QStringLiteral("SALDOF"), Field::Type::Currency);
    // What the balance took off a row for its withholdings, so that a
    // printed statement shows why it moved less than the row's debit.
    filas.addCalculatedField(QStringLiteral("RETENIDO"), Field::Type::Currency);
    // The first packet of a run starts the balance over; later packets of
    // the same run go on from where the previous one ended. The run's
    // columns are found then, once: a statement brings tens of thousands
    // of rows, and each run makes its columns anew.
    auto antes = filas.beforeFetch;
    filas.beforeFetch = [this, antes](ClientDataset& ds) {
        if (ds.recordCount() == 0) {
            reinicie();
            const auto f = [&ds](const char* c) { return &ds.fieldByName(QString::fromLatin1(c)); };
            c_ = {f("NIT"),   f("INICIAL"), f("DEBITO"), f("CREDITO"), f("ABONO"),
                  f("RTFTE"), f("RTIVA"),   f("RTICA"),  f("SALDOF"),  f("RETENIDO")};
        }
        if (antes)
            antes(ds);
    };
    filas.onCalcFields = [this](ClientDataset&) {
        if (!c_.nit)
            return;  // a row made before any was read
        const Fila f{c_.nit->asString(),
                     c_.inicial->asCurrency(),
                     c_.debito->asCurrency(),
                     c_.credito->asCurrency(),
                     c_.abono->asCurrency(),
                     c_.rtfte->asCurrency() + c_.rtiva->asCurrency() + c_.rtica->asCurrency()};
        const Currency antes = f.nit == nit_ && hay_anterior_ ? saldo_ : f.inicial;
        const Currency despues = siga(f);
        c_.saldof->setCurrency(despues);
        c_.retenido->setCurrency(antes + f.debito - f.credito - f.abono - despues);
    };
    return saldof;
}

}  // namespace ledgrix
