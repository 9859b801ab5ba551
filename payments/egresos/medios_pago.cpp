#include "payments/egresos/medios_pago.h"

#include "accounting/contabilizacion/contabilizacion.h"
#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/medios_pago.h"

// Skeleton: bodies arrive with the implementation.
namespace ledgrix {

struct MediosPago::Impl {
    ClientDataset* vacio = nullptr;
};

MediosPago::MediosPago(Tfdm& dm, ClientDataset& egreso, ClientDataset& caja, ClientDataset& banco,
                       QObject* parent)
    : QObject(parent),
      dm_(dm),
      egreso_(egreso),
      caja_(caja),
      banco_(banco),
      d_(std::make_unique<Impl>()) {
    d_->vacio = new ClientDataset(this, QStringLiteral("CVacio"));
}
MediosPago::~MediosPago() = default;

bool MediosPago::abra() {
    return {};
}

void MediosPago::reinicie() {}

ClientDataset& MediosPago::cajas() const {
    return *d_->vacio;
}

ClientDataset& MediosPago::formas_pago() const {
    return *d_->vacio;
}

ClientDataset& MediosPago::cuentas_banco() const {
    return *d_->vacio;
}

QStringList MediosPago::tipos_banco() const {
    return {};
}

QStringList MediosPago::prefijos_banco() const {
    return {};
}

int MediosPago::primera_caja() const {
    return {};
}

bool MediosPago::abra_caja() {
    return {};
}

void MediosPago::nueva_linea_caja() {}

void MediosPago::cambie_caja(int) {}

void MediosPago::cambie_forma_pago(int) {}

void MediosPago::cambie_monto_caja(Currency, bool) {}

void MediosPago::cambie_banco_doc(const QString&) {}

void MediosPago::cambie_cuenta_doc(const QString&) {}

void MediosPago::cambie_numero_doc(const QString&) {}

bool MediosPago::monto_caja_editable() const {
    return {};
}

bool MediosPago::grabe_linea_caja() {
    return {};
}

void MediosPago::borre_linea_caja() {}

void MediosPago::reciba_docs_caja(const QList<Tfdmcja::DocumentoCaja>&) {}

bool MediosPago::continue_caja() {
    return {};
}

void MediosPago::cancele_caja() {}

void MediosPago::borre_caja() {}

bool MediosPago::abra_banco() {
    return {};
}

void MediosPago::cambie_cuenta_banco(const QString&) {}

void MediosPago::cambie_tipo_banco(const QString&) {}

void MediosPago::cambie_prefijo_banco(const QString&) {}

bool MediosPago::cambie_numero_banco(const QString&) {
    return {};
}

bool MediosPago::continue_banco() {
    return {};
}

void MediosPago::cancele_banco() {}

void MediosPago::recalcule() {}

}  // namespace ledgrix
