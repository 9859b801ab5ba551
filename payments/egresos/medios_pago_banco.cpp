// The bank line of the voucher ("Pago del Banco "): one cheque or withdrawal
// of an active account, numbered by the account's bank prefixes.
#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/medios_pago.h"
#include "payments/egresos/medios_pago_impl.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

constexpr int kCheque = 72;

}  // namespace

void MediosPago::Impl::instale_banco() {
    ClientDataset& ds = m.banco_;
    ds.onNewRecord = [this](ClientDataset& b) { defectos_banco(b); };
    ds.declareField(S("CUBA_COD")).onChange = [this](Field&) {
        if (quietas == 0)
            regla_cuenta();
    };
    ds.declareField(S("PRBA_PREF")).onChange = [this](Field&) {
        if (quietas == 0)
            regla_prefijo();
    };
    ds.declareField(S("EGBC_NUMERO")).onChange = [this](Field&) {
        if (quietas == 0)
            numero_libre = regla_numero();
    };
}

void MediosPago::Impl::defectos_banco(ClientDataset& ds) {
    const bool llenada_por_codigo = quietas > 0;
    {
        Quietas q(quietas);
        ds.fieldByName(S("EGBC_FECHA")).setValue(valor(m.egreso_, "EGRE_FECHA"));
        ds.fieldByName(S("CUBA_COD")).setValue(valor(*CCuentas, "CUBA_COD"));
        ds.fieldByName(S("EGBC_CONCEPTO")).setValue(valor(m.egreso_, "EGRE_CONC"));
        ds.fieldByName(S("EGBC_BENEF")).setValue(valor(m.egreso_, "EGRE_NOMTERC"));
        ds.fieldByName(S("EGBC_MONTO"))
            .setCurrency(Field::currencyOf(valor(m.egreso_, "EGRE_MONTO")) - m.sum_caja_);
        for (const char* campo : {"EGBC_ANULADO", "EGBC_TRANSMIT", "EGBC_GMF"})
            ds.fieldByName(S(campo)).setValue(S("N"));
    }
    if (!llenada_por_codigo)
        regla_cuenta();
}

void MediosPago::Impl::cargue_tipos() {
    tipos.clear();
    auto q = dm.sql().select(
        S("select distinct tido_nomlargo from prefijos_bancos p, tipo_documento t where "
          "p.tido_cod = t.tido_cod and cuba_cod = ") +
        sql::quoted(valor(m.banco_, "CUBA_COD").toString()) +
        S(" and (p.tido_cod = 72 or p.tido_cod = 73)and PRBA_ACTIVO = 'S' order by p.tido_cod, "
          "prba_pref"));
    while (q && q->next())
        tipos << q->value(0).toString().trimmed();
}

void MediosPago::Impl::cargue_prefijos(const QString& nombre) {
    prefijos.clear();
    auto q = dm.sql().select(
        S("select p.tido_cod, prba_pref, prba_numero, prba_auto from prefijos_bancos p, "
          "tipo_documento t where p.tido_cod = t.tido_cod and cuba_cod = ") +
        sql::quoted(valor(m.banco_, "CUBA_COD").toString()) +
        S(" and PRBA_ACTIVO = 'S' and tido_nomlargo = ") + sql::quoted(nombre) +
        S(" order by prba_pref"));
    while (q && q->next())
        prefijos << PrefijoBanco{q->value(0).toInt(), q->value(1).toString().trimmed(),
                                 q->value(2).toString().trimmed(),
                                 q->value(3).toString() == S("S")};
    tipo_nombre = nombre;
}

void MediosPago::Impl::regla_cuenta() {
    cargue_tipos();
    const QString cuenta = valor(m.banco_, "CUBA_COD").toString();
    const Field* cod = CCuentas->findField(S("CUBA_COD"));
    const Field* gmf = CCuentas->findField(S("CUBA_GMFPOR"));
    Currency porcentaje;
    for (int i = 0; gmf && i < CCuentas->recordCount(); ++i)
        if (CCuentas->valueAt(i, cod->index()).toString() == cuenta)
            porcentaje = Field::currencyOf(CCuentas->valueAt(i, gmf->index()));
    ponga(m.banco_, "EGBC_GMF", porcentaje > Currency() ? S("S") : S("N"));
    regla_tipo(tipos.value(0));
}

void MediosPago::Impl::regla_tipo(const QString& nombre) {
    cargue_prefijos(nombre);
    if (prefijos.isEmpty()) {
        dm.dialogs().error(
            S("La cuenta indicada no posee prefijos registrados para cheques o retiros."));
        // A prefix belongs to its account: none of another may stay.
        ponga(m.banco_, "PRBA_PREF", {});
        ponga(m.banco_, "EGBC_NUMERO", {});
        m.banco_.fieldByName(S("EGBC_NUMERO")).setReadOnly(false);
        m.numero_banco_editable_ = true;
        return;
    }
    ponga(m.banco_, "EGBC_TIPOBCO", prefijos.first().tipo);
    ponga(m.banco_, "PRBA_PREF", prefijos.first().prefijo);
    regla_prefijo();
}

void MediosPago::Impl::regla_prefijo() {
    const QString prefijo = valor(m.banco_, "PRBA_PREF").toString();
    for (const PrefijoBanco& p : prefijos) {
        if (p.prefijo != prefijo)
            continue;
        ponga(m.banco_, "EGBC_NUMERO", p.numero);
        m.numero_banco_editable_ = !p.automatico;
        m.banco_.fieldByName(S("EGBC_NUMERO")).setReadOnly(p.automatico);
        numero_libre = regla_numero();
        return;
    }
}

bool MediosPago::Impl::regla_numero() {
    const QString numero = valor(m.banco_, "EGBC_NUMERO").toString();
    if (numero.isEmpty())
        return true;
    const QString cuenta = sql::quoted(valor(m.banco_, "CUBA_COD").toString());
    const QString prefijo = sql::quoted(valor(m.banco_, "PRBA_PREF").toString());
    const QString sql =
        valor(m.banco_, "EGBC_TIPOBCO").toInt() == kCheque
            ? S("select count(cheq_id) from cheques where cuba_cod = ") + cuenta +
                  S(" and prba_pref = ") + prefijo + S(" and cheq_numero = ") + sql::quoted(numero)
            : S("select count(reti_id) from retiros where cuba_cod = ") + cuenta +
                  S(" and prba_pref = ") + prefijo + S(" and reti_numero = ") + sql::quoted(numero);
    if (dm.sql().scalar(sql).toInt() > 0) {
        dm.dialogs().error(
            S("Ya existe el documento del banco, verifique cuenta, tipo, prefijo "
              "y numero del documento."));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- panel

bool MediosPago::abra_banco() {
    if (!d_->puede_abrir(caja_activa_, S("Cierre antes la forma del pago de caja.")))
        return false;
    if (antes_de_abrir)
        antes_de_abrir();
    if (d_->CCuentas->isEmpty()) {
        dm_.dialogs().error(S("Debe crear antes las cuentas de bancos a manejar."));
        return false;
    }
    if (banco_.isEmpty()) {
        if (!banco_.append())
            return false;
    } else {
        if (!banco_.edit())
            return false;
        // The lists of the line as it was left.
        const QString tipo = dm_.sql()
                                 .scalar(S("select tido_nomlargo from tipo_documento where "
                                           "tido_cod = ") +
                                         sql::number(Impl::valor(banco_, "EGBC_TIPOBCO").toInt()))
                                 .toString()
                                 .trimmed();
        d_->cargue_tipos();
        d_->cargue_prefijos(tipo);
        for (const auto& p : d_->prefijos)
            if (p.prefijo == Impl::valor(banco_, "PRBA_PREF").toString()) {
                numero_banco_editable_ = !p.automatico;
                banco_.fieldByName(S("EGBC_NUMERO")).setReadOnly(p.automatico);
            }
    }
    banco_activo_ = true;
    return true;
}

QString MediosPago::tipo_banco() const {
    return d_->tipo_nombre;
}

void MediosPago::cambie_cuenta_banco(const QString& cuba_cod) {
    if (Impl::edite(banco_))
        banco_.fieldByName(S("CUBA_COD")).setValue(cuba_cod);
}

void MediosPago::cambie_tipo_banco(const QString& nombre_largo) {
    if (Impl::edite(banco_))
        d_->regla_tipo(nombre_largo);
}

void MediosPago::cambie_prefijo_banco(const QString& prefijo) {
    if (Impl::edite(banco_))
        banco_.fieldByName(S("PRBA_PREF")).setValue(prefijo);
}

bool MediosPago::cambie_numero_banco(const QString& numero) {
    if (!Impl::edite(banco_) || !banco_.fieldByName(S("EGBC_NUMERO")).setValue(numero))
        return false;
    return d_->numero_libre;
}

bool MediosPago::continue_banco() {
    if (!banco_.isEmpty()) {
        const Currency monto = Field::currencyOf(Impl::valor(banco_, "EGBC_MONTO"));
        if (monto.isZero()) {
            dm_.dialogs().error(S("El monto del movimiento no puede ser cero"));
            return false;
        }
        if (!banco_.post())
            return false;
    }
    sum_banco_ = Impl::suma(banco_, "EGBC_MONTO");
    banco_activo_ = false;
    return true;
}

void MediosPago::cancele_banco() {
    if (banco_.active() && !banco_.isEmpty())
        banco_.remove();
    sum_banco_ = Currency();
    banco_activo_ = false;
}

}  // namespace ledgrix
