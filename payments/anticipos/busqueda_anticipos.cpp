#include "payments/anticipos/busqueda_anticipos.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "payments/anticipos/conjunto.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

BusquedaAnticipos::BusquedaAnticipos(Tfdm& dm, QObject* parent)
    : BusquedaDocumentos(dm, 55, parent) {
    defina_columnas({{S("Fecha"), S("FECHA"), true},
                     {S("Número"), S("NUMERO")},
                     {S("Proveedor"), S("NOMBRE")},
                     {S("Concepto"), S("CONCEPTO")}},
                    int(Columna::Fecha));
    // The procedure's own names are no titles.
    using T = Field::Type;
    anticipos::declare_columnas(filas(), {{"ID", "", T::Integer},
                                          {"PREFIJO", "Prefijo", T::String},
                                          {"NUMERO", "Número", T::String},
                                          {"FECHA", "Fecha", T::Date},
                                          {"NIT", "Nit", T::String},
                                          {"NOMBRE", "Proveedor", T::String},
                                          {"CONCEPTO", "Concepto", T::String},
                                          {"BASE", "Monto", T::Currency},
                                          {"IVA", "Valor IVA", T::Currency},
                                          {"RETENCIONES", "Retenciones", T::Currency},
                                          {"NETO", "Neto", T::Currency},
                                          {"SALDO", "Saldo", T::Currency},
                                          {"EGRE_ID", "", T::Integer},
                                          {"EGRESO", "Egreso", T::String},
                                          {"ANULADO", "Anulado", T::String}});
}

QString BusquedaAnticipos::seleccion() const {
    return S("select * FROM BUSQUEDA_ANTICIPOS_PROVEEDOR(") + sql::number(dm().ctx.agencia) +
           S(") where 1 = 1");
}

bool BusquedaAnticipos::admite_anulacion() {
    if (!anulado())
        return true;
    dm().dialogs().error(S("El anticipo ya está anulado."));
    return false;
}

QString BusquedaAnticipos::pregunta_anular() const {
    return S("Esta seguro de anular el anticipo No ") + prefijo() + numero() + S("?");
}

QStringList BusquedaAnticipos::sentencias_anular() {
    return {S("update anticipos_proveedor set ANPR_ANULADO = 'S'  where anpr_id = ") +
            sql::number(actual())};
}

}  // namespace ledgrix
