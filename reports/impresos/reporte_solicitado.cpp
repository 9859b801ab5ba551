#include "reports/impresos/reporte_solicitado.h"

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "parties/evaluacion/solicitud_reporte.h"
#include "reports/motor/fuente.h"
#include "reports/motor/proyecto.h"
#include "reports/motor/ubicacion.h"

namespace ledgrix {

ReporteSolicitado::ReporteSolicitado() = default;
ReporteSolicitado::~ReporteSolicitado() = default;
ReporteSolicitado::ReporteSolicitado(ReporteSolicitado&&) noexcept = default;

ReporteSolicitado arme_reporte(Tfdm& dm, const SolicitudReporte& solicitud) {
    ReporteSolicitado armado;
    QString error;
    std::optional<ProyectoReporte> p = cargue_proyecto(dm.directorio(), solicitud.proyecto, &error);
    if (!p) {
        dm.dialogs().error(error);
        return armado;
    }
    armado.proyecto = std::make_unique<ProyectoReporte>(std::move(*p));
    Reporte r(*armado.proyecto, solicitud.reporte);
    if (!r.valido()) {
        dm.dialogs().error(r.error());
        return armado;
    }
    for (auto it = solicitud.parametros.constBegin(); it != solicitud.parametros.constEnd(); ++it)
        r.parametro(it.key(), it.value());
    armado.fuente = std::make_unique<FuenteDataset>(*solicitud.filas);
    r.datos(*armado.fuente);
    armado.reporte = std::move(r);
    return armado;
}

}  // namespace ledgrix
