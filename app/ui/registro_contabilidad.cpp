#include "app/ui/registro_contabilidad.h"

#include <QApplication>

#include "accounting/interfaces/interfaces.h"
#include "accounting/selectores/selector_cuentas.h"
#include "accounting/ui/interfaces/tfinterfaces.h"
#include "accounting/ui/interfaces/tfpreginterfaz.h"
#include "accounting/ui/selectores/tfbusccuentas.h"
#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

void registre_ventanas_contabilidad() {
    RegistroVentanas::global().registre(
        QStringLiteral("Tfinterfaces"),
        [](Tfdm& dm, QWidget* parent) -> QWidget* { return new Tfinterfaces(dm, parent); });
    // The services of the accounting logic open these windows by name.
    Interfaces::instale_elector([](const QList<OpcionInterfaz>& opciones) {
        Tfpreginterfaz ventana(opciones, QApplication::activeWindow());
        return ventana.exec();
    });
    SelectorCuentas::instale_ventana([](SelectorCuentas& selector) {
        Tfbusccuentas ventana(selector, QApplication::activeWindow());
        return ventana.exec();
    });
}

}  // namespace ledgrix
