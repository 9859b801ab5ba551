#include "app/ui/registro_movimiento_mes.h"

#include "app/ui/principal/registro_ventanas.h"
#include "reports/ui/movimiento_mes/tfmovicuenxpagar.h"

namespace ledgrix {

void registre_ventanas_movimiento_mes() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfmovicuenxpagar"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfmovicuenxpagar(dm, parent); });
}

}  // namespace ledgrix
