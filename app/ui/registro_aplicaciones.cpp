#include "app/ui/registro_aplicaciones.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payments/ui/aplicaciones/tfaplicacion.h"
#include "payments/ui/aplicaciones/tfbuscaplicaciones.h"
#include "payments/ui/aplicaciones/tfconsaplicacion.h"
#include "payments/ui/aplicaciones/tfcrucesdoc.h"

namespace ledgrix {

void registre_ventanas_aplicaciones() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfaplicacion"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfaplicacion(dm, parent);
    });
    registro.registre(
        QStringLiteral("Tfbuscaplicaciones"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfbuscaplicaciones(dm, parent); });
    registro.registre(
        QStringLiteral("Tfconsaplicacion"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfconsaplicacion(dm, parent); });
    registro.registre(QStringLiteral("Tfcrucesdoc"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfcrucesdoc(dm, parent);
    });
}

}  // namespace ledgrix
