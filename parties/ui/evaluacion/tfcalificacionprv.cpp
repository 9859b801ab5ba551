#include "parties/ui/evaluacion/tfcalificacionprv.h"

#include <QLabel>
#include <QLayout>

#include "core/data/client_dataset.h"
#include "core/money/formato_numero.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "parties/tfdmter.h"
#include "parties/ui/evaluacion/dialogo_ventana.h"
#include "parties/ui/evaluacion/tfcriteriosprv.h"

namespace ledgrix {

Tfcalificacionprv::Tfcalificacionprv(Tfdm& dm, QWidget* parent)
    : Tfcalificacionprv(dm, Tfdmter::entregado.nit, parent) {}

Tfcalificacionprv::Tfcalificacionprv(Tfdm& dm, const QString& nit, QWidget* parent)
    : TfgrillaEditable(dm, QStringLiteral("Tfcalificacionprv"),
                       QStringLiteral("Calificación de proveedores"),
                       QStringLiteral("calificacion"), parent),
      logica_(dm, nit, this),
      resumen_(new QLabel(this)) {
    resumen_->setObjectName(QStringLiteral("resumen"));
    layout()->addWidget(resumen_);
    logica_.abra();
    edite(logica_.filas(), {[this] { return logica_.grabe(); }, [this] { logica_.cancele(); }});
    agregue_tecla(Qt::Key_F5, QStringLiteral("F5: Criterios"), [this] { abra_criterios(); });
    agregue_tecla(Qt::Key_F7, QStringLiteral("F7: Imprimir calificación"),
                  [this] { logica_.imprima(); });
    connect(&logica_.filas(), &ClientDataset::rowChanged, this, [this] { muestre_total(); });
    connect(&logica_.filas(), &ClientDataset::resetDone, this, [this] { muestre_total(); });
    muestre_total();
}

void Tfcalificacionprv::muestre_total() {
    resumen_->setText(QStringLiteral("%1 - %2    Calificación total: %3")
                          .arg(logica_.nit(), logica_.nombre(),
                               FormatoNumero::instalacion().escriba(logica_.total())));
}

void Tfcalificacionprv::abra_criterios() {
    dm().dialogs().modal(QStringLiteral("Tfcriteriosprv"),
                         [this] { return corra_en_dialogo(new Tfcriteriosprv(dm()), this); });
    logica_.criterios_cambiados();
    muestre_total();
}

}  // namespace ledgrix
