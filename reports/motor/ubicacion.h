#pragma once

#include <QString>
#include <optional>

#include "reports/motor/proyecto.h"

namespace ledgrix {

// Where a window's report project lives: "<dir>/cxpagar/reportes/<nombre>.lrep".
QString ruta_proyecto(const QString& directorio_instalacion, const QString& nombre);

// The installation's own copy of the project when it has one (a technician
// may have edited it), otherwise the copy shipped inside the program.
std::optional<ProyectoReporte> cargue_proyecto(const QString& directorio_instalacion,
                                               const QString& nombre, QString* error);

}  // namespace ledgrix
