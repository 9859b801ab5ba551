#include "payments/ui/anticipos/tfbuscantipos.h"

#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

Tfbusquedadocumentos::Opciones de_la_ventana() {
    Tfbusquedadocumentos::Opciones o;
    o.clase = S("Tfbuscantipos");
    o.titulo = S("Búsqueda de Anticipos");
    o.archivo = S("Anticipos");
    o.consulta = S("Tfconsanticipo");
    o.campo_nombre = S("NOMBRE");
    o.contiene = true;
    return o;
}

}  // namespace

Tfbuscantipos::Tfbuscantipos(Tfdm& dm, QWidget* parent)
    : Tfbusquedadocumentos(dm, new BusquedaAnticipos(dm), de_la_ventana(), parent) {
    agregue_tecla(Qt::Key_F12, S("F12: Abonos"), [this] { SBAbonosClick(); });
}

void Tfbuscantipos::SBAbonosClick() {
    if (tome_actual())
        abra_externa(dm(), S("Tfabonosprv"), this);
}

}  // namespace ledgrix
