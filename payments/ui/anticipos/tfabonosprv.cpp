#include "payments/ui/anticipos/tfabonosprv.h"

#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

Tfabonosprv::Tfabonosprv(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfabonosprv"), QStringLiteral("Abonos del documento"), parent),
      logica_(dm, this) {
    resize(820, 360);
    grilla()->setExportTitle(QStringLiteral("Abonos"));
    const DocumentoSeleccionado& d = dm.documento_consultado;
    // The document stays in the caption: the consult below replaces it in dm.
    setWindowTitle(windowTitle() + QStringLiteral(" ") + d.prefijo + d.numero +
                   (d.nombre.isEmpty() ? QString() : QStringLiteral(" - ") + d.nombre));
    logica_.cargue(d.tipo, d.id);
    muestre(logica_.filas(), [this] { SBConsultarClick(); });
    abra_a_lo_ancho();
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Consultar"), [this] { SBConsultarClick(); });
    grilla()->setFocus();
}

void Tfabonosprv::SBConsultarClick() {
    const QString clase = logica_.consulta();
    if (!clase.isEmpty())
        abra_externa(dm(), clase, this);
}

}  // namespace ledgrix
