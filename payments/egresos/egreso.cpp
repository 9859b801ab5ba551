#include "payments/egresos/egreso.h"

#include "accounting/contabilizacion/contabilizacion.h"
#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/medios_pago.h"

// Skeleton: bodies arrive with the implementation.
namespace ledgrix {

struct Egreso::Impl {
    ClientDataset* vacio = nullptr;
    MediosPago* medios = nullptr;
    std::unique_ptr<Contabilizacion> conta;
};

Egreso::Egreso(Tfdm& dm, QObject* parent) : QObject(parent), d_(std::make_unique<Impl>()) {
    d_->vacio = new ClientDataset(this, QStringLiteral("CVacio"));
    d_->medios = new MediosPago(dm, *d_->vacio, *d_->vacio, *d_->vacio, this);
    d_->conta = std::make_unique<Contabilizacion>(dm);
}
Egreso::~Egreso() = default;

bool Egreso::abra() {
    return {};
}

void Egreso::reciba_aporte(qint64, Currency) {}

ClientDataset& Egreso::egresos() const {
    return *d_->vacio;
}

ClientDataset& Egreso::documentos() const {
    return *d_->vacio;
}

ClientDataset& Egreso::cruces() const {
    return *d_->vacio;
}

ClientDataset& Egreso::conta() const {
    return *d_->vacio;
}

ClientDataset& Egreso::caja() const {
    return *d_->vacio;
}

ClientDataset& Egreso::banco() const {
    return *d_->vacio;
}

ClientDataset& Egreso::prefijos() const {
    return *d_->vacio;
}

ClientDataset& Egreso::clases() const {
    return *d_->vacio;
}

ClientDataset& Egreso::monedas() const {
    return *d_->vacio;
}

ClientDataset& Egreso::tipos_cxp() const {
    return *d_->vacio;
}

ClientDataset& Egreso::tipos_cartera() const {
    return *d_->vacio;
}

Field& Egreso::campo(const QString&) const {
    return d_->vacio->fieldByName({});
}

MediosPago& Egreso::medios() const {
    return *d_->medios;
}

Contabilizacion& Egreso::contabilizacion() const {
    return *d_->conta;
}

Egreso::Accion Egreso::accion(int) const {
    return Accion::Nada;
}

Egreso::Panel Egreso::panel() const {
    return Panel::Ninguno;
}

bool Egreso::cruces_abierto() const {
    return {};
}

bool Egreso::pide_moneda() const {
    return {};
}

bool Egreso::fecha_editable() const {
    return {};
}

bool Egreso::numero_editable() const {
    return {};
}

bool Egreso::prefijo_elegible() const {
    return {};
}

bool Egreso::montos_editables() const {
    return {};
}

bool Egreso::retenciones_editables() const {
    return {};
}

bool Egreso::conta_editable() const {
    return {};
}

bool Egreso::ver_pago() const {
    return {};
}

bool Egreso::boton_caja() const {
    return {};
}

bool Egreso::boton_banco() const {
    return {};
}

bool Egreso::caja_destino_visible() const {
    return {};
}

QString Egreso::nombre_cuenta() const {
    return {};
}

int Egreso::interfaz() const {
    return {};
}

Egreso::Sumas Egreso::sumas() const {
    return {};
}

void Egreso::cambie_prefijo(const QString&) {}

void Egreso::cambie_numero(const QString&) {}

void Egreso::cambie_fecha(const QDate&) {}

void Egreso::cambie_moneda(int) {}

void Egreso::cambie_nit(const QString&) {}

void Egreso::cambie_tipo(const QString&) {}

void Egreso::cambie_monto(Currency) {}

void Egreso::cambie_excedente(Currency) {}

void Egreso::cambie_caja_destino(int) {}

void Egreso::abra_documentos() {}

bool Egreso::continue_documentos() {
    return {};
}

bool Egreso::cancele_documentos() {
    return {};
}

void Egreso::borre_documento() {}

void Egreso::abra_cruces() {}

bool Egreso::continue_cruces() {
    return {};
}

void Egreso::aplique_plantilla(int) {}

void Egreso::reciba_tercero(const QString&, bool) {}

void Egreso::reciba_centro(const QString&, const QString&, const QString&) {}

void Egreso::reciba_cuenta(const QString&) {}

void Egreso::reciba_documento_cxp(const DocumentoSeleccionado&) {}

void Egreso::reciba_documento_cartera(const DocumentoSeleccionado&) {}

void Egreso::reciba_grupo(int) {}

void Egreso::reciba_anticipo(qint64, const QString&, const QString&) {}

bool Egreso::grabe() {
    return {};
}

bool Egreso::cancele() {
    return {};
}

void Egreso::cierre() {}

}  // namespace ledgrix
