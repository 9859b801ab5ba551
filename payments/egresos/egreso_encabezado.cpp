// Opening the window, a new voucher, the offered-back leftover and the
// header's rules.
#include "accounting/contabilizacion/pendientes.h"
#include "core/data/client_dataset.h"
#include "core/numeracion/numeracion.h"
#include "core/numeracion/prefijos_documento.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/fecha_documento.h"
#include "payments/caja/tfdmcja.h"
#include "payments/egresos/egreso_impl.h"
#include "payments/egresos/medios_pago.h"

namespace ledgrix {

namespace {

const QString kCaja = QStringLiteral("CAJA");
const QString kEgresos = QStringLiteral("EGRESOS");

using Filas = std::vector<QVector<QVariant>>;

// The stored values of every row of a list, by field position.
Filas copie(ClientDataset& ds) {
    Filas filas;
    for (bool ok = ds.first(); ok && !ds.eof(); ok = ds.next()) {
        QVector<QVariant> fila;
        for (Field* f : ds.fields())
            fila << (f->calculated() ? QVariant() : f->value());
        filas.push_back(fila);
    }
    return filas;
}

void pegue(ClientDataset& ds, const Filas& filas) {
    for (const auto& fila : filas) {
        ds.append();
        for (Field* f : ds.fields())
            if (!f->calculated() && fila[f->index()].isValid())
                f->setValue(fila[f->index()]);
        ds.post();
    }
}

}  // namespace

bool Egreso::Impl::lea_configuracion() {
    cero_permitido = dm.configuracion_si(kCaja, kEgresos,
                                         S("PERMITIR EGRESOS EN CERO PARA HACER CRUCES DE SALDOS"));
    conta_inhabilitada = dm.configuracion_si(
        kCaja, kEgresos, S("INHABILITAR CUENTAS CONTABLES PARA EVITAR DOBLE CONTABILIZACION"));
    sincronizar_prefijos = dm.configuracion_si(
        kCaja, kEgresos, S("SINCRONIZAR PREFIJOS DE EGRESOS Y DOCUMENTOS CANCELADOS"));
    otros_conceptos = dm.configuracion_si(
        kCaja, kEgresos, S("PERMITIR REGISTRAR EGRESOS POR OTROS CONCEPTOS A PROVEEDORES"));
    componer_concepto =
        dm.configuracion_si(kCaja, kEgresos, S("COMPONER CONCEPTO CON NUMERO DE PROVEEDOR"));
    fecha_fija = dm.configuracion_si(kCaja, S("DOCUMENTOS"), S("INHABILITAR FECHA EN DOCUMENTOS"));
    retenciones_causacion =
        dm.configuracion_si(S("CXPAGAR"), S("SALDOS"), S("DESCONTAR RETENCIONES POR CAUSACION"));
    filtrar_centros = dm.configuracion_si(S("CONTABILIDAD"), S("COMPROBANTES"),
                                          S("FILTRAR CENTROS DE COSTO POR AGENCIA"));
    // Crosses count the withholdings of documents paid before this day.
    const QString corte =
        dm.configuracion(S("CARTERA"), S("SALDOS"), S("DESCONTAR RETENCIONES POR CAUSACION"));
    corte_cartera = corte == S("SI")   ? QDate(1990, 1, 1)
                    : corte == S("NO") ? QDate(9999, 12, 31)
                                       : sql::parseDate(corte);
    if (!corte_cartera.isValid())
        corte_cartera = QDate(9999, 12, 31);
    const auto n = dm.entero_configurado(S("CONTABILIDAD"), S("GENERAL"),
                                         S("REDONDEO AL MULTIPLO DE DIEZ EN COMPROBANTES"));
    if (!n)
        return false;
    redondeo = *n;
    pide_moneda =
        dm.configuracion_si(S("GENERAL"), S("GENERAL"),
                            S("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"));
    if (pide_moneda) {
        const auto m = dm.entero_configurado(
            S("GENERAL"), S("GENERAL"), S("MONEDA PREDETERMINADA EN OPERACIONES CON EL EXTERIOR"));
        if (!m)
            return false;
        moneda_defecto = *m;
    }
    return true;
}

bool Egreso::Impl::abra_listas() {
    if (!abra_prefijos_documento(
            dm, *CPrefijos, 62,
            dm.configuracion_si(kCaja, S("DOCUMENTOS"), S("FILTRAR PREFIJOS POR USUARIO"))))
        return false;
    for (ClientDataset* ds : {CClases, CTiposCxp, CTiposCartera}) {
        ds->open();
        ds->fetchAll();
    }
    for (ClientDataset* ds : {CTiposCxp, CTiposCartera})
        for (bool ok = ds->first(); ok && !ds->eof(); ok = ds->next())
            nombres_tipo.insert(int(ds->fieldByName(S("TIDO_COD")).asInteger()),
                                ds->fieldByName(S("TIDO_NOMCORTO")).asString());
    if (pide_moneda) {
        CMonedas->open();
        CMonedas->fetchAll();
    }
    return medios->abra();
}

bool Egreso::abra() {
    Impl& d = *d_;
    {
        Transaccion lectura(d.dm.Ledgrix());
        if (!d.lea_configuracion() || !d.abra_listas())
            return false;
        lectura.confirme();
    }
    // Vouchers a crash left stored without their ledger voucher are posted
    // before anything new is typed.
    PendientesContabilizar(*d.conta).termine(DocumentoContable::Egreso);

    const QVariant previo = d.dm.sql().scalar(S("select count(*) from egresos where egre_id = 0"));
    if (previo.isValid() && previo.toInt() > 0) {
        const Dialogs::Answer r = d.dm.dialogs().abortRetry(
            S("Se encontró un comprobante previo que no está correctamente registrado. Desea "
              "Eliminarlo o Recuperarlo?"));
        if (r == Dialogs::Answer::Retry) {
            d.recupere();
            return true;
        }
        d.dm.sql().execute(S("delete from egresos where egre_id = 0"));
    }
    d.nuevo({});
    return true;
}

// The leftover comes back as a voucher being entered: its rows are copied
// into new ones, and the save replaces the stored leftover in its own unit
// (a stored row cannot take its new id under lines that point at it).
void Egreso::Impl::recupere() {
    const QString nuevo_sql = CEgresos->commandText();
    CEgresos->setCommandText(S("select * from EGRESOS where EGRE_ID = 0"));
    CEgresos->open();
    CEgresos->first();
    const Filas encabezado = copie(*CEgresos);
    std::vector<std::pair<ClientDataset*, Filas>> listas;
    for (ClientDataset* ds : {CDetalle, CCruces, CConta, CCaja, CBanco})
        listas.emplace_back(ds, copie(*ds));
    CEgresos->close();
    CEgresos->setCommandText(nuevo_sql);
    nuevo({});
    ++quieto;
    CEgresos->edit();
    for (Field* f : CEgresos->fields())
        if (!f->calculated() && !encabezado.empty() && encabezado[0][f->index()].isValid())
            f->setValue(encabezado[0][f->index()]);
    // The payment lines come back as stored: their own rules would renumber
    // the cheque or lower the cash.
    medios->sin_reglas([&] {
        for (auto& [ds, filas] : listas)
            pegue(*ds, filas);
    });
    --quieto;
    recuperado = true;
    edite();
    const QString prefijo = h("PREF_PRE").asString();
    if (CPrefijos->locate(S("PREF_PRE"), {prefijo})) {
        numero_editable = CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
        interfaz = interfaces.abre_interfaz_caja(62, prefijo, false);
    }
    propuesto = h("EGRE_NUMERO").asString();
    ver_pago = ter.valide_proveedor(h("TERC_NIT").asString()) == S("S");
    montos_editables = !ver_pago || h("EGRE_TIPO").asString() == S("3");
    medios->recalcule();
    aplique_monto();
}

void Egreso::Impl::nuevo(const QString& prefijo) {
    Transaccion lectura(dm.Ledgrix());
    if (CEgresos->active())
        CEgresos->cancel();
    CEgresos->cancelUpdates();
    CEgresos->close();
    CEgresos->open();
    CPrefijos->refresh();
    documentos_activo = cruces_activo = ver_pago = false;
    montos_editables = numero_editable = true;
    boton_caja = boton_banco = false;
    ultimo_cancela = recuperado = false;
    anticipos.clear();
    nombre_cuenta.clear();
    // Choices a picker left for an earlier voucher are not this one's.
    dm.documentos_seleccionados.clear();
    Tfdmcja::entregados.clear();
    RegistroCartera::grupo_entregado = 0;
    medios->reinicie();
    CEgresos->append();
    if (prefijo.isEmpty() || !CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        CPrefijos->first();
    e.cambie_prefijo(CPrefijos->fieldByName(S("PREF_PRE")).asString());
    if (pide_moneda)
        cambie_tasa();
    lectura.confirme();
}

void Egreso::prepare_nuevo(const QString& prefijo) {
    d_->nuevo(prefijo.isEmpty() ? d_->h("PREF_PRE").asString() : prefijo);
}

void Egreso::reciba_aporte(qint64 id, Currency monto) {
    d_->aporte = id;
    d_->edite();
    d_->h("EGRE_MONTO").setCurrency(monto);
    d_->aplique_monto();
}

// ---------------------------------------------------------------- header rules

void Egreso::Impl::numero_de_prefijo() {
    propuesto = CPrefijos->fieldByName(S("PREF_ACTUAL")).asString();
    h("EGRE_NUMERO").setValue(propuesto);
}

void Egreso::cambie_prefijo(const QString& prefijo) {
    Impl& d = *d_;
    d.edite();
    if (!d.CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        return;
    d.h("PREF_PRE").setValue(prefijo);
    d.numero_de_prefijo();
    d.numero_editable = d.CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
    // Only to tell the user now when the series has no interface to post with.
    d.interfaz = d.interfaces.abre_interfaz_caja(62, prefijo, false);
}

void Egreso::cambie_numero(const QString& numero) {
    Impl& d = *d_;
    d.edite();
    Field& f = d.h("EGRE_NUMERO");
    f.setValue(numero.size() < 6 && !numero.isEmpty() ? complete_numero(numero) : numero);
    if (!valide_numero(d.dm, 62, d.h("PREF_PRE").asString(), d.propuesto, f)) {
        f.clear();
        emit enfoque(S("EGRE_NUMERO"));
        return;
    }
    if (d.dm.encontrados.pago.isEmpty())
        return;
    // The user asked to see the voucher that has the number; this one keeps
    // the number its series proposes.
    const qint64 id = d.dm.encontrados.pago.toLongLong();
    d.dm.dialogs().modal(S("Tfconsegreso"),
                         [this, id] { return consulte_egreso ? consulte_egreso(id) : 0; });
    d.dm.encontrados.limpie();
    f.setValue(d.propuesto);
}

void Egreso::Impl::cambie_tasa() {
    auto q = dm.sql().select(S("select taca_valor from tasa_cambio_moneda where timo_cod = ") +
                             sql::number(h("EGRE_MONEDA").asInteger()) + S(" and taca_fecha = ") +
                             sql::date(h("EGRE_FECHA").asDate()));
    h("EGRE_TRM1").setCurrency(q && q->next() ? decimal(*q, 0) : Currency());
}

void Egreso::cambie_fecha(const QDate& fecha) {
    Impl& d = *d_;
    d.edite();
    Field& f = d.h("EGRE_FECHA");
    f.setValue(fecha);
    valide_fecha(d.dm, f);
    if (d.pide_moneda)
        d.cambie_tasa();
}

void Egreso::cambie_moneda(int moneda) {
    Impl& d = *d_;
    if (!d.pide_moneda)
        return;
    d.edite();
    d.h("EGRE_MONEDA").setValue(moneda);
    d.cambie_tasa();
}

void Egreso::cambie_nit(const QString& nit) {
    Impl& d = *d_;
    if (nit.startsWith(u'?')) {
        emit busque_tercero(nit.mid(1));
        return;
    }
    d.edite();
    Field& f = d.h("TERC_NIT");
    Field& nombre = d.h("EGRE_NOMTERC");
    const auto rechace = [&](const char* mensaje) {
        d.dm.dialogs().error(S(mensaje));
        f.clear();
        nombre.clear();
        d.ver_pago = false;
        emit enfoque(S("TERC_NIT"));
    };
    Transaccion lectura(d.dm.Ledgrix());
    f.setValue(nit);
    const QString nom = sql::admisible(nit, 20) ? d.ter.nom_tercero(nit) : QString();
    if (nom.isEmpty())
        return rechace("Tercero Inactivo o no encontrado.");
    nombre.setValue(nom.left(60));
    if (d.ter.valide_proveedor(nit) != S("S"))
        return rechace("Debe indicar un tercero marcado como acreedor o usar el módulo de caja.");
    lectura.confirme();
    // A supplier is paid against documents: the totals come from them.
    d.h("EGRE_TIPO").setValue(S("1"));
    d.ver_pago = true;
    d.montos_editables = false;
    abra_documentos();
}

void Egreso::cambie_tipo(const QString& clave) {
    Impl& d = *d_;
    d.edite();
    d.h("EGRE_TIPO").setValue(clave);
    if (clave == S("2")) {
        // A transfer into a box is paid from the bank only.
        d.h("CAJA_ID").setValue(d.medios->primera_caja());
        d.medios->borre_caja();
        d.edite();
    } else {
        d.h("CAJA_ID").clear();
    }
    d.aplique_monto();
}

void Egreso::Impl::aplique_monto() {
    const bool positivo = c("EGRE_MONTO") > Currency();
    boton_banco = positivo;
    boton_caja = positivo && h("EGRE_TIPO").asString() != S("2");
}

void Egreso::cambie_monto(Currency monto) {
    d_->edite();
    d_->h("EGRE_MONTO").setCurrency(monto);
    d_->aplique_monto();
}

void Egreso::cambie_excedente(Currency excedente) {
    Impl& d = *d_;
    d.edite();
    d.h("EGRE_EXCEDENTE").setCurrency(excedente);
    Currency monto = excedente;
    if (!d.CDetalle->isEmpty())
        monto += Impl::suma(*d.CDetalle, "EGDE_ABONO");
    if (!d.CCruces->isEmpty())
        monto -= Impl::suma(*d.CCruces, "EGCC_ABONO");
    d.h("EGRE_MONTO").setCurrency(monto);
    d.aplique_monto();
}

void Egreso::cambie_caja_destino(int caja) {
    d_->edite();
    d_->h("CAJA_ID").setValue(caja);
}

}  // namespace ledgrix
