#include "parties/ui/compromisos/tfcompromisos.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "parties/tfdmter.h"
#include "parties/ui/compromisos/tfcompromiso.h"
#include "parties/ui/compromisos/tfrepcompromisos.h"

namespace ledgrix {

Tfcompromisos::Tfcompromisos(Tfdm& dm, QWidget* parent)
    : Tfcompromisos(dm, Tfdmter::entregado.nit, parent) {}

Tfcompromisos::Tfcompromisos(Tfdm& dm, const QString& nit, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfcompromisos"),
              QStringLiteral("Busqueda de compromisos proveedor"), parent),
      logica_(dm, nit, this),
      cumplidos_(new QCheckBox(QStringLiteral("Incluir cumplidos"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    cumplidos_->setObjectName(QStringLiteral("cumplidos"));
    logica_.abra();
    auto* proveedor = new QLabel(logica_.nit() + QStringLiteral(" - ") + logica_.nombre(), this);
    static_cast<QBoxLayout*>(layout())->insertWidget(0, proveedor);
    static_cast<QBoxLayout*>(layout())->insertWidget(1, cumplidos_);
    connect(cumplidos_, &QCheckBox::toggled, this, [this](bool si) {
        logica_.incluir_cumplidos = si;
        logica_.abra();
    });
    muestre(logica_.filas(), [this] { abra_compromiso(logica_.id_actual()); });
    agregue_tecla(Qt::Key_F3, QStringLiteral("F3: Eliminar"), [this] { logica_.elimine(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Consultar"), [this] {
        if (logica_.id_actual() != 0)
            abra_compromiso(logica_.id_actual());
    });
    agregue_tecla(Qt::Key_F5, QStringLiteral("F5: Nuevo"), [this] { abra_compromiso(0); });
    agregue_tecla(Qt::Key_F7, QStringLiteral("F7: Cumplido"),
                  [this] { logica_.marque_cumplido(); });
    agregue_tecla(Qt::Key_F9, QStringLiteral("F9: Reporte"), [this] {
        this->dm().dialogs().modal(QStringLiteral("Tfcritcompromisos"), [this] {
            Tfrepcompromisos criterios(this->dm(), logica_.nit(), this);
            return criterios.exec();
        });
    });
}

void Tfcompromisos::abra_compromiso(qint64 id) {
    const int r = dm().dialogs().modal(QStringLiteral("Tfcompromiso"), [this, id] {
        Tfcompromiso ventana(dm(), id, logica_.nit(), this);
        return ventana.abierto() ? ventana.exec() : 0;
    });
    if (r != 0)
        logica_.abra();
}

}  // namespace ledgrix
