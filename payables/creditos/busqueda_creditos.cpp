#include "payables/creditos/busqueda_creditos.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

BusquedaCreditos::BusquedaCreditos(Tfdm& dm, QObject* parent) : BusquedaDocumentos(dm, 57, parent) {
    defina_columnas({{S("Fecha"), S("c.crcx_fecha"), true},
                     {S("Concepto"), S("c.crcx_conc")},
                     {S("Proveedor"), S("t.terc_nom")},
                     {S("Número"), S("c.crcx_numero")}},
                    int(Columna::Fecha));
}

QString BusquedaCreditos::seleccion() const {
    QString sql =
        S("select crcx_id, crcx_pref, crcx_numero, crcx_fecha, crcx_conc, terc_nom, "
          "crcx_total, crcx_cuotas, crcx_anulado from credito_cxpagar c, terceros t "
          "where c.crcx_nit = t.terc_nit");
    if (dm().ctx.agencia != 0)
        sql += S(" and c.crcx_pref in (select p.pref_pre from prefijos p where p.tido_cod = 57 "
                 "and p.sucu_id = ") +
               sql::number(dm().ctx.agencia) + S(")");
    return sql;
}

bool BusquedaCreditos::con_acceso() {
    return valide_acceso(dm(), S("CARTERA"), 22);
}

QString BusquedaCreditos::mensaje_acceso() const {
    return S("Acceso no permitido. Comuníquese con el administrador del sistema.");
}

bool BusquedaCreditos::admite_anulacion() {
    if (!anulado())
        return true;
    dm().dialogs().information(S("La causación de crédito ya está anulada."));
    return false;
}

QString BusquedaCreditos::pregunta_anular() const {
    return S("Esta seguro de Causación de Credito No") + numero() + S("?");
}

QStringList BusquedaCreditos::sentencias_anular() {
    return {S("update credito_cxpagar set crcx_anulado = 'S', crcx_usuario = ") +
            sql::quoted(dm().ctx.usuario) + S(" where crcx_id = ") + sql::number(actual())};
}

}  // namespace ledgrix
