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
    // the same run go on from where the previous one ended.
    auto antes = filas.beforeFetch;
    filas.beforeFetch = [this, antes](ClientDataset& ds) {
        if (ds.recordCount() == 0)
            reinicie();
        if (antes)
            antes(ds);
    };
    filas.onCalcFields = [this](ClientDataset& ds) {
        const auto monto = [&ds](const char* c) {
            return ds.fieldByName(QString::fromLatin1(c)).asCurrency();
        };
        const Fila f{ds.fieldByName(QStringLiteral("NIT")).asString(),
                     monto("INICIAL"),
                     monto("DEBITO"),
                     monto("CREDITO"),
                     monto("ABONO"),
                     monto("RTFTE") + monto("RTIVA") + monto("RTICA")};
        const Currency antes = f.nit == nit_ && hay_anterior_ ? saldo_ : f.inicial;
        const Currency despues = siga(f);
        ds.fieldByName(QStringLiteral("SALDOF")).setCurrency(despues);
        ds.fieldByName(QStringLiteral("RETENIDO"))
            .setCurrency(antes + f.debito - f.credito - f.abono - despues);
    };
    return saldof;
}

}  // namespace ledgrix
