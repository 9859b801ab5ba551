#include "payments/ui/aplicaciones/tfbuscaplicaciones.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

Tfbusquedadocumentos::Opciones de_la_ventana() {
    Tfbusquedadocumentos::Opciones o;
    o.clase = S("Tfbuscaplicaciones");
    o.titulo = S("Búsqueda de aplicaciones");
    o.archivo = S("aplicaciones");
    o.consulta = S("Tfconsaplicacion");
    o.titulos = {{S("APPR_ANULADO"), S("Anulada")}, {S("APPR_ID"), S("Id")},
                 {S("PREF_PRE"), S("Prefijo")},     {S("APPR_NUMERO"), S("Número")},
                 {S("APPR_CONC"), S("Concepto")},   {S("APPR_FECHA"), S("Fecha")},
                 {S("TERC_NOM"), S("Proveedor")}};
    return o;
}

}  // namespace

Tfbuscaplicaciones::Tfbuscaplicaciones(Tfdm& dm, QWidget* parent)
    : Tfbusquedadocumentos(dm, new BusquedaAplicaciones(dm), de_la_ventana(), parent) {}

}  // namespace ledgrix
