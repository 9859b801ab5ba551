#include "app/ui/registro_recalculo.h"

#include "app/ui/principal/registro_ventanas.h"
#include "maintenance/ui/cambios/tfcambiaretes.h"
#include "maintenance/ui/cambios/tfcambiavence.h"
#include "maintenance/ui/recalculo/tfchequeosaldos.h"

namespace ledgrix {

void registre_ventanas_recalculo() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfchequeosaldos"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfchequeosaldos(dm, parent);
    });
    registro.registre(QStringLiteral("Tfcambiaretes"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfcambiaretes(dm, parent);
    });
    registro.registre(QStringLiteral("Tfcambiavence"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfcambiavence(dm, parent);
    });
}

}  // namespace ledgrix
