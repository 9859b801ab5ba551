#include "payments/egresos/egreso.h"

#include <Qt>

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/data/provider.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso_impl.h"
#include "payments/egresos/medios_pago.h"

namespace ledgrix {

Egreso::Impl::Impl(Egreso& egreso, Tfdm& modulo)
    : e(egreso),
      dm(modulo),
      ter(modulo),
      registro(modulo),
      cartera(modulo),
      interfaces(modulo),
      conta(std::make_unique<Contabilizacion>(modulo)) {}

Egreso::Egreso(Tfdm& dm, QObject* parent) : QObject(parent), d_(std::make_unique<Impl>(*this, dm)) {
    Impl& d = *d_;
    // The voucher being entered has no stored row until its save: a leftover
    // with id 0 is read only to be offered back.
    d.CEgresos = d.conjunto(S("Egresos"), S("select * from EGRESOS where EGRE_ID is null"));
    const auto lista = [&](const char* nombre, const char* tabla, const char* orden) {
        ClientDataset* ds =
            d.conjunto(S(nombre), S("select * from ") + S(tabla) + S(" where EGRE_ID = :EGRE_ID") +
                                      (orden ? S(" order by ") + S(orden) : QString()));
        ds->setMaster(d.CEgresos, {{S("EGRE_ID"), S("EGRE_ID")}});
        return ds;
    };
    d.CDetalle = lista("Detalle", "EGRESODETALLE", "EGDE_ITEM");
    d.CCruces = lista("Cruces", "EGRECRUCES", "EGCC_ITEM");
    d.CConta = lista("Conta", "EGRECONTA", "EGCO_ITEM");
    d.CCaja = lista("Caja", "EGRECAJA", "EGCA_ITEM");
    d.CBanco = lista("Banco", "EGREBANCO", nullptr);
    d.CPrefijos = d.conjunto(S("Prefijos"), {});
    d.CClases = d.conjunto(S("Clases"),
                           S("select CLEG_ID, CLEG_NOMBRE from CLASES_EGRESO order by CLEG_ID"));
    d.CMonedas = d.conjunto(S("Monedas"),
                            S("select TIMO_COD, TIMO_NOMBRE from TIPOS_MONEDA order by TIMO_COD"));
    d.CTiposCxp = d.conjunto(S("TiposCxp"), S("select TIDO_COD, TIDO_NOMCORTO from TIPO_DOCUMENTO "
                                              "where TIDO_CXP = 'S' order by TIDO_COD"));
    d.CTiposCartera =
        d.conjunto(S("TiposCartera"), S("select TIDO_COD, TIDO_NOMCORTO from TIPO_DOCUMENTO "
                                        "where TIDO_CART = 'S' order by TIDO_COD"));
    // The grids show a line's type by its short name.
    for (auto [ds, tipo] : {std::pair{d.CDetalle, "EGDE_TIPODOC"}, {d.CCruces, "EGCC_TIPODOC"}}) {
        ds->addCalculatedField(S("TIDO_NOMCORTO"), Field::Type::String, 8);
        ds->onCalcFields = [this, campo = S(tipo)](ClientDataset& x) {
            x.fieldByName(S("TIDO_NOMCORTO"))
                .setValue(d_->nombre_tipo(int(x.fieldByName(campo).asInteger())));
        };
    }
    d.medios = new MediosPago(dm, *d.CEgresos, *d.CCaja, *d.CBanco, this);
    d.medios->antes_de_abrir = [this] { d_->agregue_aportes(); };
    d.reglas_documentos();
    d.reglas_cruces();
    d.reglas_conta();
    d.CEgresos->onNewRecord = [this](ClientDataset& ds) {
        Impl& x = *d_;
        ++x.quieto;
        for (Field* f : ds.fields())
            if (f->type() == Field::Type::Currency && !f->calculated())
                f->setCurrency(Currency());
        ds.fieldByName(S("EGRE_ID")).setValue(0);
        ds.fieldByName(S("TIDO_COD")).setValue(62);
        ds.fieldByName(S("EGRE_FECHA")).setValue(x.dm.clock().today());
        for (const char* f : {"EGRE_ANULADO", "EGRE_TRANSMIT", "NUMOK"})
            ds.fieldByName(S(f)).setValue(S("N"));
        ds.fieldByName(S("EGRE_IDAPORTE")).setValue(0);
        ds.fieldByName(S("EGRE_USUARIO")).setValue(x.dm.ctx.usuario);
        ds.fieldByName(S("EGRE_TIPO")).setValue(S("1"));
        ds.fieldByName(S("EGRE_MONEDA")).setValue(x.pide_moneda ? x.moneda_defecto : 1);
        ds.fieldByName(S("EGRE_TRM1")).setCurrency(Currency::fromInt(1));
        // The search lists vouchers through their class.
        if (x.CClases->active() && !x.CClases->isEmpty()) {
            x.CClases->first();
            ds.fieldByName(S("CLEG_ID")).setValue(x.CClases->fieldByName(S("CLEG_ID")).value());
        }
        --x.quieto;
    };
    d.CEgresos->beforePost = [this](ClientDataset& ds) {
        if (!ds.fieldByName(S("TERC_NIT")).asString().isEmpty())
            return;
        d_->dm.dialogs().error(S("Debe indicar un tercero para el egreso."));
        emit enfoque(S("TERC_NIT"));
        ds.abort();
    };
    dm.ConfigurarProviders(this);
}

Egreso::~Egreso() = default;

// ---------------------------------------------------------------- helpers

ClientDataset* Egreso::Impl::conjunto(const QString& nombre, const QString& sql) {
    return ledgrix::conjunto(&e, dm.Ledgrix(), nombre, sql);
}

Field& Egreso::Impl::h(const char* campo) const {
    return CEgresos->fieldByName(S(campo));
}

Currency Egreso::Impl::c(const char* campo) const {
    return h(campo).asCurrency();
}

bool Egreso::Impl::editando(const ClientDataset& ds) {
    return ds.state() == ClientDataset::State::Insert || ds.state() == ClientDataset::State::Edit;
}

bool Egreso::Impl::edite() {
    return editando(*CEgresos) || CEgresos->edit();
}

Currency Egreso::Impl::suma(const ClientDataset& ds, const char* campo) {
    Currency total;
    if (!ds.active())
        return total;
    const int i = ds.fieldByName(S(campo)).index();
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        total += Field::currencyOf(ds.valueAt(fila, i));
    return total;
}

int Egreso::Impl::siguiente_item(const ClientDataset& ds, const char* campo) {
    qint64 mayor = 0;
    const int i = ds.fieldByName(S(campo)).index();
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        mayor = std::max(mayor, ds.valueAt(fila, i).toLongLong());
    return int(mayor + 1);
}

void Egreso::Impl::regla(ClientDataset& ds, std::initializer_list<const char*> campos,
                         void (Impl::*r)(ClientDataset&)) {
    // Declared fields outlive the dataset's opens, and so do their rules.
    for (const char* campo : campos)
        ds.declareField(S(campo)).onChange = [this, r](Field& f) {
            if (quieto == 0)
                (this->*r)(f.dataset());
        };
}

void Egreso::Impl::inicie_linea(ClientDataset& ds, const char* item, const char* prefijo) {
    ++quieto;
    ds.fieldByName(S(item)).setValue(siguiente_item(ds, item));
    for (Field* f : ds.fields())
        if (f->type() == Field::Type::Currency && !f->calculated())
            f->setCurrency(Currency());
    if (prefijo)
        for (const char* marca : {"_ANULADO", "_TRANSMIT"})
            ds.fieldByName(S(prefijo) + S(marca)).setValue(S("N"));
    --quieto;
}

bool Egreso::Impl::termine_linea(ClientDataset& ds, bool descarte) {
    if (!editando(ds))
        return true;
    if (descarte) {
        ds.cancel();
        return true;
    }
    // A before-post rule may drop the line instead of storing it.
    return ds.post() || !editando(ds);
}

bool Egreso::Impl::linea_actual(ClientDataset& ds) {
    if (editando(ds))
        return true;
    if (ds.isEmpty() || ds.recNo() < 0)
        return ds.append();
    return ds.edit();
}

QString Egreso::Impl::nombre_tipo(int tipo) const {
    return nombres_tipo.value(tipo);
}

int Egreso::Impl::moneda() const {
    return pide_moneda ? int(h("EGRE_MONEDA").asInteger()) : 0;
}

// ---------------------------------------------------------------- what the window reads

ClientDataset& Egreso::egresos() const {
    return *d_->CEgresos;
}
ClientDataset& Egreso::documentos() const {
    return *d_->CDetalle;
}
ClientDataset& Egreso::cruces() const {
    return *d_->CCruces;
}
ClientDataset& Egreso::conta() const {
    return *d_->CConta;
}
ClientDataset& Egreso::caja() const {
    return *d_->CCaja;
}
ClientDataset& Egreso::banco() const {
    return *d_->CBanco;
}
ClientDataset& Egreso::prefijos() const {
    return *d_->CPrefijos;
}
ClientDataset& Egreso::clases() const {
    return *d_->CClases;
}
ClientDataset& Egreso::monedas() const {
    return *d_->CMonedas;
}
ClientDataset& Egreso::tipos_cxp() const {
    return *d_->CTiposCxp;
}
ClientDataset& Egreso::tipos_cartera() const {
    return *d_->CTiposCartera;
}
Field& Egreso::campo(const QString& nombre) const {
    return d_->CEgresos->fieldByName(nombre);
}
MediosPago& Egreso::medios() const {
    return *d_->medios;
}
Contabilizacion& Egreso::contabilizacion() const {
    return *d_->conta;
}

Egreso::Panel Egreso::panel() const {
    if (d_->documentos_activo)
        return Panel::Documentos;
    if (d_->medios->caja_activa())
        return Panel::Caja;
    if (d_->medios->banco_activo())
        return Panel::Banco;
    return d_->cruces_activo ? Panel::Cruces : Panel::Ninguno;
}

bool Egreso::cruces_abierto() const {
    return d_->cruces_activo;
}

Egreso::Accion Egreso::accion(int key) const {
    // F6 and F7 act in every state.
    if (key == Qt::Key_F6)
        return Accion::Terceros;
    if (key == Qt::Key_F7)
        return Accion::AbraCruces;
    if (d_->cruces_activo) {
        switch (key) {
            case Qt::Key_F2:
                return Accion::ContinueCruces;
            case Qt::Key_F8:
                return Accion::BusqueCartera;
            default:
                return Accion::Nada;
        }
    }
    switch (panel()) {
        case Panel::Documentos:
            switch (key) {
                case Qt::Key_F2:
                    return Accion::ContinueDocumentos;
                case Qt::Key_Escape:
                    return Accion::CanceleDocumentos;
                case Qt::Key_F4:
                    return Accion::Anticipo;
                case Qt::Key_F8:
                    return Accion::BusqueCxp;
                case Qt::Key_F9:
                    return Accion::ConceptosPorPagar;
                default:
                    return Accion::Nada;
            }
        case Panel::Banco:
            return key == Qt::Key_F2       ? Accion::ContinueBanco
                   : key == Qt::Key_Escape ? Accion::CanceleBanco
                                           : Accion::Nada;
        case Panel::Caja:
            return key == Qt::Key_F2       ? Accion::ContinueCaja
                   : key == Qt::Key_Escape ? Accion::CanceleCaja
                                           : Accion::Nada;
        default:
            break;
    }
    switch (key) {
        case Qt::Key_F2:
            return Accion::Grabar;
        case Qt::Key_Escape:
            return Accion::Cancelar;
        case Qt::Key_F4:
            return Accion::AbraCaja;
        case Qt::Key_F5:
            return Accion::AbraBanco;
        default:
            return Accion::Nada;
    }
}

bool Egreso::pide_moneda() const {
    return d_->pide_moneda;
}
bool Egreso::fecha_editable() const {
    return !d_->fecha_fija;
}
bool Egreso::numero_editable() const {
    return d_->numero_editable;
}
bool Egreso::prefijo_elegible() const {
    return d_->CPrefijos->active() && d_->CPrefijos->recordCount() > 1;
}
bool Egreso::montos_editables() const {
    return d_->montos_editables;
}
bool Egreso::retenciones_editables() const {
    return !d_->retenciones_causacion;
}
bool Egreso::conta_editable() const {
    return !d_->conta_inhabilitada;
}
bool Egreso::ver_pago() const {
    return d_->ver_pago;
}
bool Egreso::boton_caja() const {
    return d_->boton_caja;
}
bool Egreso::boton_banco() const {
    return d_->boton_banco;
}
bool Egreso::caja_destino_visible() const {
    return d_->h("EGRE_TIPO").asString() == S("2");
}
QString Egreso::nombre_cuenta() const {
    return d_->nombre_cuenta;
}
int Egreso::interfaz() const {
    return d_->interfaz;
}

Egreso::Sumas Egreso::sumas() const {
    const Impl& d = *d_;
    Sumas s;
    s.abono = Impl::suma(*d.CDetalle, "EGDE_ABONO");
    s.dtof = Impl::suma(*d.CDetalle, "EGDE_DTOF");
    s.rtfte = Impl::suma(*d.CDetalle, "EGDE_RTFTE");
    s.rtiva = Impl::suma(*d.CDetalle, "EGDE_RTIVA");
    s.rtica = Impl::suma(*d.CDetalle, "EGDE_RTICA");
    s.rcree = Impl::suma(*d.CDetalle, "EGDE_RCREE");
    s.cruces = Impl::suma(*d.CCruces, "EGCC_ABONO");
    s.debitos = Impl::suma(*d.CConta, "EGCO_DEBITOS");
    s.creditos = Impl::suma(*d.CConta, "EGCO_CREDITOS");
    return s;
}

}  // namespace ledgrix
