#include "app/ui/registro_evaluacion.h"

#include <QApplication>

#include "app/ui/principal/registro_ventanas.h"
#include "core/tfdm/tfdm.h"
#include "parties/evaluacion/solicitud_reporte.h"
#include "parties/ui/compromisos/tfcompromisos.h"
#include "parties/ui/evaluacion/tfcalificacionprv.h"
#include "parties/ui/evaluacion/tfcriteriosprv.h"
#include "reports/impresos/reporte_solicitado.h"
#include "reports/ui/motor/vista_reporte.h"

namespace ledgrix {

void registre_ventanas_evaluacion() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfcriteriosprv"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfcriteriosprv(dm, parent);
    });
    // Both read their supplier from Tfdmter::entregado.
    registro.registre(
        QStringLiteral("Tfcalificacionprv"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfcalificacionprv(dm, parent); });
    registro.registre(QStringLiteral("Tfcompromisos"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfcompromisos(dm, parent);
    });
    // The supplier windows sit below the report engine and its preview, so
    // the rating and the commitments report are laid out and shown here.
    instale_impresor_reportes([](Tfdm& dm, const SolicitudReporte& solicitud) {
        ReporteSolicitado armado = arme_reporte(dm, solicitud);
        return armado.reporte &&
                       muestre_reporte(*armado.reporte, dm.dialogs(), QApplication::activeWindow())
                   ? 1
                   : 0;
    });
}

}  // namespace ledgrix
