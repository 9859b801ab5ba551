#include "app/ui/registro_core.h"
#include "app/ui/principal/registro_ventanas.h"
#include "core/ui/numeracion/tfautorizacion.h"
#include "core/ui/numeracion/tfconsecut.h"

namespace ledgrix {

// The core's maintenance windows: numbering and numbering authorisations.
void registre_ventanas_core() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("TFConsecut"),
                      [](Tfdm& dm, QWidget* parent) -> QWidget* { return new TFConsecut(dm, parent); });
    registro.registre(QStringLiteral("Tfautorizacion"),
                      [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfautorizacion(dm, parent); });
}

}  // namespace ledgrix
