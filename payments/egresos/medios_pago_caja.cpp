// The cash lines of the voucher ("Pago de caja "): cash typed by the user
// (form of payment 1) or payment documents held in a box.
#include <QMetaObject>

#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/medios_pago.h"
#include "payments/egresos/medios_pago_impl.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

constexpr int kEfectivo = 1;  // form of payment typed by the user

}  // namespace

void MediosPago::Impl::instale_caja() {
    ClientDataset& ds = m.caja_;
    ds.onNewRecord = [this](ClientDataset& c) { defectos_caja(c); };
    ds.beforePost = [this](ClientDataset& c) { antes_de_grabar_caja(c); };
    ds.declareField(S("CAJA_ID"), Field::Type::Integer).onChange = [this](Field&) { regla_caja(); };
    ds.declareField(S("FOPA_ID"), Field::Type::Integer).onChange = [this](Field&) {
        regla_forma();
    };
    ds.declareField(S("EGCA_MONTO"), Field::Type::Currency).onChange = [this](Field&) {
        regla_monto();
    };
    for (const char* campo : {"EGCA_BANCO", "EGCA_CUENTA", "EGCA_NUMERO"})
        ds.declareField(S(campo)).onChange = [this](Field&) { regla_doc(); };
    QObject::connect(&ds, &ClientDataset::currentRowChanged, &m, [this] {
        // Only a line just created lowers its amount to the cash in the box.
        if (m.caja_.state() != ClientDataset::State::Insert)
            rebaja_pendiente = false;
        caja_aceptada = valor(m.caja_, "CAJA_ID");
        ajuste_monto_editable();
    });
}

void MediosPago::Impl::defectos_caja(ClientDataset& ds) {
    const bool llenada_por_codigo = quietas > 0;
    {
        Quietas q(quietas);
        int item = 0;
        const int columna = ds.fieldByName(S("EGCA_ITEM")).index();
        for (int i = 0; i < ds.recordCount(); ++i)
            item = std::max(item, ds.valueAt(i, columna).toInt());
        ds.fieldByName(S("EGCA_ITEM")).setValue(item + 1);
        const int caja = caja_predeterminada();
        if (caja != 0)
            ds.fieldByName(S("CAJA_ID")).setValue(caja);
        ds.fieldByName(S("FOPA_ID")).setValue(kEfectivo);
        ajuste_monto_editable();
        ds.fieldByName(S("EGCA_FECHA")).setValue(valor(m.egreso_, "EGRE_FECHA"));
        ds.fieldByName(S("EGCA_ANULADO")).setValue(S("N"));
        ds.fieldByName(S("EGCA_TRANSMIT")).setValue(S("N"));
        // What is still missing; the new line's own amount is empty yet.
        ds.fieldByName(S("EGCA_MONTO"))
            .setCurrency(Field::currencyOf(valor(m.egreso_, "EGRE_MONTO")) -
                         suma(ds, "EGCA_MONTO") - m.sum_banco_);
        rebaja_pendiente = true;
        caja_aceptada = ds.fieldByName(S("CAJA_ID")).value();
    }
    // A line filled from a held document gets its amount from it instead.
    if (!llenada_por_codigo)
        regla_monto();
}

void MediosPago::Impl::ajuste_monto_editable() {
    if (Field* f = m.caja_.active() ? m.caja_.findField(S("EGCA_MONTO")) : nullptr)
        f->setReadOnly(!m.monto_caja_editable());
}

bool MediosPago::monto_caja_editable() const {
    const QVariant fopa = Impl::valor(caja_, "FOPA_ID");
    return !fopa.isValid() || fopa.toInt() == kEfectivo;
}

void MediosPago::Impl::regla_caja() {
    if (quietas > 0)
        return;
    const QVariant caja = valor(m.caja_, "CAJA_ID");
    if (!caja.isValid())
        return;
    if (!cja.valide_fecha_caja(caja.toInt(), valor(m.egreso_, "EGRE_FECHA").toDate())) {
        ponga(m.caja_, "CAJA_ID", caja_aceptada);
        return;
    }
    caja_aceptada = caja;
}

void MediosPago::Impl::regla_forma() {
    if (quietas > 0)
        return;
    ajuste_monto_editable();
    if (m.monto_caja_editable())
        return;
    // A held document's amount is the document's: none until it is found.
    ponga(m.caja_, "EGCA_MONTO", {});
    regla_doc();
}

void MediosPago::Impl::regla_monto() {
    if (quietas > 0 || !m.monto_caja_editable())
        return;
    const int caja = valor(m.caja_, "CAJA_ID").toInt();
    const QVariant monto = valor(m.caja_, "EGCA_MONTO");
    if (!monto.isValid() || de_caja(caja, "CAJA_VALEF").toString() != S("S"))
        return;
    // Cash of the same box on the voucher's other lines leaves the box too.
    Currency otras;
    const ClientDataset& ds = m.caja_;
    const int c_caja = ds.fieldByName(S("CAJA_ID")).index();
    const int c_fopa = ds.fieldByName(S("FOPA_ID")).index();
    const int c_monto = ds.fieldByName(S("EGCA_MONTO")).index();
    for (int i = 0; i < ds.recordCount(); ++i)
        if (i != ds.recNo() && ds.valueAt(i, c_caja).toInt() == caja &&
            ds.valueAt(i, c_fopa).toInt() == kEfectivo)
            otras += Field::currencyOf(ds.valueAt(i, c_monto));
    const Currency pedido = Field::currencyOf(monto);
    QDate fecha = valor(ds, "EGCA_FECHA").toDate();
    if (!fecha.isValid())
        fecha = valor(m.egreso_, "EGRE_FECHA").toDate();
    const Currency disponible = cja.efectivo_caja(pedido + otras, fecha, caja) - otras;
    if (rebaja_pendiente && disponible > Currency() && pedido > disponible) {
        rebaja_pendiente = false;
        ponga(m.caja_, "EGCA_MONTO", QVariant::fromValue(disponible));
    }
}

void MediosPago::Impl::regla_doc() {
    if (quietas > 0)
        return;
    ClientDataset& ds = m.caja_;
    const int caja = valor(ds, "CAJA_ID").toInt();
    const QVariant fopa = valor(ds, "FOPA_ID");
    const QVariant monto = valor(ds, "EGCA_MONTO");
    const QDate fecha = valor(ds, "EGCA_FECHA").toDate();
    if (fopa.isValid() && monto.isValid() && !Field::currencyOf(monto).isZero() &&
        de_caja(caja, "CAJA_VALEF").toString() == S("S"))
        cja.efectivo_caja(Field::currencyOf(monto), fecha, caja);
    const QString banco = valor(ds, "EGCA_BANCO").toString();
    const QString cuenta = valor(ds, "EGCA_CUENTA").toString();
    const QString numero = valor(ds, "EGCA_NUMERO").toString();
    if (banco.isEmpty() || cuenta.isEmpty() || numero.isEmpty())
        return;
    if (!cja.valide_doc_en_caja(banco, cuenta, numero, fopa.toInt(), caja)) {
        dm.dialogs().error(S("No existe la forma de pago en la caja indicada."));
        for (const char* campo : {"EGCA_BANCO", "EGCA_CUENTA", "EGCA_NUMERO"})
            ponga(ds, campo, {});
        return;
    }
    if (doc_repetido()) {
        dm.dialogs().error(S("El documento de pago ya existe en este egreso."));
        // Cancelling now would free the row whose field is still changing:
        // it goes as soon as the change returns (at once from cambie_*).
        descarte_pendiente = true;
        QMetaObject::invokeMethod(
            &m, [this] { descarte(); }, Qt::QueuedConnection);
        return;
    }
    ponga(ds, "EGCA_MONTO",
          QVariant::fromValue(
              cja.monto_doc_en_caja(banco, cuenta, numero, fopa.toInt(), caja, fecha)));
}

bool MediosPago::Impl::doc_repetido() const {
    const ClientDataset& ds = m.caja_;
    QList<int> columnas;
    for (const char* campo : {"FOPA_ID", "EGCA_BANCO", "EGCA_CUENTA", "EGCA_NUMERO"})
        columnas << ds.fieldByName(S(campo)).index();
    for (int i = 0; i < ds.recordCount(); ++i) {
        if (i == ds.recNo())
            continue;
        bool igual = true;
        for (int c : columnas)
            igual = igual && Field::equal(ds.valueAt(i, c), ds.valueAt(ds.recNo(), c));
        if (igual)
            return true;
    }
    return false;
}

void MediosPago::Impl::descarte() {
    if (!descarte_pendiente)
        return;
    descarte_pendiente = false;
    m.caja_.cancel();
}

void MediosPago::Impl::antes_de_grabar_caja(ClientDataset& ds) {
    const Field& monto = ds.fieldByName(S("EGCA_MONTO"));
    if (monto.isNull()) {
        dm.dialogs().error(S("Debe indicar un monto para la forma de pago"));
        ds.abort();
        return;
    }
    if (monto.asCurrency().isZero()) {
        // A zero line pays nothing: it is dropped, not stored.
        ds.remove();
        ds.abort();
    }
}

// ---------------------------------------------------------------- panel

bool MediosPago::abra_caja() {
    if (!d_->puede_abrir(banco_activo_, S("Cierre antes la forma del pago del banco.")))
        return false;
    if (antes_de_abrir)
        antes_de_abrir();
    if (caja_.isEmpty() && !caja_.append())
        return false;
    caja_activa_ = true;
    return true;
}

void MediosPago::nueva_linea_caja() {
    caja_.append();
}

void MediosPago::cambie_caja(int caja) {
    if (Impl::edite(caja_))
        caja_.fieldByName(S("CAJA_ID")).setValue(caja);
}

void MediosPago::cambie_forma_pago(int fopa) {
    if (Impl::edite(caja_))
        caja_.fieldByName(S("FOPA_ID")).setValue(fopa);
}

void MediosPago::cambie_monto_caja(Currency monto, bool vacio) {
    if (!Impl::edite(caja_))
        return;
    Field& f = caja_.fieldByName(S("EGCA_MONTO"));
    if (vacio)
        f.clear();
    else
        f.setCurrency(monto);
}

void MediosPago::cambie_banco_doc(const QString& banco) {
    if (Impl::edite(caja_))
        caja_.fieldByName(S("EGCA_BANCO")).setValue(banco);
    d_->descarte();
}

void MediosPago::cambie_cuenta_doc(const QString& cuenta) {
    if (Impl::edite(caja_))
        caja_.fieldByName(S("EGCA_CUENTA")).setValue(cuenta);
    d_->descarte();
}

void MediosPago::cambie_numero_doc(const QString& numero) {
    if (Impl::edite(caja_))
        caja_.fieldByName(S("EGCA_NUMERO")).setValue(numero);
    d_->descarte();
}

bool MediosPago::grabe_linea_caja() {
    return caja_.post() || caja_.state() == ClientDataset::State::Browse;
}

void MediosPago::borre_linea_caja() {
    if (!caja_.isEmpty())
        caja_.remove();
}

void MediosPago::reciba_docs_caja(const QList<Tfdmcja::DocumentoCaja>& documentos) {
    for (const Tfdmcja::DocumentoCaja& doc : documentos) {
        {
            Impl::Quietas q(d_->quietas);
            const bool nueva = documentos.size() > 1 || caja_.isEmpty();
            if (!(nueva ? caja_.append() : Impl::edite(caja_)))
                return;
            if (documentos.size() > 1)
                caja_.fieldByName(S("CAJA_ID")).setValue(doc.caja);
            caja_.fieldByName(S("FOPA_ID")).setValue(doc.fopa);
            caja_.fieldByName(S("EGCA_BANCO")).setValue(doc.banco);
            caja_.fieldByName(S("EGCA_CUENTA")).setValue(doc.cuenta);
            caja_.fieldByName(S("EGCA_NUMERO")).setValue(doc.numero);
            if (doc.fopa != kEfectivo)
                d_->ponga(caja_, "EGCA_MONTO", {});
        }
        d_->ajuste_monto_editable();
        d_->regla_doc();
        d_->descarte();
    }
}

bool MediosPago::continue_caja() {
    if (Impl::editando(caja_)) {
        if (caja_.fieldByName(S("EGCA_MONTO")).isNull())
            caja_.cancel();
        else if (!grabe_linea_caja())
            return false;
    }
    sum_caja_ = Impl::suma(caja_, "EGCA_MONTO");
    caja_activa_ = false;
    return true;
}

void MediosPago::cancele_caja() {
    borre_caja();
}

void MediosPago::borre_caja() {
    if (caja_.active()) {
        caja_.cancel();
        while (!caja_.isEmpty()) {
            caja_.last();
            if (!caja_.remove())
                break;
        }
    }
    sum_caja_ = Currency();
    caja_activa_ = false;
}

}  // namespace ledgrix
