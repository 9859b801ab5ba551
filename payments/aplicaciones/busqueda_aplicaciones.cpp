#include "payments/aplicaciones/busqueda_aplicaciones.h"

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"
#include "payments/aplicaciones/aplicacion_texto.h"

namespace ledgrix {

BusquedaAplicaciones::BusquedaAplicaciones(Tfdm& dm, QObject* parent)
    : BusquedaDocumentos(dm, 53, parent) {
    defina_columnas({{S("Fecha"), S("appr_fecha"), true},
                     {S("Concepto"), S("appr_conc")},
                     {S("Proveedor"), S("t.terc_nom")},
                     {S("Número"), S("appr_numero")}},
                    int(Columna::Fecha));
}

QString BusquedaAplicaciones::seleccion() const {
    const QString campos =
        S("select appr_anulado,appr_id,a.pref_pre,appr_numero,appr_conc,appr_fecha,t.terc_nom ");
    if (dm().ctx.agencia == 0)
        return campos + S("from aplicacion_provedor a,terceros t where t.terc_nit = a.terc_nit");
    return campos +
           S("from aplicacion_provedor a,terceros t where t.terc_nit = a.terc_nit and a.pref_pre "
             "in (select p.pref_pre from prefijos p where p.tido_cod = 53 and p.sucu_id=") +
           sql::number(dm().ctx.agencia) + S(")");
}

bool BusquedaAplicaciones::con_acceso() {
    return valide_acceso(dm(), dm().ctx.modulo, 42);
}

QString BusquedaAplicaciones::pregunta_anular() const {
    return S("Esta seguro de anular la aplicacion No ") + prefijo() + numero() + S("?");
}

QString BusquedaAplicaciones::pregunta_eliminar() const {
    return S("Esta seguro de eliminar completamente la aplicación ") + prefijo() + numero() +
           S("?");
}

QStringList BusquedaAplicaciones::sentencias_anular() {
    const QString id = sql::number(actual());
    return {S("update aplicacion_proveedor_detalle set appd_anulado = 'S' where appr_id = ") + id,
            S("update aplicacion_provedor set appr_anulado = 'S', appr_usuario = ") +
                sql::quoted(dm().ctx.usuario) + S(" where appr_id = ") + id};
}

QStringList BusquedaAplicaciones::sentencias_eliminar() {
    return {S("delete from aplicacion_provedor where appr_id = ") + sql::number(actual())};
}

}  // namespace ledgrix
