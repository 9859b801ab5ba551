#include "parties/maestros/maestro_grilla.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

MaestroGrilla::MaestroGrilla(Tfdm& dm, const QString& nombre, const QString& sql, QObject* parent)
    : QObject(parent), dm_(dm) {
    filas_ = conjunto(this, dm.Ledgrix(), nombre, sql);
}

bool MaestroGrilla::abra() {
    filas_->close();
    if (!filas_->open())
        return false;
    filas_->fetchAll();
    return true;
}

bool MaestroGrilla::poste(ClientDataset& ds) {
    if (ds.state() != ClientDataset::State::Edit && ds.state() != ClientDataset::State::Insert)
        return true;
    return ds.post();
}

bool MaestroGrilla::pendientes() const {
    return filas_->changeCount() > 0;
}

bool MaestroGrilla::grabe() {
    for (ClientDataset* detalle : filas_->details())
        if (!poste(*detalle))
            return false;
    if (!poste(*filas_))
        return false;
    return filas_->applyUpdates(0) == 0;
}

void MaestroGrilla::cancele() {
    filas_->cancel();
    filas_->cancelUpdates();
    abra();
}

}  // namespace ledgrix
