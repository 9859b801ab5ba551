#include "app/ui/registro_analisis_movimiento.h"

#include "app/ui/principal/registro_ventanas.h"
#include "reports/ui/pivote/tfanalisismovcxp.h"

namespace ledgrix {

void registre_ventanas_analisis_movimiento() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfanalisismovcxp"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfanalisismovcxp(dm, parent); });
}

}  // namespace ledgrix
