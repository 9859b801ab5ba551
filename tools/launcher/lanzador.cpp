#include "tools/launcher/lanzador.h"

#include <QFileInfo>

#include "core/login/clave.h"

namespace ledgrix {

QString revise_ingreso(const DatosIngreso& ingreso) {
    if (ingreso.usuario.trimmed().isEmpty()) return QStringLiteral("Escriba el nombre de usuario.");
    if (ingreso.compania.trimmed().isEmpty()) return QStringLiteral("Escriba el código de la compañía.");
    if (ingreso.clave.isEmpty()) return QStringLiteral("Escriba la clave.");
    return {};
}

QStringList argumentos_modulo(const DatosIngreso& ingreso) {
    QStringList args{QStringLiteral("ENTRADA"), ingreso.usuario.trimmed().toUpper(), ingreso.compania.trimmed(),
                     embrolle_clave(ingreso.clave)};
    if (!ingreso.ubicacion.isEmpty()) args << ingreso.ubicacion;
    return args;
}

QString programa_modulo(const QString& carpetaLanzador) {
    for (const QString& candidato : {carpetaLanzador + QStringLiteral("/ledgrix-cxp"),
                                     carpetaLanzador + QStringLiteral("/../../app/ledgrix-cxp")}) {
        if (QFileInfo(candidato).isExecutable()) return QFileInfo(candidato).canonicalFilePath();
    }
    return {};
}

}  // namespace ledgrix
