#include "app/ui/registro_terceros.h"

#include "app/ui/principal/registro_ventanas.h"
#include "parties/ui/acreedores/tfbuscprove.h"
#include "parties/ui/acreedores/tfnvoproveedor.h"
#include "parties/ui/maestros/tfciudades.h"
#include "parties/ui/maestros/tfgruprov.h"

namespace ledgrix {

void registre_ventanas_terceros() {
    RegistroVentanas& registro = RegistroVentanas::global();
    registro.registre(QStringLiteral("Tfbuscprove"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfbuscprove(dm, parent);
    });
    registro.registre(QStringLiteral("Tfnvoproveedor"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfnvoproveedor(dm, parent);
    });
    registro.registre(QStringLiteral("Tfgruprov"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfgruprov(dm, parent);
    });
    registro.registre(QStringLiteral("Tfciudades"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfciudades(dm, parent);
    });
}

}  // namespace ledgrix
