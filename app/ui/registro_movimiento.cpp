#include "app/ui/registro_movimiento.h"

#include "app/ui/principal/registro_ventanas.h"
#include "reports/ui/impresos/tfrepoestdocuentas.h"
#include "reports/ui/impresos/tfrepomovprove.h"
#include "reports/ui/movimiento/tfmovimientoprv.h"

namespace ledgrix {

void registre_ventanas_movimiento() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfrepomovprove"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfrepomovprove(dm, parent);
    });
    registro.registre(
        QStringLiteral("Tfrepoestdocuentas"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfrepoestdocuentas(dm, parent); });
    registro.registre(QStringLiteral("Tfmovimientoprv"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfmovimientoprv(dm, parent);
    });
}

}  // namespace ledgrix
