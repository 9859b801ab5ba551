#include "maintenance/importacion/destino_importacion.h"

#include "maintenance/importacion/destino_grupos.h"
#include "maintenance/importacion/destino_proveedores.h"
#include "maintenance/importacion/destino_saldos.h"

namespace ledgrix::importacion {

QString DestinoImportacion::repetida(const QString& clave, const QString& que, qint64 linea) {
    const auto it = vistas_.constFind(clave);
    if (it == vistas_.constEnd()) {
        vistas_.insert(clave, linea);
        return {};
    }
    return que + QStringLiteral(" está repetido en las líneas %1 y %2.").arg(*it).arg(linea);
}

std::unique_ptr<DestinoImportacion> destino_de(Clase clase, const QString& usuario,
                                               const QList<ColumnaDato>& columnas) {
    switch (clase) {
        case Clase::Proveedores:
            return std::make_unique<DestinoProveedores>(usuario, columnas);
        case Clase::Grupos:
            return std::make_unique<DestinoGrupos>();
        case Clase::SaldosIniciales:
            return std::make_unique<DestinoSaldos>(usuario);
    }
    return nullptr;
}

}  // namespace ledgrix::importacion
