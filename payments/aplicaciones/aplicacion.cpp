// Opening the window, a new application, the offered-back leftover and the
// header's rules.
#include "payments/aplicaciones/aplicacion.h"

#include <QVector>
#include <vector>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/contabilizacion/pendientes.h"
#include "accounting/interfaces/interfaces.h"
#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/data/provider.h"
#include "core/numeracion/numeracion.h"
#include "core/numeracion/prefijos_documento.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/fecha_documento.h"
#include "parties/tfdmter.h"
#include "payables/registro_cxp.h"
#include "payments/aplicaciones/aplicacion_texto.h"

namespace ledgrix {

Aplicacion::Aplicacion(Tfdm& dm, QObject* parent)
    : QObject(parent),
      dm_(dm),
      ter_(std::make_unique<Tfdmter>(dm)),
      registro_(std::make_unique<RegistroCxp>(dm)),
      interfaces_(std::make_unique<Interfaces>(dm)),
      conta_(std::make_unique<Contabilizacion>(dm)) {
    // The application being entered has no stored row until its save.
    CAplicacion =
        conjunto(S("Aplicacion"), S("select * from APLICACION_PROVEDOR where APPR_ID is null"));
    CDetalle = conjunto(S("Detalle"), S("select * from APLICACION_PROVEEDOR_DETALLE where "
                                        "APPR_ID = :APPR_ID order by APPD_ITEM"));
    CDetalle->setMaster(CAplicacion, {{S("APPR_ID"), S("APPR_ID")}});
    CPrefijos = conjunto(S("Prefijos"), {});
    CMonedas = conjunto(S("Monedas"),
                        S("select TIMO_COD, TIMO_NOMBRE from TIPOS_MONEDA order by TIMO_COD"));
    CAplicacion->onNewRecord = [this](ClientDataset& ds) {
        ++quieto_;
        ds.fieldByName(S("APPR_ID")).setValue(0);
        ds.fieldByName(S("TIDO_COD")).setValue(53);
        ds.fieldByName(S("APPR_FECHA")).setValue(dm_.clock().today());
        for (const char* f : {"APPR_ANULADO", "APPR_TRANSMIT", "NUMOK"})
            ds.fieldByName(S(f)).setValue(S("N"));
        ds.fieldByName(S("APPR_USUARIO")).setValue(dm_.ctx.usuario);
        ds.fieldByName(S("APPR_MONEDA")).setValue(pide_moneda_ ? moneda_defecto_ : 1);
        ds.fieldByName(S("APPR_TRM")).setCurrency(Currency::fromInt(1));
        --quieto_;
    };
    CAplicacion->beforePost = [this](ClientDataset& ds) {
        for (const char* f : {"APPR_NUMERO", "PREF_PRE", "TERC_NIT"})
            if (ds.fieldByName(S(f)).asString().isEmpty()) {
                dm_.dialogs().error(S("Debe Existir un Número ,  Prefijo,   Nit."));
                emit enfoque(S(f));
                ds.abort();
                return;
            }
    };
    reglas_lineas();
    dm.ConfigurarProviders(this);
}

Aplicacion::~Aplicacion() = default;

ClientDataset* Aplicacion::conjunto(const QString& nombre, const QString& sql) {
    return ledgrix::conjunto(this, dm_.Ledgrix(), nombre, sql);
}

Field& Aplicacion::campo(const QString& nombre) const {
    return CAplicacion->fieldByName(nombre);
}
Field& Aplicacion::h(const char* campo) const {
    return CAplicacion->fieldByName(S(campo));
}
Field& Aplicacion::l(const char* campo) const {
    return CDetalle->fieldByName(S(campo));
}

bool Aplicacion::edite() {
    return editando(*CAplicacion) || CAplicacion->edit();
}

Aplicacion::Sumas Aplicacion::sumas() const {
    Sumas s;
    s.aplicado = suma(*CDetalle, "APPD_APLICADO");
    s.rtfte = suma(*CDetalle, "APPD_RTFTE");
    s.rtiva = suma(*CDetalle, "APPD_RTIVA");
    s.rtica = suma(*CDetalle, "APPD_RTICA");
    s.rcree = suma(*CDetalle, "APPD_RCREE");
    return s;
}

// ---------------------------------------------------------------- opening

bool Aplicacion::lea_configuracion() {
    fecha_fija_ =
        dm_.configuracion_si(S("CXPAGAR"), S("DOCUMENTOS"), S("INHABILITAR FECHA EN DOCUMENTOS"));
    pide_moneda_ =
        dm_.configuracion_si(S("GENERAL"), S("GENERAL"),
                             S("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"));
    if (!pide_moneda_)
        return true;
    const auto m = dm_.entero_configurado(
        S("GENERAL"), S("GENERAL"), S("MONEDA PREDETERMINADA EN OPERACIONES CON EL EXTERIOR"));
    if (!m)
        return false;
    moneda_defecto_ = *m;
    return true;
}

bool Aplicacion::abra_prefijos() {
    if (!abra_prefijos_documento(
            dm_, *CPrefijos, 53,
            dm_.configuracion_si(S("CXPAGAR"), S("DOCUMENTOS"), S("FILTRAR PREFIJOS POR USUARIO"))))
        return false;
    if (pide_moneda_) {
        CMonedas->open();
        CMonedas->fetchAll();
    }
    return true;
}

bool Aplicacion::abra() {
    {
        Transaccion lectura(dm_.Ledgrix());
        if (!lea_configuracion() || !abra_prefijos())
            return false;
        lectura.confirme();
    }
    // Applications a crash left stored without their ledger voucher are
    // posted before anything new is typed.
    PendientesContabilizar(*conta_).termine(DocumentoContable::Aplicacion);
    const QVariant previo =
        dm_.sql().scalar(S("select count(*) from aplicacion_provedor where appr_id = 0"));
    if (!previo.isValid() || previo.toInt() == 0) {
        nuevo({});
        return true;
    }
    if (!dm_.dialogs().question(S("Se encontró un pago previo incorrectamente registrado. Desea "
                                  "traerlo a pantalla?"))) {
        dm_.sql().execute(S("delete from aplicacion_proveedor_detalle where appr_id = 0"));
        dm_.sql().execute(S("delete from aplicacion_provedor where appr_id = 0"));
        nuevo({});
        return true;
    }
    // The leftover comes back as an application being entered; its save
    // replaces the stored rows in the same unit (the lines point at id 0).
    const QString nuevo_sql = CAplicacion->commandText();
    CAplicacion->setCommandText(S("select * from APLICACION_PROVEDOR where APPR_ID = 0"));
    CAplicacion->open();
    const Filas encabezado = copie_filas(*CAplicacion);
    const Filas detalle = copie_filas(*CDetalle);
    CAplicacion->close();
    CAplicacion->setCommandText(nuevo_sql);
    nuevo({});
    ++quieto_;
    if (!encabezado.empty())
        ponga_fila(*CAplicacion, encabezado.front());
    for (const auto& fila : detalle) {
        CDetalle->append();
        ponga_fila(*CDetalle, fila);
        CDetalle->post();
    }
    --quieto_;
    edite();
    recuperada_ = true;
    const QString prefijo = h("PREF_PRE").asString();
    if (CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        numero_editable_ = CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
    propuesto_ = h("APPR_NUMERO").asString();
    nombre_ = ter_->nom_tercero(h("TERC_NIT").asString());
    return true;
}

void Aplicacion::nuevo(const QString& prefijo) {
    Transaccion lectura(dm_.Ledgrix());
    if (CAplicacion->active())
        CAplicacion->cancel();
    CAplicacion->cancelUpdates();
    CAplicacion->close();
    CAplicacion->open();
    CPrefijos->refresh();
    validando_ = recuperada_ = false;
    nombre_.clear();
    dm_.documentos_seleccionados.clear();
    CAplicacion->append();
    if (prefijo.isEmpty() || !CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        CPrefijos->first();
    cambie_prefijo(CPrefijos->fieldByName(S("PREF_PRE")).asString());
    if (pide_moneda_)
        cambie_tasa();
    lectura.confirme();
}

void Aplicacion::prepare_nuevo(const QString& prefijo) {
    nuevo(prefijo.isEmpty() ? h("PREF_PRE").asString() : prefijo);
}

// ---------------------------------------------------------------- header rules

void Aplicacion::cambie_prefijo(const QString& prefijo) {
    edite();
    if (!CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        return;
    h("PREF_PRE").setValue(prefijo);
    propuesto_ = CPrefijos->fieldByName(S("PREF_ACTUAL")).asString();
    h("APPR_NUMERO").setValue(propuesto_);
    numero_editable_ = CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
    // Only to tell the user now when the series has no interface to post with.
    interfaz_ = interfaces_->abre_interfaz(53, prefijo, false);
}

void Aplicacion::cambie_numero(const QString& numero) {
    edite();
    Field& f = h("APPR_NUMERO");
    f.setValue(numero.size() < 6 && !numero.isEmpty() ? complete_numero(numero) : numero);
    if (!valide_numero(dm_, 53, h("PREF_PRE").asString(), propuesto_, f)) {
        f.clear();
        emit enfoque(S("APPR_NUMERO"));
    }
    // An application already stored with the number keeps this one on the
    // number its series proposes.
    if (!dm_.encontrados.aplicacion.isEmpty())
        f.setValue(propuesto_);
    dm_.encontrados.limpie();
}

void Aplicacion::cambie_fecha(const QDate& fecha) {
    edite();
    Field& f = h("APPR_FECHA");
    f.setValue(fecha);
    valide_fecha(dm_, f);
    if (pide_moneda_)
        cambie_tasa();
}

void Aplicacion::cambie_moneda(int moneda) {
    if (!pide_moneda_)
        return;
    edite();
    h("APPR_MONEDA").setValue(moneda);
    cambie_tasa();
}

void Aplicacion::cambie_tasa() {
    auto q = dm_.sql().select(S("select taca_valor from tasa_cambio_moneda where timo_cod = ") +
                              sql::number(h("APPR_MONEDA").asInteger()) + S(" and taca_fecha = ") +
                              sql::date(h("APPR_FECHA").asDate()));
    h("APPR_TRM").setCurrency(q && q->next() ? decimal(*q, 0) : Currency());
}

void Aplicacion::cambie_nit(const QString& nit) {
    if (nit.startsWith(u'?')) {
        emit busque_tercero(nit.mid(1));
        return;
    }
    edite();
    Field& f = h("TERC_NIT");
    f.setValue(nit);
    nombre_ = sql::admisible(nit, 20) ? ter_->nom_tercero(nit) : QString();
    if (nombre_.isEmpty()) {
        dm_.dialogs().error(S("No se encontrò el NIT"));
        f.clear();
        emit enfoque(S("TERC_NIT"));
    }
}

}  // namespace ledgrix
