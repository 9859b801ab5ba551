#include "reports/ui/registro_reportes.h"

#include "app/ui/principal/registro_ventanas.h"
#include "reports/ui/analisis/tfanalisiscxp.h"
#include "reports/ui/consulta/tfconscxpagar.h"
#include "reports/ui/consulta/ventanas_externas.h"

namespace ledgrix {

void registre_ventanas_reportes() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfanalisiscxp"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfanalisiscxp(dm, parent);
    });
    registro.registre(QStringLiteral("Tfconscxpagar"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfconscxpagar(dm, parent);
    });
    instale_ventanas_externas([](const QString& clase, Tfdm& dm, QWidget* parent) {
        return RegistroVentanas::global().cree(clase, dm, parent);
    });
}

}  // namespace ledgrix
