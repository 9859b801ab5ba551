// F2 of the schedule: number, header, lines and, for a confirmed schedule,
// the payment vouchers the database generates and their posting, as one
// unit of work or not at all.
#include "payments/programacion/grabacion_programacion.h"

#include <QSqlError>
#include <vector>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/interfaces/interfaces.h"
#include "core/errors/error_translator.h"
#include "core/numeracion/numeracion.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}
QString sn(bool si) {
    return si ? S("'S'") : S("'N'");
}

constexpr int kTipoProgramacion = 56;
constexpr int kTipoEgreso = 62;

// The live schedule (other than `propia`) that already pays the document, 0: none.
qint64 otra_programacion(const SqlRunner& sql, const PagoProgramado& l, qint64 propia) {
    const QVariant v = sql.scalar(
        S("select first 1 l.prpg_id from programacion_pagos l join programacion_pagos_enc e on "
          "e.prpg_id = l.prpg_id where l.prpg_iddoc = ") +
        sql::number(l.iddoc) + S(" and l.prpg_tipodoc = ") + sql::number(l.tipodoc) +
        S(" and l.prpg_anulado = 'N' and e.prpg_anulado = 'N' and l.prpg_id <> ") +
        sql::number(propia));
    return v.isValid() ? v.toLongLong() : 0;
}

// The number proposed by the window may have been taken by another station
// meanwhile (the series is locked by now): the next free one is used then.
QString numero_libre(const SqlRunner& sql, const Programacion& p) {
    const QString pref = sql::quoted(p.pref);
    const auto tomado = [&](const QString& n) {
        return sql
            .scalar(S("select prpg_id from programacion_pagos_enc where prpg_pref = ") + pref +
                    S(" and prpg_numero = ") + sql::quoted(n) + S(" and prpg_id <> ") +
                    sql::number(p.id))
            .isValid();
    };
    QString numero = complete_numero(p.numero);
    if (!p.numero.trimmed().isEmpty() && !tomado(numero))
        return numero;
    numero = complete_numero(
        sql.scalar(S("select pref_actual from prefijos where tido_cod = 56 and pref_pre = ") + pref)
            .toString());
    while (tomado(numero))
        numero = complete_numero(QString::number(numero.toLongLong() + 1));
    return numero;
}

QString encabezado(const Programacion& p, const QString& usuario) {
    return S("update or insert into programacion_pagos_enc (prpg_id, prpg_pref, prpg_numero, "
             "prpg_fecha, prpg_conc, prpg_obs, prpg_pregr, prpg_fecegr, prpg_unegr, "
             "prpg_confirmado, prpr_grupo, prpg_user) values (") +
           sql::number(p.id) + S(", ") + sql::quoted(p.pref) + S(", ") + sql::quoted(p.numero) +
           S(", ") + sql::date(p.fecha) + S(", ") + sql::quoted(p.concepto) + S(", ") +
           sql::quoted(p.observacion) + S(", ") + sql::quoted(p.prefijo_egresos) + S(", ") +
           sql::date(p.fecha_egresos) + S(", ") + sn(p.un_egreso) + S(", ") + sn(p.confirmada) +
           S(", ") + (p.grupo.isEmpty() ? S("null") : sql::quoted(p.grupo)) + S(", ") +
           sql::quoted(usuario) + S(") matching (prpg_id)");
}

QString linea(const Programacion& p, int item, const PagoProgramado& l) {
    const bool banco = l.cob == S("B");
    return S("insert into programacion_pagos (prpg_id, prpg_item, prpg_fecha, prpg_tipodoc, "
             "prpg_iddoc, prpg_abono, prpg_cob, prpg_idcaja, prpg_tipobco, prpg_prefbco, "
             "prpg_pref) values (") +
           sql::number(p.id) + S(", ") + sql::number(item) + S(", ") + sql::date(p.fecha) +
           S(", ") + sql::number(l.tipodoc) + S(", ") + sql::number(l.iddoc) + S(", ") +
           l.abono.toString(2) + S(", ") + (banco ? S("'B'") : S("'C'")) + S(", ") +
           sql::quoted(l.idcaja) + S(", ") + (banco ? sql::number(l.tipobco) : S("null")) +
           S(", ") + (banco ? sql::quoted(l.prefbco) : S("null")) + S(", ") +
           sql::quoted(p.prefijo_egresos) + S(")");
}

}  // namespace

qint64 GrabacionProgramacion::grabe(Programacion& p) {
    Dialogs& dialogos = dm_.dialogs();
    const SqlRunner& sql = dm_.sql();
    if (p.pref.isEmpty()) {
        dialogos.error(S("Indique el prefijo de la programación de pagos."));
        return 0;
    }
    if (p.prefijo_egresos.isEmpty()) {
        dialogos.error(S("Indique antes el prefijo del egreso a utilizar."));
        return 0;
    }
    for (const PagoProgramado& l : p.pagos) {
        if (otra_programacion(sql, l, p.id) != 0) {
            dialogos.error(S("El documento se encuentra en otra programación de pagos."));
            return 0;
        }
    }
    Transaccion unidad(dm_.Ledgrix());
    Contabilizacion conta(dm_);
    int interfaz = 0;
    QStringList bloqueos{
        S("update prefijos set pref_actual = pref_actual where tido_cod = 56 and pref_pre = ") +
        sql::quoted(p.pref)};
    if (p.confirmada) {
        // The vouchers are posted with the interface of their series, chosen
        // before anything is locked.
        interfaz = Interfaces(dm_).abre_interfaz_caja(kTipoEgreso, p.prefijo_egresos, true);
        if (interfaz == 0)
            return 0;
        bloqueos << S("update prefijos set pref_actual = pref_actual where tido_cod = 62 and "
                      "pref_pre = ") +
                        sql::quoted(p.prefijo_egresos)
                 << conta.bloqueos(DocumentoContable::Egreso, interfaz);
    }
    if (!unidad.bloquee(bloqueos)) {
        dialogos.error(
            S("Otra estación está grabando documentos de la misma serie. Intente de nuevo."));
        return 0;
    }
    const qint64 id_antes = p.id;
    const QString numero_antes = p.numero;
    const auto deshaga = [&] {
        unidad.deshaga();
        p.id = id_antes;
        p.numero = numero_antes;
        return qint64{0};
    };
    // Checked again under the lock: another station may have scheduled the
    // same document since.
    for (const PagoProgramado& l : p.pagos) {
        if (otra_programacion(sql, l, p.id) != 0) {
            dialogos.error(S("El documento se encuentra en otra programación de pagos."));
            return deshaga();
        }
    }
    p.numero = numero_libre(sql, p);
    if (p.id == 0) {
        const QVariant nuevo = sql.scalar(S("select ID from CAMBIE_ID_PROGPAGO"));
        if (!nuevo.isValid())
            return deshaga();
        p.id = nuevo.toLongLong();
    }
    if (!sql.execute(encabezado(p, dm_.ctx.usuario)))
        return deshaga();
    // Lines that already have their voucher stay as they are.
    const QString id = sql::number(p.id);
    if (!sql.execute(S("delete from programacion_pagos where prpg_id = ") + id +
                     S(" and coalesce(prpg_idegre, 0) = 0")))
        return deshaga();
    int item = sql.scalar(S("select coalesce(max(prpg_item), 0) from programacion_pagos where "
                            "prpg_id = ") +
                          id)
                   .toInt();
    for (const PagoProgramado& l : p.pagos) {
        const bool generado = sql.scalar(S("select 1 from programacion_pagos where prpg_id = ") +
                                         id + S(" and prpg_tipodoc = ") + sql::number(l.tipodoc) +
                                         S(" and prpg_iddoc = ") + sql::number(l.iddoc))
                                  .isValid();
        if (!generado && !sql.execute(linea(p, ++item, l)))
            return deshaga();
    }
    std::vector<std::pair<qint64, Contabilizado>> egresos;
    // A confirmed schedule stored again generates only what it still lacks;
    // one without any line is refused by the generation itself.
    const QString lineas = S("select 1 from programacion_pagos where prpg_id = ") + id;
    const bool pendiente =
        p.confirmada &&
        sql.scalar(S("select 1 from rdb$database where not exists (") + lineas +
                   S(") or exists (") + lineas + S(" and coalesce(prpg_idegre, 0) = 0)"))
            .isValid();
    if (pendiente) {
        if (!sql.execute(S("update programacion_pagos set prpg_fecegr = ") +
                         sql::date(p.fecha_egresos) +
                         S(", prpg_egreso = 'S' where prpg_egreso = 'N' and prpg_id = ") + id))
            return deshaga();
        auto generados =
            sql.select(S("select EGRE_ID from GENERE_EGRESOS_PROGRAMACION(") + id + S(")"));
        if (!generados)
            return deshaga();
        std::vector<qint64> ids;
        while (generados->next())
            ids.push_back(generados->value(0).toLongLong());
        // The procedure runs as its rows are fetched: a refusal arrives here.
        if (generados->lastError().isValid()) {
            Transaccion::falle(dm_.Ledgrix());
            dm_.traductor().ENoManejada(&dm_, generados->lastError().databaseText());
            return deshaga();
        }
        generados.reset();
        for (const qint64 egreso : ids) {
            if (!sql.execute(S("update egresos set egre_idinter = ") + sql::number(interfaz) +
                             S(" where egre_id = ") + sql::number(egreso)))
                return deshaga();
            egresos.emplace_back(egreso, conta.contabilice_en_unidad(DocumentoContable::Egreso,
                                                                     egreso, interfaz, true));
        }
    }
    if (!unidad.confirme()) {
        dialogos.error(
            S("No se pudo grabar la programación de pagos; no se guardó nada. Revise el mensaje "
              "anterior e intente de nuevo."));
        return deshaga();
    }
    for (const auto& [egreso, hecho] : egresos)
        conta.termine(DocumentoContable::Egreso, egreso, hecho);
    return p.id;
}

}  // namespace ledgrix
