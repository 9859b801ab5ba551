#include "app/ui/registro_listados.h"

#include "app/ui/principal/registro_ventanas.h"
#include "reports/ui/listados/tflistado_comprobantes.h"
#include "reports/ui/listados/tfrepoproveedor.h"
#include "reports/ui/listados/tfreporelaprov.h"

namespace ledgrix {

void registre_ventanas_listados() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfrepoproveedor"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfrepoproveedor(dm, parent);
    });
    registro.registre(
        QStringLiteral("Tfrepoconsecutivo"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfrepoconsecutivo(dm, parent); });
    registro.registre(QStringLiteral("Tfrepocrono"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfrepocrono(dm, parent);
    });
    registro.registre(QStringLiteral("Tfreporelaprov"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfreporelaprov(dm, parent);
    });
}

}  // namespace ledgrix
