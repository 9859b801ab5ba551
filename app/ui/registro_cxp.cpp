#include "app/ui/registro_cxp.h"

#include "app/ui/principal/registro_ventanas.h"
#include "parties/ui/selectores/ventana_lista.h"
#include "payables/ui/cargos/tfnotasdebitocxp.h"

namespace ledgrix {

void registre_ventanas_cxp() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfnotasdebitocxp"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfnotasdebitocxp(dm, parent); });
    instale_ventana_lista();
}

}  // namespace ledgrix
