#include "reports/motor/fuente.h"

#include "core/data/client_dataset.h"

namespace ledgrix {

FuenteDataset::FuenteDataset(ClientDataset& filas) : filas_(filas) {
    filas_.fetchAll();
}

int FuenteDataset::filas() const {
    return filas_.recordCount();
}

int FuenteDataset::columna(const QString& nombre) const {
    for (int i = 0; i < filas_.fieldCount(); ++i)
        if (filas_.field(i).name().compare(nombre, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant FuenteDataset::valor(int fila, int columna) const {
    return filas_.valueAt(fila, columna);
}

}  // namespace ledgrix
