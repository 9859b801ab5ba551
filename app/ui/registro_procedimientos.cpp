#include "app/ui/registro_procedimientos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "maintenance/ui/procedimientos/tfprocusr.h"

namespace ledgrix {

void registre_ventanas_procedimientos() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfprocusr"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfprocusr(dm, parent); });
}

}  // namespace ledgrix
