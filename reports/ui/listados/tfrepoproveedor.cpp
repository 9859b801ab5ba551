#include "reports/ui/listados/tfrepoproveedor.h"

#include <QCheckBox>

namespace ledgrix {

Tfrepoproveedor::Tfrepoproveedor(Tfdm& dm, QWidget* parent)
    : TfReporteImpreso(dm, new DirectorioProveedores(dm), QStringLiteral("Tfrepoproveedor"),
                       QStringLiteral("Proveedores"), parent) {
    construya();
    oculte_corte();
}

QStringList Tfrepoproveedor::agrupaciones() const {
    return {QStringLiteral("Ciudad"), QStringLiteral("Grupo")};
}

void Tfrepoproveedor::agregue_propios(QVBoxLayout* caja) {
    agenda_ = casilla(caja, QStringLiteral("Agenda"), "agenda");
    inactivos_ = casilla(caja, QStringLiteral("Incluir inactivos"), "inactivos");
}

void Tfrepoproveedor::lea_propios() {
    logica().agenda = agenda_->isChecked();
    logica().incluir_inactivos = inactivos_->isChecked();
}

}  // namespace ledgrix
