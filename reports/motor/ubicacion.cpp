#include "reports/motor/ubicacion.h"

#include <QDir>
#include <QFileInfo>

// A static library's resources are registered only when asked for, and the
// macro must be used outside any namespace.
static void registre_reportes_incluidos() {
    Q_INIT_RESOURCE(reportes);
}

namespace ledgrix {

QString ruta_proyecto(const QString& directorio_instalacion, const QString& nombre) {
    return QDir(directorio_instalacion)
        .filePath(QStringLiteral("cxpagar/reportes/%1.lrep").arg(nombre));
}

std::optional<ProyectoReporte> cargue_proyecto(const QString& directorio_instalacion,
                                               const QString& nombre, QString* error) {
    const QString propia = ruta_proyecto(directorio_instalacion, nombre);
    if (QFileInfo::exists(propia))
        return ProyectoReporte::lea(propia, error);
    registre_reportes_incluidos();
    const QString incluida = QStringLiteral(":/reportes/%1.lrep").arg(nombre);
    if (!QFileInfo::exists(incluida)) {
        if (error)
            *error = QStringLiteral("No se encontró el archivo de reporte %1.")
                         .arg(QDir::toNativeSeparators(propia));
        return std::nullopt;
    }
    return ProyectoReporte::lea(incluida, error);
}

}  // namespace ledgrix
