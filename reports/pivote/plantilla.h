#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "reports/pivote/cubo.h"

namespace ledgrix {

// Layouts of the movement analysis kept as small JSON files ("*.mds") in the
// installation's cxpagar/reportes, beside the report layouts, so that a
// layout saved on one workstation serves every one sharing the folder.
inline constexpr auto kPlantillaPorDefecto = "Analisismovcxp.mds";

QString carpeta_plantillas(const QString& directorio_instalacion);
// The file of a template named with or without its extension.
QString ruta_plantilla(const QString& directorio_instalacion, const QString& nombre);
// The templates found, by name with extension, sorted.
QStringList plantillas(const QString& directorio_instalacion);

QByteArray a_json(const Disposicion& d);
// Nothing when the text is not a layout: bad JSON, an unknown name, a
// dimension twice.
std::optional<Disposicion> de_json(const QByteArray& texto);

// The layout of a template; `nombre` empty means the default template. A
// missing, unreadable or damaged file leaves the cube's default layout.
Disposicion cargue_plantilla(const QString& directorio_instalacion, const QString& nombre);
// Whole file or nothing; false with `error` set when it could not be written.
bool grabe_plantilla(const QString& ruta, const Disposicion& d, QString* error);

}  // namespace ledgrix
