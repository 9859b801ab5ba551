#include "app/ui/registro_creditos.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payables/ui/creditos/tfbuscacredito.h"
#include "payables/ui/creditos/tfcausacredito.h"

namespace ledgrix {

void registre_ventanas_creditos() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfcausacredito"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfcausacredito(dm, parent);
    });
    registro.registre(QStringLiteral("Tfbuscacredito"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfbuscacredito(dm, parent);
    });
}

}  // namespace ledgrix
