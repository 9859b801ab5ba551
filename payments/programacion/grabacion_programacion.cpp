// F2 of the schedule: number, header, lines and, for a confirmed schedule,
// the payment vouchers the database generates and their posting, as one
// unit of work or not at all.
#include "payments/programacion/grabacion_programacion.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
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

// Whether a line of schedule `id` pays a document that a line of another
// live schedule pays too: one statement for the whole schedule.
bool en_otra_programacion(const SqlRunner& sql, const QString& id) {
    return sql
        .scalar(S("select first 1 1 from programacion_pagos l join programacion_pagos o on "
                  "o.prpg_tipodoc = l.prpg_tipodoc and o.prpg_iddoc = l.prpg_iddoc and "
                  "o.prpg_id <> l.prpg_id and o.prpg_anulado = 'N' join programacion_pagos_enc "
                  "e on e.prpg_id = o.prpg_id and e.prpg_anulado = 'N' where l.prpg_id = ") +
                id)
        .isValid();
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

// The schedule's new lines through one prepared statement: a week's
// schedule holds thousands. Lines whose document already has its voucher
// are left as they are. False after the user was told the database's reason.
bool inserte_lineas(Tfdm& dm, const Programacion& p) {
    const QString id = sql::number(p.id);
    QSet<QPair<int, qint64>> generados;
    int item = 0;
    if (auto q = dm.sql().select(S("select prpg_tipodoc, prpg_iddoc, prpg_item from "
                                   "programacion_pagos where prpg_id = ") +
                                 id)) {
        while (q->next()) {
            generados.insert({q->value(0).toInt(), q->value(1).toLongLong()});
            item = std::max(item, q->value(2).toInt());
        }
    } else {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(dm.Ledgrix(), false));
    q.prepare(
        S("insert into programacion_pagos (prpg_id, prpg_item, prpg_fecha, prpg_tipodoc, "
          "prpg_iddoc, prpg_abono, prpg_cob, prpg_idcaja, prpg_tipobco, prpg_prefbco, "
          "prpg_pref) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const PagoProgramado& l : p.pagos) {
        if (generados.contains({l.tipodoc, l.iddoc}))
            continue;
        const bool banco = l.cob == S("B");
        q.addBindValue(p.id);
        q.addBindValue(++item);
        q.addBindValue(p.fecha);
        q.addBindValue(l.tipodoc);
        q.addBindValue(l.iddoc);
        q.addBindValue(l.abono.toString(2));
        q.addBindValue(banco ? S("B") : S("C"));
        q.addBindValue(l.idcaja);
        q.addBindValue(banco ? QVariant(l.tipobco) : QVariant(QMetaType::fromType<int>()));
        q.addBindValue(banco ? QVariant(l.prefbco) : QVariant(QMetaType::fromType<QString>()));
        q.addBindValue(p.prefijo_egresos);
        if (!q.exec()) {
            Transaccion::falle(dm.Ledgrix());
            dm.traductor().ENoManejada(&dm, q.lastError().databaseText());
            return false;
        }
    }
    return true;
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
    if (!inserte_lineas(dm_, p))
        return deshaga();
    // Checked once every line is in, under the lock: another station may
    // have scheduled the same document while the window was open.
    if (en_otra_programacion(sql, id)) {
        dialogos.error(S("El documento se encuentra en otra programación de pagos."));
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
