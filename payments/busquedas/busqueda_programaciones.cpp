#include "payments/busquedas/busqueda_programaciones.h"

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

constexpr int kOpcionCrear = 112;
constexpr int kOpcionAnular = 114;

}  // namespace

BusquedaProgramaciones::BusquedaProgramaciones(Tfdm& dm, QObject* parent)
    : BusquedaDocumentos(dm, 56, parent) {
    defina_columnas(
        {{S("Número"), S("numero")}, {S("Fecha"), S("fecha"), true}, {S("Concepto"), S("conc")}},
        1);
}

QString BusquedaProgramaciones::seleccion() const {
    // Grouped inside, so that the base's conditions and order apply to the
    // schedules rather than to their lines. A schedule without payments is
    // still listed.
    const int agencia = dm().ctx.agencia;
    const QString serie =
        agencia == 0 ? QString()
                     : S(" join prefijos p on p.tido_cod = 56 and p.pref_pre = e.prpg_pref and "
                         "(p.sucu_id = 0 or p.sucu_id = ") +
                           sql::number(agencia) + S(")");
    return S("select * from (select max(e.prpg_id) id,max(e.prpg_conc) conc,max(e.prpg_anulado) "
             "anulado,max(e.prpg_numero) numero,max(e.prpg_pref) pref,max(e.prpg_fecha) fecha, "
             "sum(d.prpg_abono) monto, count(d.prpg_item) items, max(e.prpg_confirmado) "
             "confirmado from programacion_pagos_enc e left join programacion_pagos d on "
             "d.prpg_id = e.prpg_id") +
           serie + S(" group by e.prpg_id) x where 1 = 1");
}

QString BusquedaProgramaciones::desempate() const {
    return S("id desc");
}

QString BusquedaProgramaciones::campo_id() const {
    return S("ID");
}
QString BusquedaProgramaciones::campo_prefijo() const {
    return S("PREF");
}
QString BusquedaProgramaciones::campo_numero() const {
    return S("NUMERO");
}
QString BusquedaProgramaciones::campo_anulado() const {
    return S("ANULADO");
}

bool BusquedaProgramaciones::con_acceso() {
    return valide_acceso(dm(), dm().ctx.modulo, kOpcionAnular);
}

bool BusquedaProgramaciones::puede_crear() {
    if (valide_acceso(dm(), dm().ctx.modulo, kOpcionCrear))
        return true;
    dm().dialogs().error(mensaje_acceso());
    return false;
}

bool BusquedaProgramaciones::confirmada() const {
    return actual() && filas().fieldByName(S("CONFIRMADO")).asString() == S("S");
}

QString BusquedaProgramaciones::pregunta_anular() const {
    return S("Esta seguro de anular la programación de pagos No ") + prefijo() + numero() + S("?");
}

QString BusquedaProgramaciones::pregunta_eliminar() const {
    return S("Esta seguro de eliminar completamente la programación de pagos ") + prefijo() +
           numero() + S("?");
}

QStringList BusquedaProgramaciones::sentencias_anular() {
    const QString id = sql::number(actual());
    // The lines too: an annulled schedule no longer holds its documents.
    return {S("update programacion_pagos_enc set prpg_anulado = 'S', prpg_user = ") +
                sql::quoted(dm().ctx.usuario) + S(" where prpg_id = ") + id,
            S("update programacion_pagos set prpg_anulado = 'S' where prpg_id = ") + id};
}

QStringList BusquedaProgramaciones::sentencias_eliminar() {
    return {S("delete from programacion_pagos_enc where prpg_id = ") + sql::number(actual())};
}

}  // namespace ledgrix
