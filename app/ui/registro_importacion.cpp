#include "app/ui/registro_importacion.h"

#include "app/ui/principal/registro_ventanas.h"
#include "maintenance/ui/importacion/tfimportar1.h"

namespace ledgrix {

void registre_ventanas_importacion() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfimportar1"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfimportar1(dm, parent); });
}

}  // namespace ledgrix
