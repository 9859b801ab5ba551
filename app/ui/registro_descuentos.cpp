#include "app/ui/registro_descuentos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payables/ui/descuentos/tfnotascreditocxp.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

void registre_ventanas_descuentos() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfnotascreditocxp"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfnotascreditocxp(dm, parent); });
    // The support document's charge search and the discount search are
    // opened by name.
    TfdocumentoCxp::instale_externa(&abra_externa);
}

}  // namespace ledgrix
