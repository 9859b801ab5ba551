#include "app/ui/registro_busquedas_cxp.h"

#include "app/ui/principal/registro_ventanas.h"
#include "payables/ui/busquedas/tfbusqueda_notas.h"

namespace ledgrix {

void registre_ventanas_busquedas_cxp() {
    using Clase = BusquedaNotas::Clase;
    using Variante = BusquedaNotas::Variante;
    // Charges and discounts, as the document windows and the menu open them.
    const struct {
        const char* clase;
        Clase tipo;
        Variante variante;
    } notas[] = {{"Tfbuscanotdbcxp", Clase::Cargo, Variante::Documento},
                 {"Tfbuscanotacrcxp", Clase::Descuento, Variante::Documento},
                 {"Tfbuscanotdebito", Clase::Cargo, Variante::Menu},
                 {"Tfbuscancredito", Clase::Descuento, Variante::Menu}};
    RegistroVentanas& registro = RegistroVentanas::global();
    for (const auto& n : notas)
        registro.registre(QString::fromLatin1(n.clase), [n](Tfdm& dm, QWidget* parent) -> QWidget* {
            return new Tfbusquedanotas(dm, n.tipo, n.variante, parent);
        });
}

}  // namespace ledgrix
