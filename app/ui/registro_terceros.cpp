#include "app/ui/registro_terceros.h"

#include "accounting/ui/revision/tfcontabiliza.h"
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
    // The posting review's "new third party" opens the same window.
    Tfcontabiliza::instale_nuevo_tercero([](Tfdm& dm, QWidget* parent) {
        Tfnvoproveedor ventana(dm, parent);
        return ventana.exec();
    });
    registro.registre(QStringLiteral("Tfgruprov"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfgruprov(dm, parent);
    });
    registro.registre(QStringLiteral("Tfciudades"), [](Tfdm& dm, QWidget* parent) -> QWidget* {
        return new Tfciudades(dm, parent);
    });
}

}  // namespace ledgrix
