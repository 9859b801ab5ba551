#include "parties/evaluacion/criterios.h"

#include <algorithm>

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/money/formato_numero.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const Currency kCien = Currency::fromInt(100);

}  // namespace

CriteriosProveedor::CriteriosProveedor(Tfdm& dm, QObject* parent)
    : QObject(parent),
      dm_(dm),
      filas_(conjunto(this, dm.Ledgrix(), S("Criterios"),
                      S("select CIPR_COD, CIPR_NOMBRE, CIPR_PESO from CRITERIOS_PROVEEDOR "
                        "order by CIPR_COD"))) {
    filas_->declareField(S("CIPR_COD"), Field::Type::Integer).setDisplayLabel(S("Código"));
    filas_->declareField(S("CIPR_NOMBRE")).setDisplayLabel(S("Criterio"));
    filas_->declareField(S("CIPR_PESO"), Field::Type::Currency).setDisplayLabel(S("Peso"));
    filas_->setUniqueIndex({S("CIPR_COD")});
    // A new criterion takes the next free code.
    filas_->onNewRecord = [](ClientDataset& ds) {
        const int i = ds.fieldByName(S("CIPR_COD")).index();
        qint64 mayor = 0;
        for (int fila = 0; fila < ds.recordCount(); ++fila)
            mayor = std::max(mayor, ds.valueAt(fila, i).toLongLong());
        ds.fieldByName(S("CIPR_COD")).setValue(mayor + 1);
        ds.fieldByName(S("CIPR_PESO")).setCurrency(Currency());
    };
    dm.ConfigurarProviders(this);
    filas_->setPacketSize(-1);
}

bool CriteriosProveedor::abra() {
    filas_->close();
    return filas_->open();
}

Currency CriteriosProveedor::suma_pesos() const {
    Currency suma;
    const int i = filas_->fieldByName(S("CIPR_PESO")).index();
    for (int fila = 0; fila < filas_->recordCount(); ++fila)
        suma += fila == filas_->recNo() ? filas_->fieldByName(S("CIPR_PESO")).asCurrency()
                                        : Field::currencyOf(filas_->valueAt(fila, i));
    return suma;
}

bool CriteriosProveedor::valide() {
    const int nombre = filas_->fieldByName(S("CIPR_NOMBRE")).index();
    const int peso = filas_->fieldByName(S("CIPR_PESO")).index();
    for (int fila = 0; fila < filas_->recordCount(); ++fila) {
        const Currency p = Field::currencyOf(filas_->valueAt(fila, peso));
        if (filas_->valueAt(fila, nombre).toString().trimmed().isEmpty() || p < Currency() ||
            p > kCien) {
            filas_->moveTo(fila);
            dm_.dialogs().error(S("Cada criterio necesita un nombre y un peso entre 0 y 100."));
            return false;
        }
    }
    const Currency suma = suma_pesos();
    // No criteria at all rates nobody, which is not a wrong weighting.
    if (filas_->isEmpty() || suma == kCien)
        return true;
    dm_.dialogs().error(S("Los pesos de los criterios suman %1 y deben sumar 100. "
                          "No se grabaron los cambios.")
                            .arg(FormatoNumero::instalacion().escriba(suma)));
    return false;
}

bool CriteriosProveedor::grabe() {
    if (!filas_->post() || !valide())
        return false;
    return filas_->applyUpdates(0) == 0;
}

void CriteriosProveedor::cancele() {
    filas_->cancel();
    filas_->cancelUpdates();
}

}  // namespace ledgrix
