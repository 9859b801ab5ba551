// Free accounting lines (EGRECONTA): accounts, third parties and centres
// checked as typed, amounts computed from a base and a percentage, lines
// brought from a template or from a social-contribution payment, and the
// values the look-up windows hand back.
#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso_impl.h"

namespace ledgrix {

namespace {
const Currency k100 = Currency::fromInt(100);
}

void Egreso::Impl::reglas_conta() {
    ClientDataset& ds = *CConta;
    ds.onNewRecord = [this](ClientDataset& x) { inicie_linea(x, "EGCO_ITEM", nullptr); };
    ds.declareField(S("CUEN_COD")).onChange = [this](Field& f) {
        if (quieto == 0)
            cambie_cuenta(f);
    };
    ds.declareField(S("EGCO_NIT")).onChange = [this](Field& f) {
        const QString nit = f.asString();
        if (quieto != 0 || nit.isEmpty())
            return;
        const QVariant nombre =
            sql::admisible(nit, 20)
                ? dm.sql().scalar(S("select terc_nom from terceros where terc_nit = ") +
                                  sql::quoted(nit))
                : QVariant();
        if (nombre.isValid())
            return;
        if (dm.dialogs().question(S("Tercero no encontrado. Desea crearlo?"))) {
            dm.dialogs().modal(S("Tfterceros"),
                               [this, nit] { return e.cree_tercero ? e.cree_tercero(nit) : 0; });
            if (dm.sql()
                    .scalar(S("select terc_nom from terceros where terc_nit = ") + sql::quoted(nit))
                    .isValid())
                return;
        }
        ++quieto;
        f.clear();
        --quieto;
    };
    regla(ds, {"EGCO_PROY", "EGCO_CENTRO", "EGCO_SUBC"}, &Impl::valide_centro);
    ds.declareField(S("EGCO_BASEM")).onChange = [this](Field&) {
        if (quieto == 0)
            calcule_linea(true);
    };
    ds.declareField(S("EGCO_PORC")).onChange = [this](Field&) {
        if (quieto == 0)
            calcule_linea(false);
    };
    ds.beforePost = [this](ClientDataset& x) {
        if (quieto != 0)
            return;
        const QString cuenta = x.fieldByName(S("CUEN_COD")).asString();
        if (cuenta.isEmpty()) {
            x.cancel();
            x.abort();
            return;
        }
        if (x.fieldByName(S("EGCO_DEBITOS")).asCurrency().isZero() &&
            x.fieldByName(S("EGCO_CREDITOS")).asCurrency().isZero()) {
            dm.dialogs().error(S("Debe indicar un valor débito o crédito para la cuenta ") +
                               cuenta + S(" o eliminar el registro completo."));
            x.abort();
        }
    };
    ds.afterScroll = [this](ClientDataset& x) {
        const QString cuenta =
            x.recordCount() > 0 ? x.fieldByName(S("CUEN_COD")).asString() : QString();
        nombre_cuenta = cuenta.isEmpty() || !sql::admisible(cuenta, 20)
                            ? QString()
                            : dm.sql()
                                  .scalar(S("select cuen_nom from cuentas where cuen_cod = ") +
                                          sql::quoted(cuenta))
                                  .toString();
    };
}

void Egreso::Impl::cambie_cuenta(Field& f) {
    const QString cuenta = f.asString();
    nombre_cuenta.clear();
    const auto vacie = [&] {
        ++quieto;
        f.clear();
        --quieto;
    };
    if (cuenta.isEmpty())
        return;
    if (cuenta.startsWith(u'?')) {
        vacie();
        emit e.busque_cuenta(cuenta.mid(1));
        return;
    }
    const auto codigo = [&] {
        // A code no account can have is answered like one too long.
        if (!sql::admisible(cuenta, 20))
            return 2;
        const QVariant v =
            dm.sql().scalar(S("select * from valide_cuenta_c(") + sql::quoted(cuenta) + S(")"));
        return v.isValid() ? v.toInt() : 2;
    };
    int error = codigo();
    if (error == 1) {
        if (!dm.dialogs().question(S("La cuenta especificada no existe. Desea Crearla?")))
            return vacie();
        dm.dialogs().modal(S("Tfcuentas"),
                           [this, cuenta] { return e.cree_cuenta ? e.cree_cuenta(cuenta) : 0; });
        // Created now, it is taken as if typed after.
        error = codigo();
        if (error == 1)
            return vacie();
    }
    const char* const mensajes[] = {nullptr, nullptr,
                                    "El código de cuenta está incompleto o demasiado largo.",
                                    "La cuenta es de nivel inferior al mínimo afectable.",
                                    "La cuenta indicada tiene auxiliares definidos."};
    if (error >= 2 && error <= 4) {
        dm.dialogs().error(S(mensajes[error]));
        return vacie();
    }
    nombre_cuenta =
        dm.sql()
            .scalar(S("select cuen_nom from cuentas where cuen_cod = ") + sql::quoted(cuenta))
            .toString();
}

void Egreso::Impl::valide_centro(ClientDataset& ds) {
    const QString proyecto = ds.fieldByName(S("EGCO_PROY")).asString();
    const QString centro = ds.fieldByName(S("EGCO_CENTRO")).asString();
    const QString subcentro = ds.fieldByName(S("EGCO_SUBC")).asString();
    if (proyecto.isEmpty() || centro.isEmpty() || subcentro.isEmpty())
        return;
    bool existe = false;
    if (sql::admisible(proyecto, 4) && sql::admisible(centro, 4) && sql::admisible(subcentro, 4)) {
        QString sql = S("select proy_cod, cent_cod, subc_cod from subcentros where proy_cod = ") +
                      sql::quoted(proyecto) + S(" and cent_cod = ") + sql::quoted(centro) +
                      S(" and subc_cod = ") + sql::quoted(subcentro);
        // The agency belongs to the centre.
        if (filtrar_centros)
            sql += S(" and cent_cod in (select cent_cod from centros where proy_cod = ") +
                   sql::quoted(proyecto) + S(" and ((sucu_id = 0) or (sucu_id = ") +
                   sql::number(dm.ctx.agencia) + S(")))");
        existe = dm.sql().scalar(sql).isValid();
    }
    if (existe)
        return;
    dm.dialogs().error(S("Centro-subcentro no encontrado."));
    ++quieto;
    ds.fieldByName(S("EGCO_SUBC")).clear();
    --quieto;
}

void Egreso::Impl::calcule_linea(bool porcentaje_de_cuenta) {
    ClientDataset& ds = *CConta;
    const QString cuenta = ds.fieldByName(S("CUEN_COD")).asString();
    if (!editando(ds) || cuenta.isEmpty() || !sql::admisible(cuenta, 20))
        return;
    Field& porc = ds.fieldByName(S("EGCO_PORC"));
    const Currency base = ds.fieldByName(S("EGCO_BASEM")).asCurrency();
    ++quieto;
    if (porcentaje_de_cuenta && porc.asCurrency().isZero()) {
        auto q =
            dm.sql().select(S("select CUEN_BASEMIN, CUEN_PORC from cuentas where cuen_cod = ") +
                            sql::quoted(cuenta));
        if (q && q->next() && base >= decimal(*q, 0))
            porc.setCurrency(decimal(*q, 1));
    }
    const Currency p = porc.asCurrency();
    if (p > Currency() && !base.isZero()) {
        const Currency valor = R(base.abs() * p / k100, redondeo);
        // A negative base is a credit of the same size.
        ds.fieldByName(S("EGCO_DEBITOS")).setCurrency(base.isNegative() ? Currency() : valor);
        ds.fieldByName(S("EGCO_CREDITOS")).setCurrency(base.isNegative() ? valor : Currency());
    }
    --quieto;
}

void Egreso::aplique_plantilla(int id) {
    Impl& d = *d_;
    ClientDataset& ds = *d.CConta;
    // A line being typed counts as typed.
    if (!ds.isEmpty() &&
        !d.dm.dialogs().question(S("Al traer la plantilla perderá los movimientos digitados en el "
                                   "comprobante, Continuar?")))
        return;
    ds.cancel();
    while (!ds.isEmpty()) {
        ds.first();
        ds.remove();
    }
    auto q = d.dm.sql().select(
        S("select CUEN_COD, TERC_NIT, PROY_COD, CENT_COD, SUBC_COD, PLDE_CONCEPTO, PLDE_DEBITOS, "
          "PLDE_CREDITOS, PLDE_BASE, PLDE_PORC from PLANTILLA_DETALLE where PLAN_ID = ") +
        sql::number(id) + S(" order by PLDE_ITEM"));
    ++d.quieto;
    while (q && q->next()) {
        ds.append();
        const char* const campos[] = {"CUEN_COD",    "EGCO_NIT",  "EGCO_PROY",
                                      "EGCO_CENTRO", "EGCO_SUBC", "EGCO_CONC"};
        for (int i = 0; i < 6; ++i)
            ds.fieldByName(S(campos[i])).setValue(q->value(i));
        const char* const montos[] = {"EGCO_DEBITOS", "EGCO_CREDITOS", "EGCO_BASEM", "EGCO_PORC"};
        for (int i = 0; i < 4; ++i)
            ds.fieldByName(S(montos[i])).setCurrency(decimal(*q, 6 + i));
        ds.post();
    }
    --d.quieto;
    q.reset();
    if (!ds.isEmpty())
        ds.first();
}

// Contribution lines go in once, the first time a payment panel opens.
void Egreso::Impl::agregue_aportes() {
    if (aporte == 0)
        return;
    const qint64 id = aporte;
    aporte = 0;
    edite();
    h("EGRE_IDAPORTE").setValue(id);
    auto q = dm.sql().select(
        S("SELECT PGAP_ADMIN, PGAP_CTACONTA, PGAP_MONTO+PGAP_INTMORA FROM PAGO_APORTES WHERE "
          "PGAP_ID = ") +
        sql::number(id) + S(" ORDER BY PGAP_ITEM"));
    ClientDataset& ds = *CConta;
    ++quieto;
    while (q && q->next()) {
        if (q->value(1).toString().trimmed().isEmpty())
            continue;
        ds.append();
        ds.fieldByName(S("CUEN_COD")).setValue(q->value(1));
        ds.fieldByName(S("EGCO_NIT")).setValue(q->value(0));
        ds.fieldByName(S("EGCO_DEBITOS")).setCurrency(decimal(*q, 2));
        ds.fieldByName(S("EGCO_CREDITOS")).setCurrency(Currency());
        ds.post();
    }
    --quieto;
    edite();
}

// ---------------------------------------------------------------- pickers

void Egreso::reciba_tercero(const QString& nit, bool conta_con_foco) {
    Impl& d = *d_;
    if (!conta_con_foco) {
        cambie_nit(nit);
        return;
    }
    if (d.linea_actual(*d.CConta))
        d.CConta->fieldByName(S("EGCO_NIT")).setValue(nit);
}

void Egreso::reciba_centro(const QString& proyecto, const QString& centro,
                           const QString& subcentro) {
    Impl& d = *d_;
    ClientDataset& ds = *d.CConta;
    if (!d.linea_actual(ds))
        return;
    ++d.quieto;
    ds.fieldByName(S("EGCO_PROY")).setValue(proyecto);
    ds.fieldByName(S("EGCO_CENTRO")).setValue(centro);
    ds.fieldByName(S("EGCO_SUBC")).setValue(subcentro);
    --d.quieto;
    d.valide_centro(ds);
}

void Egreso::reciba_cuenta(const QString& cuenta) {
    Impl& d = *d_;
    if (d.linea_actual(*d.CConta))
        d.CConta->fieldByName(S("CUEN_COD")).setValue(cuenta);
}

}  // namespace ledgrix
