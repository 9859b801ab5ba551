#include "payments/ui/busquedas/tfbuscegreso.h"


#include "core/ui/ventanas_externas.h"
#include "payments/busquedas/busqueda_egresos.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

Tfbusquedadocumentos::Opciones opciones_egresos() {
    Tfbusquedadocumentos::Opciones o;
    o.clase = S("Tfbuscegreso");
    o.titulo = S("Búsqueda de egresos");
    o.archivo = S("Egresos");
    o.consulta = S("Tfconsegreso");
    o.campo_nombre = S("EGRE_NOMTERC");
    o.titulos = {{S("EGRE_ID"), {}},
                 {S("PREF_PRE"), S("Prefijo")},
                 {S("EGRE_NUMERO"), S("Número")},
                 {S("EGRE_FECHA"), S("Fecha")},
                 {S("EGRE_NOMTERC"), S("Beneficiario")},
                 {S("EGRE_ANULADO"), S("Anulado")},
                 {S("EGRE_CONC"), S("Concepto")},
                 {S("EGRE_RETEN"), S("Retenciones")},
                 {S("EGRE_MONTO"), S("Valor")},
                 {S("CLEG_NOMBRE"), S("Clase de egreso")}};
    return o;
}

}  // namespace

Tfbuscegreso::Tfbuscegreso(Tfdm& dm, QWidget* parent)
    : Tfbusquedadocumentos(dm, new BusquedaEgresos(dm), opciones_egresos(), parent) {
    agregue_tecla(Qt::Key_F6, S("F6: Notas"), [this] { SBNotasClick(); });
}

void Tfbuscegreso::SBNotasClick() {
    if (tome_actual())
        abra_externa(dm(), S("Tfnotasdoc"), this);
}

}  // namespace ledgrix
