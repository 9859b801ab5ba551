#include "app/navegacion/decision.h"

#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

Decision decida(Tfdm& dm, const Destino& destino) {
    if (destino.opcion == kSinControl)
        return {true, &destino, {}};
    const QString modulo = destino.modulo.isEmpty() ? dm.ctx.modulo : destino.modulo;
    if (valide_acceso(dm, modulo, destino.opcion))
        return {true, &destino, {}};
    if (!destino.respaldo.isEmpty()) {
        if (const Destino* otro = destino_de_ventana(destino.respaldo); otro && otro != &destino)
            return decida(dm, *otro);
    }
    return {false, nullptr, destino.rechazo.isEmpty() ? kAccesoNoPermitido : destino.rechazo};
}

QString texto_no_disponible(const QString& clase) {
    return QStringLiteral("La ventana «") + nombre_ventana(clase) + QStringLiteral("» aún no está disponible.");
}

}  // namespace ledgrix
