#include "payments/busquedas/busqueda_egresos.h"

#include <QSqlQuery>

#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const char* const kColumnas =
    "select egre_id, e.pref_pre, egre_numero, egre_fecha, egre_nomterc, egre_anulado, egre_conc, "
    "(egre_rtftemonto+egre_rtivamonto+egre_rticamonto) egre_reten, egre_monto, cleg_nombre ";

}  // namespace

BusquedaEgresos::BusquedaEgresos(Tfdm& dm, QObject* parent) : BusquedaDocumentos(dm, 62, parent) {
    defina_columnas({{S("Número"), S("egre_numero")},
                     {S("Fecha"), S("egre_fecha"), true},
                     {S("Concepto"), S("egre_conc")},
                     {S("Beneficiario"), S("egre_nomterc")}},
                    1);
}

QString BusquedaEgresos::seleccion() const {
    // The class is how the voucher window files every voucher it stores.
    const int agencia = dm().ctx.agencia;
    if (agencia != 0)
        // The agency's series as a list, not a join: the engine then walks
        // the vouchers' own index in the order asked instead of sorting.
        return S(kColumnas) +
               S("from egresos e, clases_egreso c where c.cleg_id = e.cleg_id and e.pref_pre in "
                 "(select p.pref_pre from prefijos p where p.tido_cod = 62 and ((p.sucu_id = 0) "
                 "or (p.sucu_id = ") +
               sql::number(agencia) + S(")))");
    return S(kColumnas) +
           S("from egresos e, terceros t, clases_egreso c where c.cleg_id = e.cleg_id and "
             "e.terc_nit = t.terc_nit");
}

QString BusquedaEgresos::condiciones() const {
    QString sql;
    // Without a usable number of days the search looks back without limit
    // (the user was told which setting to fix).
    const std::optional<int> dias = dm().entero_configurado(
        S("CAJA"), S("DOCUMENTOS"), S("NUMERO DE DIAS PARA BUSCAR DOCUMENTOS"));
    if (dias && *dias > 0)
        sql += S(" and egre_fecha >= ") + sql::date(dm().clock().today().addDays(-*dias));
    // Transfers between boxes, payroll and other vouchers have searches of
    // their own modules.
    return sql + S(" and egre_tipo = 1");
}

QString BusquedaEgresos::desempate() const {
    return S("egre_id desc");
}

QString BusquedaEgresos::campo_id() const {
    return S("EGRE_ID");
}
QString BusquedaEgresos::campo_prefijo() const {
    return S("PREF_PRE");
}
QString BusquedaEgresos::campo_numero() const {
    return S("EGRE_NUMERO");
}
QString BusquedaEgresos::campo_anulado() const {
    return S("EGRE_ANULADO");
}

bool BusquedaEgresos::con_acceso() {
    const QString modulo = dm().ctx.modulo;
    return valide_acceso(dm(), modulo, modulo == S("C. X PAGAR") ? 32 : 42);
}

QString BusquedaEgresos::mensaje_acceso() const {
    return S("Acceso no permitido. Comuníquese con el administrador del sistema.");
}

std::optional<bool> BusquedaEgresos::halla(const QString& sql) const {
    std::optional<QSqlQuery> q = dm().sql().select(sql);
    if (!q)
        return std::nullopt;
    return q->next();
}

bool BusquedaEgresos::admite_anulacion() {
    const QString id = sql::number(actual());
    const std::optional<bool> prestamo =
        halla(S("select prno_id from prestamo_nomina where prno_pagoid = ") + id);
    if (!prestamo)
        return false;
    if (*prestamo) {
        dm().dialogs().error(
            S("El egreso corresponde a un préstamo de nómina, para anularlo anule el préstamo."));
        return false;
    }
    const std::optional<bool> pago =
        halla(S("select pgno_id from pago_nomina_egresos where egre_id = ") + id);
    if (!pago)
        return false;
    if (*pago) {
        dm().dialogs().error(
            S("El egreso corresponde a un pago de nómina, para anularlo anule el pago en el "
              "módulo de nómina."));
        return false;
    }
    return true;
}

QString BusquedaEgresos::pregunta_anular() const {
    return S("Esta seguro de anular el EGRESO ") + prefijo() + numero() + S("?");
}

QString BusquedaEgresos::pregunta_eliminar() const {
    return S("Esta seguro de eliminar completamente el EGRESO ") + prefijo() + numero() + S("?");
}

bool BusquedaEgresos::libere_banco(QStringList& sentencias) {
    const QString id = sql::number(actual());
    std::optional<QSqlQuery> q = dm().sql().select(
        S("select b.egbc_tipobco, b.prba_pref, b.egbc_numero, (select count(*) from cheques c "
          "where c.cheq_tipoori = 62 and c.cheq_idori = b.egre_id) + (select count(*) from "
          "retiros r where r.reti_tipoori = 62 and r.reti_idori = b.egre_id) from egrebanco b "
          "where b.egre_id = ") +
        id);
    if (!q)
        return false;
    // Answered no, the bank document stays, annulled with the voucher (and
    // after its deletion), and its number stays spent. One released when
    // the voucher was annulled is not asked about again.
    if (q->next() && q->value(3).toInt() > 0 &&
        dm().dialogs().question(S("Desea volver a utilizar el cheque/retiro No. ") +
                                q->value(1).toString().trimmed() +
                                q->value(2).toString().trimmed() + S("?")))
        sentencias << (q->value(0).toInt() == 73
                           ? S("delete from retiros where reti_tipoori = 62 and reti_idori = ")
                           : S("delete from cheques where cheq_tipoori = 62 and cheq_idori = ")) +
                          id;
    return true;
}

QStringList BusquedaEgresos::sentencias_anular() {
    QStringList sentencias;
    if (!libere_banco(sentencias))
        return {};
    sentencias << S("update egresos set egre_anulado = 'S', egre_usuario = ") +
                      sql::quoted(dm().ctx.usuario) + S(" where egre_id = ") +
                      sql::number(actual());
    return sentencias;
}

QStringList BusquedaEgresos::sentencias_eliminar() {
    QStringList sentencias;
    if (!libere_banco(sentencias))
        return {};
    sentencias << S("delete from egresos where egre_id = ") + sql::number(actual());
    return sentencias;
}

}  // namespace ledgrix
