#include "payables/ui/creditos/tfbuscacredito.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

Tfbusquedadocumentos::Opciones de_la_ventana() {
    Tfbusquedadocumentos::Opciones o;
    o.clase = S("Tfbuscacredito");
    o.titulo = S("Búsqueda de causaciones de crédito");
    o.archivo = S("creditos");
    o.limpie_texto = true;
    o.titulos = {{S("CRCX_ID"), S("Id")},          {S("CRCX_PREF"), S("Prefijo")},
                 {S("CRCX_NUMERO"), S("Número")},  {S("CRCX_FECHA"), S("Fecha")},
                 {S("CRCX_CONC"), S("Concepto")},  {S("TERC_NOM"), S("Proveedor")},
                 {S("CRCX_TOTAL"), S("Total")},    {S("CRCX_CUOTAS"), S("Cuotas")},
                 {S("CRCX_ANULADO"), S("Anulado")}};
    return o;
}

}  // namespace

Tfbuscacredito::Tfbuscacredito(Tfdm& dm, QWidget* parent)
    : Tfbusquedadocumentos(dm, new BusquedaCreditos(dm), de_la_ventana(), parent) {}

}  // namespace ledgrix
