#include "reports/analisis/entrega_proveedor.h"

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "parties/tfdmter.h"

namespace ledgrix {

namespace {

const QString kNit = QStringLiteral("NIT");

bool entregue_proveedor(const ClientDataset& filas) {
    const QString nit = nit_en_fila(filas);
    if (nit.isEmpty())
        return false;
    Tfdmter::entregado = {nit, nombre_en_fila(filas)};
    return true;
}

}  // namespace

QString nit_en_fila(const ClientDataset& filas) {
    if (!filas.active() || filas.isEmpty() || filas.recNo() < 0)
        return {};
    return filas.fieldByName(kNit).asString().trimmed();
}

QString nombre_en_fila(const ClientDataset& filas) {
    if (nit_en_fila(filas).isEmpty())
        return {};
    return filas.fieldByName(QStringLiteral("NOMBRE")).asString().trimmed();
}

bool vaya_a_nit(ClientDataset& filas, const QString& nit) {
    if (!filas.active())
        return false;
    const int columna = filas.fieldByName(kNit).index();
    for (int fila = 0; fila < filas.recordCount(); ++fila)
        if (filas.valueAt(fila, columna).toString().trimmed() == nit)
            return filas.moveTo(fila);
    return false;
}

bool entregue_saldos(Tfdm& dm, const ClientDataset& filas) {
    if (!entregue_proveedor(filas))
        return false;
    dm.ctx.busqueda_principal = true;
    return true;
}

bool entregue_movimiento(Tfdm& dm, const ClientDataset& filas, const QDate& desde,
                         const QDate& hasta) {
    if (!entregue_proveedor(filas))
        return false;
    dm.periodo_desde = desde;
    dm.periodo_hasta = hasta;
    return true;
}

}  // namespace ledgrix
