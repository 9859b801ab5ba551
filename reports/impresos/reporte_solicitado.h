#pragma once

#include <memory>
#include <optional>

#include "reports/motor/reporte.h"

namespace ledgrix {

class FuenteDataset;
class ProyectoReporte;
class Tfdm;
struct SolicitudReporte;

// A report asked for by the supplier windows (which sit below this engine),
// laid over the rows they read: the project (the installation's copy or the
// program's own), the report in it and the parameters. The project and the
// rows' reader live here as long as the report may print.
struct ReporteSolicitado {
    std::unique_ptr<ProyectoReporte> proyecto;
    std::unique_ptr<FuenteDataset> fuente;
    std::optional<Reporte> reporte;  // empty when the layout could not be read (told)

    ReporteSolicitado();
    ~ReporteSolicitado();
    ReporteSolicitado(ReporteSolicitado&&) noexcept;
};

ReporteSolicitado arme_reporte(Tfdm& dm, const SolicitudReporte& solicitud);

}  // namespace ledgrix
