#include "payments/programacion/programacion.h"

#include <QSqlQuery>

#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

QString txt(const QSqlQuery& q, const char* campo) {
    return q.value(S(campo)).toString().trimmed();
}

}  // namespace

ProgramacionPagos::ProgramacionPagos(Tfdm& dm, Grabador grabe)
    : dm_(dm), grabe_(std::move(grabe)) {}

bool ProgramacionPagos::cargue_listas() {
    const QString agencia = sql::number(dm_.ctx.agencia);
    const auto series = [&](int tipo) {
        QStringList r;
        auto q = dm_.sql().select(S("select pref_pre from prefijos where tido_cod = %1 and "
                                    "pref_activo = 'S' and (sucu_id = %2 or sucu_id = 0) order "
                                    "by pref_pre")
                                      .arg(tipo)
                                      .arg(agencia));
        while (q && q->next())
            r << q->value(0).toString().trimmed();
        return r;
    };
    prefijos_ = series(56);
    prefijos_egresos_ = series(62);
    agencias_ = {{0, S("Todas")}};
    auto q = dm_.sql().select(S("select sucu_id, sucu_nombre from sucursales order by sucu_id"));
    while (q && q->next())
        agencias_.append({q->value(0).toInt(), q->value(1).toString().trimmed()});
    grupos_ = {{QString(), S("Todos")}};
    q = dm_.sql().select(S("select grpr_cod, grpr_nom from grupos_proveedores order by grpr_cod"));
    while (q && q->next())
        grupos_.append({q->value(0).toString().trimmed(), q->value(1).toString().trimmed()});
    dias_ = dm_.configuracion_entero(
        S("CXPAGAR"), S("ANALISIS"),
        S("NUMERO DE DIAS POR VENCER EN DOCUMENTOS A INCLUIR EN LA PROGRAMACION DE PAGOS"));
    if (prefijos_egresos_.isEmpty() || prefijos_.isEmpty()) {
        dm_.dialogs().error(S("Debe crear antes un prefijo válido para los egresos."));
        return false;
    }
    return true;
}

bool ProgramacionPagos::abra(qint64 id) {
    if (!cargue_listas())
        return false;
    agencia_ = dm_.ctx.agencia;
    p_ = {};
    documentos_.clear();
    dinero_.clear();
    solo_lectura_ = modificada_ = false;
    if (id == 0) {
        // A schedule an older release left half stored.
        const QVariant previo =
            dm_.sql().scalar(S("select prpg_id from programacion_pagos_enc where prpg_id = 0"));
        if (previo.isValid()) {
            if (dm_.dialogs().question(S("Se encontró un pago previo incorrectamente "
                                         "registrado. Desea traerlo a pantalla?")))
                return cargue_encabezado(0);
            if (!dm_.sql().execute(S("delete from programacion_pagos_enc where prpg_id = 0")))
                return false;
        }
        const QDate hoy = dm_.clock().today();
        p_.pref = prefijos_.first();
        p_.numero = dm_.sql()
                        .scalar(S("select pref_actual from prefijos where tido_cod = 56 and "
                                  "pref_pre = ") +
                                sql::quoted(p_.pref))
                        .toString()
                        .trimmed();
        p_.fecha = p_.fecha_egresos = hoy;
        p_.prefijo_egresos = prefijos_egresos_.first();
        p_.un_egreso = dm_.configuracion_si(S("CAJA"), S("EGRESOS"),
                                            S("GENERAR UN SOLO EGRESO POR PROGRAMACION DE PAGOS "
                                              "SI SE PERMITEN VARIOS PROVEEDORES POR EGRESO"));
        return true;
    }
    return cargue_encabezado(id);
}

bool ProgramacionPagos::cargue_encabezado(qint64 id) {
    auto q = dm_.sql().select(S("SELECT * FROM PROGRAMACION_PAGOS_ENC WHERE PRPG_ID = ") +
                              sql::number(id));
    if (!q)
        return false;
    if (!q->next()) {
        dm_.dialogs().error(S("La programación de pagos no existe."));
        return false;
    }
    p_.id = id;
    p_.pref = txt(*q, "PRPG_PREF");
    p_.numero = txt(*q, "PRPG_NUMERO");
    p_.fecha = q->value(S("PRPG_FECHA")).toDate();
    p_.concepto = txt(*q, "PRPG_CONC");
    p_.observacion = q->value(S("PRPG_OBS")).toString();
    p_.prefijo_egresos = txt(*q, "PRPG_PREGR");
    p_.fecha_egresos = q->value(S("PRPG_FECEGR")).toDate();
    p_.un_egreso = txt(*q, "PRPG_UNEGR") == S("S");
    p_.confirmada = txt(*q, "PRPG_CONFIRMADO") == S("S");
    p_.grupo = txt(*q, "PRPR_GRUPO");
    solo_lectura_ = p_.confirmada;
    q = dm_.sql().select(S("select prpg_tipodoc, prpg_iddoc, prpg_abono, prpg_cob, prpg_idcaja, "
                           "prpg_tipobco, prpg_prefbco from programacion_pagos where prpg_id = ") +
                         sql::number(id) + S(" order by prpg_item"));
    if (!q)
        return false;
    while (q->next())
        p_.pagos.append({q->value(0).toInt(), q->value(1).toLongLong(), decimal(*q, 2),
                         q->value(3).toString().trimmed(), q->value(4).toString().trimmed(),
                         q->value(5).toInt(), q->value(6).toString().trimmed()});
    return true;
}

bool ProgramacionPagos::lea_documentos(const QString& sql, bool con_pago) {
    auto q = dm_.sql().select(sql);
    if (!q)
        return false;
    documentos_.clear();
    while (q->next()) {
        DocumentoPorPagar d{txt(*q, "NIT"),
                            txt(*q, "NOMBRE"),
                            txt(*q, "CODZONA"),
                            q->value(S("TIPO")).toInt(),
                            q->value(S("ID")).toLongLong(),
                            txt(*q, "TIPONOM"),
                            txt(*q, "PREFIJO"),
                            txt(*q, "NUMERO"),
                            txt(*q, "NUMPROV"),
                            txt(*q, "CONCEPTO"),
                            q->value(S("FECDOC")).toDate(),
                            q->value(S("VENCE")).toDate(),
                            q->value(S("DIAS")).toInt(),
                            decimal(*q, S("SALDO")),
                            decimal(*q, S("DTOF")),
                            con_pago ? decimal(*q, S("PAGO")) : Currency()};
        documentos_.append(d);
    }
    return true;
}

bool ProgramacionPagos::calcule() {
    if (p_.prefijo_egresos.isEmpty()) {
        dm_.dialogs().error(S("Indique antes el prefijo del egreso a utilizar."));
        return false;
    }
    bool leido = false;
    if (solo_lectura_) {
        leido = lea_documentos(S("SELECT * FROM PAGOS_PROGRAMACION(") + sql::number(p_.id) + S(")"),
                               true);
    } else {
        const QString grupos =
            p_.grupo.isEmpty() ? S("'','zz', ")
                               : sql::quoted(p_.grupo) + S(",") + sql::quoted(p_.grupo) + S(", ");
        leido = lea_documentos(
            S("select * from (select * from rep_cxpagar_proveedor ('','ñ',") + grupos +
                sql::date(p_.fecha) + S(",'N','G',") + sql::number(agencia_) +
                S(",'N',0) ) where saldo <> 0 and dias > -") + sql::number(dias_),
            false);
        if (leido)
            refleje_pagos();
    }
    if (!leido)
        return false;
    auto q = dm_.sql().select(S("select * from dinero_disponible(") + sql::date(p_.fecha) +
                              S(", ") + sql::number(agencia_) + S(")"));
    dinero_.clear();
    if (!q)
        return false;
    while (q->next())
        dinero_.append({txt(*q, "COB"), txt(*q, "IDCAJA"), txt(*q, "CTABCO"), txt(*q, "NROBCO"),
                        txt(*q, "NOMBRE"), decimal(*q, S("SALDO"))});
    return true;
}

void ProgramacionPagos::refleje_pagos() {
    for (DocumentoPorPagar& d : documentos_) {
        const int i = linea(d.tipo, d.id);
        d.pago = i < 0 ? Currency() : p_.pagos.at(i).abono;
    }
}

int ProgramacionPagos::linea(int tipo, qint64 id) const {
    for (int i = 0; i < p_.pagos.size(); ++i)
        if (p_.pagos.at(i).tipodoc == tipo && p_.pagos.at(i).iddoc == id)
            return i;
    return -1;
}

void ProgramacionPagos::filtre(bool solo_a_pagar, const QString& grupo) {
    solo_a_pagar_ = solo_a_pagar;
    grupo_filtro_ = grupo;
}

QList<int> ProgramacionPagos::visibles() const {
    QList<int> r;
    for (int i = 0; i < documentos_.size(); ++i) {
        const DocumentoPorPagar& d = documentos_.at(i);
        if ((!solo_a_pagar_ || !d.pago.isZero()) &&
            (grupo_filtro_.isEmpty() || d.grupo == grupo_filtro_))
            r << i;
    }
    return r;
}

QList<int> ProgramacionPagos::dinero_de(const QString& cob) const {
    const QString nombre = cob == S("B") ? S("BANCO") : S("CAJA");
    QList<int> r;
    for (int i = 0; i < dinero_.size(); ++i)
        if (dinero_.at(i).cob == nombre)
            r << i;
    return r;
}

Currency ProgramacionPagos::total_pagos() const {
    Currency t;
    for (const DocumentoPorPagar& d : documentos_)
        t += d.pago;
    return t;
}

Currency ProgramacionPagos::total_disponible() const {
    Currency t;
    for (const DineroDisponible& d : dinero_)
        t += d.saldo;
    return t;
}

std::optional<bool> ProgramacionPagos::en_otra(const DocumentoPorPagar& d) const {
    auto q = dm_.sql().select(S("select prpg_id from programacion_pagos where prpg_iddoc = ") +
                              sql::number(d.id) + S(" and prpg_tipodoc = ") + sql::number(d.tipo) +
                              S(" and prpg_anulado = 'N'"));
    if (!q)
        return std::nullopt;
    // A stored schedule finds its own lines.
    while (q->next())
        if (q->value(0).toLongLong() != p_.id || p_.id == 0)
            return true;
    return false;
}

std::optional<PanelPago> ProgramacionPagos::pague(const QList<int>& filas) {
    if (solo_lectura_ || filas.isEmpty())
        return std::nullopt;
    for (int f : filas) {
        const DocumentoPorPagar& d = documentos_.at(f);
        if (linea(d.tipo, d.id) >= 0)
            continue;
        const std::optional<bool> otra = en_otra(d);
        if (!otra)
            return std::nullopt;
        if (*otra) {
            dm_.dialogs().error(S("El documento se encuentra en otra programación de pagos."));
            return std::nullopt;
        }
    }
    elegidas_ = filas;
    PanelPago panel;
    panel.varios = filas.size() > 1;
    const DocumentoPorPagar& d = documentos_.at(filas.first());
    const int i = linea(d.tipo, d.id);
    panel.valor = i >= 0 ? p_.pagos.at(i).abono : d.saldo;
    const PagoProgramado* fuente = i >= 0 ? &p_.pagos.at(i) : nullptr;
    if (p_.un_egreso && !p_.pagos.isEmpty()) {
        fuente = &p_.pagos.first();
        panel.fuente_fija = true;
    }
    if (fuente) {
        panel.cob = fuente->cob;
        panel.idcaja = fuente->idcaja;
        if (fuente->cob == S("B"))
            panel.tipo_banco = fuente->tipobco == 72 ? S("CHEQUE") : S("RETIRO");
        panel.prefbco = fuente->prefbco;
    }
    return panel;
}

QStringList ProgramacionPagos::tipos_banco(const QString& cuenta) const {
    QStringList r;
    auto q = dm_.sql().select(
        S("select t.tido_nomlargo, min(p.tido_cod) from prefijos_bancos p, tipo_documento t "
          "where p.tido_cod = t.tido_cod and p.cuba_cod = ") +
        sql::quoted(cuenta) +
        S(" and p.tido_cod in (72, 73) and p.prba_activo = 'S' group by t.tido_nomlargo order "
          "by 2"));
    while (q && q->next())
        r << q->value(0).toString().trimmed();
    return r;
}

QStringList ProgramacionPagos::prefijos_banco(const QString& cuenta, const QString& tipo) const {
    QStringList r;
    auto q = dm_.sql().select(
        S("select p.prba_pref from prefijos_bancos p, tipo_documento t where p.tido_cod = "
          "t.tido_cod and p.cuba_cod = ") +
        sql::quoted(cuenta) + S(" and p.prba_activo = 'S' and t.tido_nomlargo = ") +
        sql::quoted(tipo) + S(" order by p.prba_pref"));
    while (q && q->next())
        r << q->value(0).toString().trimmed();
    return r;
}

bool ProgramacionPagos::confirme(const PanelPago& panel) {
    if (elegidas_.isEmpty())
        return false;
    const bool banco = panel.cob == S("B");
    QString falta;
    if (!panel.varios && panel.valor <= Currency())
        falta = S("Indique el valor a pagar.");
    else if (panel.idcaja.isEmpty())
        falta = banco ? S("Indique la cuenta bancaria.") : S("Indique la caja.");
    else if (banco && (panel.tipo_banco.isEmpty() || panel.prefbco.isEmpty()))
        falta = S("Indique el tipo y el prefijo del documento bancario.");
    if (!falta.isEmpty()) {
        dm_.dialogs().error(falta);
        return false;
    }
    for (int f : elegidas_) {
        const DocumentoPorPagar& d = documentos_.at(f);
        PagoProgramado l{d.tipo,
                         d.id,
                         panel.varios ? d.saldo : panel.valor,
                         banco ? S("B") : S("C"),
                         panel.idcaja,
                         banco ? (panel.tipo_banco == S("CHEQUE") ? 72 : 73) : 0,
                         banco ? panel.prefbco : QString()};
        const int i = linea(d.tipo, d.id);
        if (i >= 0)
            p_.pagos[i] = l;
        else
            p_.pagos.append(l);
    }
    elegidas_.clear();
    modificada_ = true;
    refleje_pagos();
    return true;
}

void ProgramacionPagos::quite(const QList<int>& filas) {
    if (solo_lectura_)
        return;
    for (int f : filas) {
        const DocumentoPorPagar& d = documentos_.at(f);
        const int i = linea(d.tipo, d.id);
        if (i >= 0) {
            p_.pagos.removeAt(i);
            modificada_ = true;
        }
    }
    refleje_pagos();
}

bool ProgramacionPagos::grabe() {
    if (solo_lectura_)
        return false;
    if (p_.prefijo_egresos.isEmpty()) {
        dm_.dialogs().error(S("Indique antes el prefijo del egreso a utilizar."));
        return false;
    }
    if (total_pagos() > total_disponible() &&
        !dm_.dialogs().question(S("El total de pagos es mayor que el dinero disponible. Desea "
                                  "continuar?")))
        return false;
    const qint64 id = grabe_(p_);
    if (id == 0)
        return false;
    p_.id = id;
    modificada_ = false;
    return true;
}

bool ProgramacionPagos::puede_salir() {
    return !modificada_ ||
           dm_.dialogs().question(S("Esta seguro de salir sin grabar los cambios?"));
}

}  // namespace ledgrix
