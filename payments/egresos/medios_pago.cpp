#include "payments/egresos/medios_pago.h"

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/medios_pago_impl.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

MediosPago::Impl::Impl(MediosPago& m, Tfdm& dm) : m(m), dm(dm), cja(dm) {
    CCajas = lista(S("Cajas"));
    CFormas = lista(S("FormasPago"));
    CCuentas = lista(S("CuentasBanco"));
}

ClientDataset* MediosPago::Impl::lista(const QString& nombre) {
    auto* p = new Provider(&m, S("P") + nombre);
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(S("Q") + nombre);
    p->setAllowCommandText(true);
    auto* ds = new ClientDataset(&m, S("C") + nombre);
    ds->setProvider(p);
    return ds;
}

QVariant MediosPago::Impl::valor(const ClientDataset& ds, const char* campo) {
    const Field* f = ds.active() ? ds.findField(S(campo)) : nullptr;
    return f && !ds.isEmpty() ? f->value() : QVariant();
}

Currency MediosPago::Impl::suma(const ClientDataset& ds, const char* campo) {
    const Field* f = ds.active() ? ds.findField(S(campo)) : nullptr;
    Currency total;
    for (int i = 0; f && i < ds.recordCount(); ++i)
        total += Field::currencyOf(ds.valueAt(i, f->index()));
    return total;
}

bool MediosPago::Impl::editando(const ClientDataset& ds) {
    return ds.state() == ClientDataset::State::Insert || ds.state() == ClientDataset::State::Edit;
}

bool MediosPago::Impl::edite(ClientDataset& ds) {
    if (editando(ds))
        return true;
    return ds.isEmpty() ? ds.append() : ds.edit();
}

void MediosPago::Impl::ponga(ClientDataset& ds, const char* campo, const QVariant& v) {
    Quietas q(quietas);
    Field& f = ds.fieldByName(S(campo));
    const bool fijo = f.readOnly();
    f.setReadOnly(false);
    f.setValue(v);
    f.setReadOnly(fijo);
}

QVariant MediosPago::Impl::de_caja(int caja, const char* campo) const {
    const Field* id = CCajas->active() ? CCajas->findField(S("CAJA_ID")) : nullptr;
    const Field* f = id ? CCajas->findField(S(campo)) : nullptr;
    for (int i = 0; f && i < CCajas->recordCount(); ++i)
        if (CCajas->valueAt(i, id->index()).toInt() == caja)
            return CCajas->valueAt(i, f->index());
    return {};
}

int MediosPago::Impl::caja_predeterminada() const {
    const Field* id = CCajas->active() ? CCajas->findField(S("CAJA_ID")) : nullptr;
    const Field* predet = id ? CCajas->findField(S("CAJA_PREDET")) : nullptr;
    for (int i = 0; predet && i < CCajas->recordCount(); ++i)
        if (CCajas->valueAt(i, predet->index()).toString() == S("S"))
            return CCajas->valueAt(i, id->index()).toInt();
    return valor(*CCajas, "CAJA_ID").toInt();
}

bool MediosPago::Impl::puede_abrir(bool otro_abierto, const QString& cierre) {
    if (otro_abierto) {
        dm.dialogs().error(cierre);
        return false;
    }
    if (Field::currencyOf(valor(m.egreso_, "EGRE_MONTO")) <= Currency()) {
        dm.dialogs().error(S("Debe ingresar antes el monto y demás datos del egreso"));
        return false;
    }
    return true;
}

MediosPago::MediosPago(Tfdm& dm, ClientDataset& egreso, ClientDataset& caja, ClientDataset& banco,
                       QObject* parent)
    : QObject(parent),
      dm_(dm),
      egreso_(egreso),
      caja_(caja),
      banco_(banco),
      d_(std::make_unique<Impl>(*this, dm)) {
    dm.ConfigurarProviders(this);
    d_->instale_caja();
    d_->instale_banco();
}

MediosPago::~MediosPago() = default;

bool MediosPago::abra() {
    // Look-ups of one user action share one read transaction.
    Transaccion lectura(dm_.Ledgrix());
    QString cajas = S("select * from CAJAS where CAJA_ACTIVA = 'S'");
    const int propia = dm_.sql()
                           .scalar(S("select CAJA_ID from USUARIO where USER_COD = ") +
                                   sql::quoted(dm_.ctx.usuario))
                           .toInt();
    if (propia != 0)
        cajas += S(" AND CAJA_ID = ") + sql::number(propia);
    if (dm_.ctx.agencia != 0)
        cajas += S(" AND ((SUCU_ID = ") + sql::number(dm_.ctx.agencia) + S(") OR (SUCU_ID = 0))");
    d_->CCajas->setCommandText(cajas + S(" order by CAJA_ID"));
    d_->CFormas->setCommandText(
        S("select FOPA_ID, FOPA_NOM, FOPA_CTACONTA from FORMAS_PAGO order by FOPA_ID"));
    d_->CCuentas->setCommandText(
        S("select * from CUENTAS_BANCOS where CUBA_ESTADO = 'N' order by CUBA_COD"));
    for (ClientDataset* ds : {d_->CCajas, d_->CFormas, d_->CCuentas}) {
        if (!ds->open())
            return false;
        ds->fetchAll();
    }
    return true;
}

void MediosPago::reinicie() {
    caja_activa_ = banco_activo_ = false;
    numero_banco_editable_ = true;
    sum_caja_ = sum_banco_ = Currency();
    d_->tipos.clear();
    d_->prefijos.clear();
}

ClientDataset& MediosPago::cajas() const {
    return *d_->CCajas;
}

ClientDataset& MediosPago::formas_pago() const {
    return *d_->CFormas;
}

ClientDataset& MediosPago::cuentas_banco() const {
    return *d_->CCuentas;
}

QStringList MediosPago::tipos_banco() const {
    return d_->tipos;
}

QStringList MediosPago::prefijos_banco() const {
    QStringList lista;
    for (const auto& p : d_->prefijos)
        lista << p.prefijo;
    return lista;
}

int MediosPago::primera_caja() const {
    const Field* id = d_->CCajas->active() ? d_->CCajas->findField(S("CAJA_ID")) : nullptr;
    return id && !d_->CCajas->isEmpty() ? d_->CCajas->valueAt(0, id->index()).toInt() : 0;
}

void MediosPago::sin_reglas(const std::function<void()>& llenar) {
    QList<Field*> fijos;
    for (auto [ds, campo] : {std::pair{&caja_, "EGCA_MONTO"}, {&banco_, "EGBC_NUMERO"}})
        if (Field* f = ds->active() ? ds->findField(S(campo)) : nullptr)
            fijos << f;
    {
        Impl::Quietas q(d_->quietas);
        for (Field* f : fijos)
            f->setReadOnly(false);
        llenar();
    }
    d_->ajuste_monto_editable();
}

void MediosPago::recalcule() {
    sum_caja_ = Impl::suma(caja_, "EGCA_MONTO");
    sum_banco_ = Impl::suma(banco_, "EGBC_MONTO");
}

}  // namespace ledgrix
