#include "payables/cargos/documento_cxp.h"

#include <QSqlQuery>

#include "accounting/contabilizacion/pendientes.h"
#include "accounting/cuentas.h"
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

namespace ledgrix {

namespace {

const QString kCxp = QStringLiteral("CXPAGAR");
const QString kDocs = QStringLiteral("DOCUMENTOS");

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Amount columns of each withholding, in the order of Retencion.
const char* const kMontoRet[] = {"RTFTEMONTO", "RTIVAMONTO", "RTICAMONTO", "RTCREEM"};
// Percentage columns in the order of Porcentaje.
const char* const kPorc[] = {"IVAPORC",   "RTFTEPORC", "RTIVAPORC",
                             "RTICAPORC", "RTCREE",    "DTOFPORC"};

const Currency k100 = Currency::fromInt(100);
const Currency k1000 = Currency::fromInt(1000);

}  // namespace

struct DocumentoCxp::Impl {
    explicit Impl(Tfdm& dm) : ter(dm), interfaces(dm), cnt(dm) {}
    Tfdmter ter;
    Interfaces interfaces;
    Tfdmcnt cnt;
    Currency tarifa1, tarifa2;
    bool bodega_general = true;
    QString politica_numprov;
    int moneda_defecto = 1;
    // Base thresholds of the current NIT, read once per supplier.
    QString nit_bases;
    Currency base_rtfte, base_rtica;
};

DocumentoCxp::DocumentoCxp(Tfdm& dm, const ClaseDocumentoCxp& clase, QObject* parent)
    : QObject(parent),
      dm_(dm),
      clase_(clase),
      d_(std::make_unique<Impl>(dm)),
      conta_(std::make_unique<Contabilizacion>(dm)) {
    CNotas = conjunto(S("Notas"), S("select * from ") + S(clase.tabla) + S(" where ") +
                                      columna("ID") + S(" = 0"));
    CPrefijos = conjunto(S("Prefijos"), {});
    CBodegas = conjunto(S("Bodegas"), {});
    CMonedas = conjunto(S("Monedas"),
                        S("select TIMO_COD, TIMO_NOMBRE from TIPOS_MONEDA order by TIMO_COD"));

    CNotas->onNewRecord = [this](ClientDataset& ds) {
        const QDate hoy = dm_.clock().today();
        for (const char* s : {"FECHA", "DTOFECHA"})
            f(s).setValue(hoy);
        f("ID").setValue(0);
        ds.fieldByName(S("TIDO_COD")).setValue(clase_.tipo);
        for (const char* s : {"ANULADO", "TRANSMIT"})
            f(s).setValue(S("N"));
        ds.fieldByName(S("NUMOK")).setValue(S("N"));
        f("TIPOCOSTO").setValue(S("A"));
        for (Field* x : ds.fields())
            if (x->type() == Field::Type::Currency)
                x->setCurrency(Currency());
        f("USUARIO").setValue(dm_.ctx.usuario);
        f("MONEDA").setValue(pide_moneda_ ? d_->moneda_defecto : 1);
        f("TRM").setCurrency(Currency::fromInt(1));
        if (!d_->bodega_general && CBodegas->active() && !CBodegas->isEmpty()) {
            CBodegas->first();
            f("BODEGA").setValue(CBodegas->fieldByName(S("BODE_COD")).value());
        }
        valores_nuevos(ds);
    };
}

DocumentoCxp::~DocumentoCxp() = default;

QString DocumentoCxp::columna(const char* sufijo) const {
    return S(clase_.prefijo) + QLatin1Char('_') + S(sufijo);
}

ClientDataset* DocumentoCxp::conjunto(const QString& nombre, const QString& sql) {
    return ledgrix::conjunto(this, dm_.Ledgrix(), nombre, sql);
}

Tfdmter& DocumentoCxp::terceros() const {
    return d_->ter;
}
Interfaces& DocumentoCxp::interfaces() const {
    return d_->interfaces;
}

Field& DocumentoCxp::campo(const QString& nombre) const {
    return CNotas->fieldByName(nombre);
}
Field& DocumentoCxp::f(const char* sufijo) const {
    return CNotas->fieldByName(columna(sufijo));
}
Currency DocumentoCxp::c(const char* sufijo) const {
    return f(sufijo).asCurrency();
}
void DocumentoCxp::ponga(const char* sufijo, Currency v) {
    f(sufijo).setCurrency(v);
}
Currency DocumentoCxp::r(Currency x) const {
    return R(x, n_);
}
QString DocumentoCxp::mensaje(const char* antes, const char* despues) const {
    return S(antes) + S(clase_.nombre) + S(despues);
}

bool DocumentoCxp::edite() {
    if (CNotas->state() == ClientDataset::State::Insert ||
        CNotas->state() == ClientDataset::State::Edit)
        return true;
    return CNotas->edit();
}

Currency DocumentoCxp::neto() const {
    return c("MONTO") + c("IVAMONTO") + c("EXTRA") - c("RTFTEMONTO") - c("RTIVAMONTO") -
           c("RTICAMONTO") - c("RTCREEM");
}
Currency DocumentoCxp::total() const {
    return c("MONTO") + c("IVAMONTO") + c("EXTRA");
}
Currency DocumentoCxp::subtotal() const {
    return c("BASE0") + c("BASE1") + c("BASE2") + c("BASE3");
}

// ---------------------------------------------------------------- opening

bool DocumentoCxp::abra() {
    // Look-ups of one user action share one read transaction.
    Transaccion lectura(dm_.Ledgrix());
    // Without these numbers no amount can be computed: the missing setting
    // is reported by name and the window does not open.
    const bool propia = lea_configuracion();
    const auto redondeo =
        dm_.entero_configurado(kCxp, kDocs, S("REDONDEO AL MULTIPLO DE DIEZ EN TOTALES"));
    if (!propia || !redondeo)
        return false;
    n_ = *redondeo;
    fecha_fija_ = dm_.configuracion_si(kCxp, kDocs, S("INHABILITAR FECHA EN DOCUMENTOS"));
    const bool filtrar_prefijos =
        dm_.configuracion_si(kCxp, kDocs, S("FILTRAR PREFIJOS POR USUARIO"));
    pide_moneda_ =
        dm_.configuracion_si(S("GENERAL"), S("GENERAL"),
                             S("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"));
    if (pide_moneda_) {
        const auto moneda = dm_.entero_configurado(
            S("GENERAL"), S("GENERAL"), S("MONEDA PREDETERMINADA EN OPERACIONES CON EL EXTERIOR"));
        if (!moneda)
            return false;
        d_->moneda_defecto = *moneda;
    }
    const bool filtrar_bodegas =
        dm_.configuracion_si(S("INVENTARIO"), S("EXISTENCIAS"), S("FILTRAR BODEGAS POR USUARIO"));
    d_->bodega_general =
        dm_.configuracion(S("INVENTARIO"), S("ARTICULOS"),
                          S("COSTO PROMEDIO GENERAL O POR BODEGA")) == S("GENERAL");
    d_->politica_numprov =
        dm_.configuracion(S("COMPRAS"), S("FACTURAS"),
                          S("ACCION A TOMAR SI SE REPITE EL NUMERO DE FACTURA DEL PROVEEDOR"));

    if (!abra_prefijos_documento(dm_, *CPrefijos, clase_.tipo, filtrar_prefijos))
        return false;

    QString bodegas = S("select * from bodega where bode_activa = 'S'");
    if (dm_.ctx.agencia != 0)
        bodegas += S(" and (sucu_id = ") + sql::number(dm_.ctx.agencia) + S(" or sucu_id = 0)");
    if (filtrar_bodegas)
        bodegas += S(" and bode_cod in (select bode_cod from bodegas_usuario where user_cod = ") +
                   sql::quoted(dm_.ctx.usuario) + S(")");
    CBodegas->setCommandText(bodegas + S(" order by bode_cod"));
    CBodegas->open();
    CBodegas->fetchAll();
    if (pide_moneda_) {
        CMonedas->open();
        CMonedas->fetchAll();
    }
    abra_listas();
    for (int i : {1, 2}) {
        auto q = dm_.sql().select(S("select taiv_porc from tarifa_iva where taiv_cod = ") +
                                  sql::number(i));
        (i == 1 ? d_->tarifa1 : d_->tarifa2) = q && q->next() ? decimal(*q, 0) : Currency();
    }

    lectura.confirme();
    // Documents a crash or a killed program left stored without their ledger
    // voucher are posted now, before anything new is typed.
    PendientesContabilizar(*conta_).termine(clase_.contable);

    if (!CNotas->open())
        return false;
    if (!CNotas->isEmpty()) {
        if (dm_.dialogs().question(S("Se encontró un pago previo incorrectamente registrado. Desea "
                                     "traerlo a pantalla?"))) {
            CNotas->first();
            CNotas->edit();
            propuesto_ = f("NUMERO").asString();
            const QString pref = campo(S("PREF_PRE")).asString();
            if (CPrefijos->locate(S("PREF_PRE"), {pref}))
                interfaz_ = d_->interfaces.abre_interfaz(clase_.tipo, pref, false);
            nombre_ = d_->ter.nom_tercero(campo(S("TERC_NIT")).asString());
            recuperado();
            return true;
        }
        dm_.sql().execute(S("delete from ") + S(clase_.tabla).toLower() + S(" where ") +
                          columna("ID").toLower() + S(" = 0"));
        CNotas->close();
        CNotas->open();
    }
    nuevo({});
    return true;
}

void DocumentoCxp::nuevo(const QString& prefijo) {
    Transaccion lectura(dm_.Ledgrix());
    reinicie();
    if (CNotas->active())
        CNotas->cancel();
    CNotas->cancelUpdates();
    CNotas->close();
    CNotas->open();
    CPrefijos->refresh();
    for (bool& m : mano_)
        m = false;
    for (bool& e : editable_)
        e = false;
    bases_abiertas_ = false;
    nombre_.clear();
    CNotas->append();
    if (prefijo.isEmpty() || !CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        CPrefijos->first();
    cambie_prefijo(CPrefijos->fieldByName(S("PREF_PRE")).asString());
    lectura.confirme();
}

void DocumentoCxp::prepare_nuevo(const QString& prefijo) {
    nuevo(prefijo.isEmpty() ? campo(S("PREF_PRE")).asString() : prefijo);
}

bool DocumentoCxp::cancele() {
    if (!dm_.dialogs().question(S("Si cancela ahora perderá los datos no grabados, continuar?")))
        return false;
    prepare_nuevo();
    return true;
}

// ---------------------------------------------------------------- header

void DocumentoCxp::cambie_nit(const QString& nit) {
    edite();
    {
        Transaccion lectura(dm_.Ledgrix());
        campo(S("TERC_NIT")).setValue(nit);
        for (bool& m : mano_)
            m = false;
        nombre_ = d_->ter.valide_retenciones(
            nit, {f("RTFTEPORC"), f("RTIVAPORC"), f("RTICAPORC"), f("RTCREE")});
        if (nombre_.isEmpty()) {
            dm_.dialogs().error(S("Acreedor inactivo o no encontrado."));
            campo(S("TERC_NIT")).clear();
            proveedor_listo({});
            return;
        }
        auto q = dm_.sql().select(S("select prov_ctapagar, prov_ctacausa, prov_ctapagniif, "
                                    "prov_ctacausaniif") +
                                  columnas_proveedor() + S(" from proveedores where terc_nit = ") +
                                  sql::quoted(nit));
        if (q && q->next()) {
            f("CTAPAGAR").setValue(q->value(0));
            f("CTACAUSA").setValue(q->value(1));
            f("CTAPAGARN").setValue(q->value(2));
            f("CTACAUSAN").setValue(q->value(3));
            proveedor_leido(*q, 4);
        }
        q.reset();
        base_fuente();  // the supplier's thresholds, for the amounts to come
        lectura.confirme();
    }
    proveedor_listo(nit);
}

void DocumentoCxp::numero_de_prefijo() {
    propuesto_ = CPrefijos->fieldByName(S("PREF_ACTUAL")).asString();
    f("NUMERO").setValue(propuesto_);
}

void DocumentoCxp::cambie_prefijo(const QString& prefijo) {
    edite();
    if (!CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        return;
    campo(S("PREF_PRE")).setValue(prefijo);
    numero_de_prefijo();
    numero_editable_ = CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
    interfaz_ = d_->interfaces.abre_interfaz(clase_.tipo, prefijo, false);
    const QString num = sql::quoted(propuesto_);
    const QVariant autorizacion = dm_.sql().scalar(
        S("SELECT AUTO_NUMERO FROM AUTORIZACIONES WHERE TIDO_COD = ") + sql::number(clase_.tipo) +
        S(" AND PREF_PRE = ") + sql::quoted(prefijo) + S(" AND CAST(auto_inicial AS INTEGER) <= ") +
        num + S(" AND CAST(auto_final AS INTEGER) >= ") + num);
    if (autorizacion.isValid())
        f("AUTO").setValue(autorizacion);
}

void DocumentoCxp::cambie_numero(const QString& numero) {
    edite();
    Field& n = f("NUMERO");
    n.setValue(numero.size() < 6 && !numero.isEmpty() ? complete_numero(numero) : numero);
    if (!valide_numero(dm_, clase_.tipo, campo(S("PREF_PRE")).asString(), propuesto_, n)) {
        n.clear();
        return;
    }
    if (dm_.encontrados.slot(clase_.tipo).isEmpty())
        return;
    // The user asked to see the document that already has the number; the
    // one being typed keeps the number its series proposes.
    dm_.dialogs().modal(S(clase_.consulta), [] { return 0; });
    dm_.encontrados.limpie();
    n.setValue(propuesto_);
}

void DocumentoCxp::cambie_fecha(const QDate& fecha) {
    edite();
    Field& d = f("FECHA");
    d.setValue(fecha);
    valide_fecha(dm_, d);
    f("DTOFECHA").setValue(d.value());
    fecha_cambiada(d.asDate());
}

// ---------------------------------------------------------------- amounts

Currency DocumentoCxp::base_fuente() {
    const QString nit = campo(S("TERC_NIT")).asString();
    if (nit != d_->nit_bases) {
        d_->nit_bases = nit;
        d_->base_rtfte = d_->ter.base_rtfte(nit);
        d_->base_rtica = d_->ter.base_rtica(nit);
    }
    return d_->base_rtfte;
}

Currency DocumentoCxp::base_ica() {
    base_fuente();
    return d_->base_rtica;
}

void DocumentoCxp::calcule_monto() {
    for (bool& m : mano_)
        m = false;
    const Currency monto = c("MONTO");
    Currency iva = r(monto * c("IVAPORC") / k100);
    if (monto > base_fuente()) {
        ponga("RTFTEMONTO", r(monto * c("RTFTEPORC") / k100));
        if (simplificado()) {
            iva = r(iva * parte_simplificado());
            ponga("RTIVAMONTO", r(iva));
        } else {
            ponga("RTIVAMONTO", r(iva * c("RTIVAPORC") / k100));
        }
    } else {
        ponga("RTFTEMONTO", Currency());
        if (simplificado())
            iva = Currency();
        ponga("RTIVAMONTO", Currency());
    }
    ponga("IVAMONTO", iva);
    ponga("RTICAMONTO", monto > base_ica() ? r(monto * c("RTICAPORC") / k1000) : Currency());
    ponga("RTCREEM", r(monto * c("RTCREE") / k100));
    ponga("DTOFMONTO", r(monto * c("DTOFPORC") / k100));
}

void DocumentoCxp::cambie_monto(Currency monto) {
    edite();
    if (monto.isNegative()) {
        dm_.dialogs().error(mensaje("El monto del ", " no puede ser negativo."));
        emit enfoque(columna("MONTO"));
        return;
    }
    ponga("MONTO", monto);
    calcule_monto();
}

void DocumentoCxp::cambie_extra(Currency valor) {
    edite();
    ponga("EXTRA", valor);
}

void DocumentoCxp::cambie_porcentaje(Porcentaje p, Currency valor) {
    edite();
    ponga(kPorc[static_cast<int>(p)], valor);
    const Currency monto = c("MONTO");
    const auto ret = [this](Retencion k) { return !mano_[static_cast<int>(k)]; };
    switch (p) {
        case Porcentaje::Iva: {
            const Currency iva = r(monto * valor / k100);
            ponga("IVAMONTO", iva);
            if (simplificado()) {
                ponga("RTIVAMONTO", iva);
                mano_[static_cast<int>(Retencion::Iva)] = false;
            } else if (!clase_.umbral_en_iva || monto > base_fuente()) {
                ponga("RTIVAMONTO", r(iva * c("RTIVAPORC") / k100));
                mano_[static_cast<int>(Retencion::Iva)] = false;
            }
            break;
        }
        case Porcentaje::Fuente:
            if (ret(Retencion::Fuente))
                ponga("RTFTEMONTO", r(monto * valor / k100));
            break;
        case Porcentaje::RetIva:
            if (ret(Retencion::Iva))
                ponga("RTIVAMONTO",
                      simplificado() ? c("IVAMONTO") : r(c("IVAMONTO") * valor / k100));
            break;
        case Porcentaje::Ica:
            if (ret(Retencion::Ica))
                ponga("RTICAMONTO", r(monto * valor / k1000));
            break;
        case Porcentaje::Cree:
            if (ret(Retencion::Cree))
                ponga("RTCREEM", r(monto * valor / k100));
            break;
        case Porcentaje::DescuentoPP:
            ponga("DTOFMONTO", r(monto * valor / k100));
            break;
    }
}

void DocumentoCxp::cambie_monto_retencion(Retencion k, Currency valor) {
    edite();
    ponga(kMontoRet[static_cast<int>(k)], valor);
    if (!valor.isZero())
        mano_[static_cast<int>(k)] = true;
}

void DocumentoCxp::salga_porcentaje(Porcentaje p) {
    int k = -1;
    switch (p) {
        case Porcentaje::Fuente:
            k = 0;
            break;
        case Porcentaje::RetIva:
            k = 1;
            break;
        case Porcentaje::Ica:
            k = 2;
            break;
        case Porcentaje::Cree:
            k = 3;
            break;
        default:
            return;
    }
    editable_[k] = c(kPorc[static_cast<int>(p)]).isZero();
}

void DocumentoCxp::derive_porcentajes() {
    const Currency monto = c("MONTO");
    const Currency iva = c("IVAMONTO");
    if (mano_[0])
        ponga("RTFTEPORC", R(c("RTFTEMONTO") * k100 / monto, -2));
    if (mano_[1])
        ponga("RTIVAPORC", R(c("RTIVAMONTO") * k100 / iva, -2));
    if (mano_[2])
        ponga("RTICAPORC", R(c("RTICAMONTO") * k1000 / monto, -2));
    if (mano_[3])
        ponga("RTCREE", c("RTCREEM") * k100 / monto);
}

// ---------------------------------------------------------------- VAT bases

void DocumentoCxp::abra_bases() {
    bases_abiertas_ = true;
}

void DocumentoCxp::cambie_base(int cual, Currency valor) {
    edite();
    static const char* const bases[] = {"BASE0", "BASE1", "BASE2", "BASE3"};
    if (cual < 0 || cual > 3)
        return;
    ponga(bases[cual], valor);
    if (cual == 1)
        ponga("IVA1", r(valor * d_->tarifa1 / k100));
    if (cual == 2)
        ponga("IVA2", r(valor * d_->tarifa2 / k100));
    if (cual == 3)
        ponga("IVA3", r(valor * Currency::fromUnits(1900)));
}

void DocumentoCxp::aplique_bases() {
    bases_abiertas_ = false;
    edite();
    const Currency sub = subtotal();
    // Bases never typed: the amount was typed directly and stays.
    if (sub.isZero() && c("INALCM").isZero() && c("ADICIONAL").isZero())
        return;
    Currency iva = c("IVA1") + c("IVA2") + c("IVA3") + c("INALCM");
    const Currency dto = sub * c("DTOPORC") / k100;
    ponga("DTOMONTO", dto);
    const Currency monto = sub - dto + c("ADICIONAL");
    ponga("MONTO", monto);
    // The withholdings follow the new amount; VAT and its withholding come
    // from the bases, not from the VAT percentage.
    calcule_monto();
    if (simplificado()) {
        iva = sub > base_fuente() ? r(iva * parte_simplificado()) : Currency();
        ponga("RTIVAMONTO", iva);
    } else {
        ponga("RTIVAMONTO", monto > base_fuente() ? r(iva * c("RTIVAPORC") / k100) : Currency());
    }
    ponga("IVAMONTO", iva);
}

void DocumentoCxp::cambie_moneda(int moneda) {
    if (!pide_moneda_ || moneda == 0)
        return;
    edite();
    f("MONEDA").setValue(moneda);
    auto q = dm_.sql().select(S("select taca_valor from tasa_cambio_moneda where timo_cod = ") +
                              sql::number(moneda) + S(" and taca_fecha = ") +
                              sql::date(f("FECHA").asDate()));
    const Currency tasa = q && q->next() ? decimal(*q, 0) : Currency();
    ponga("TRM", tasa.isZero() ? Currency::fromInt(1) : tasa);
    q.reset();
    aplique_bases();
}

// ---------------------------------------------------------------- supplier number, accounts

void DocumentoCxp::cambie_numprov(const QString& numero) {
    edite();
    Field& n = f("NUMPROV");
    n.setValue(numero);
    if (numero.isEmpty() || d_->politica_numprov == S("IGNORAR"))
        return;
    const bool prohibir = d_->politica_numprov == S("PROHIBIR");
    for (const ConsultaNumprov& consulta :
         consultas_numprov(sql::quoted(numero), sql::quoted(campo(S("TERC_NIT")).asString()))) {
        auto q = dm_.sql().select(consulta.sql);
        if (!q || !q->next() || q->value(0).isNull())
            continue;
        dm_.dialogs().warning(consulta.antes + q->value(0).toString() + q->value(1).toString() +
                              S(" ya tiene ese número de proveedor."));
        if (prohibir)
            n.clear();
        return;
    }
}

bool DocumentoCxp::cambie_cuenta(Cuenta cual, const QString& cuenta) {
    static const char* const campos[] = {"CTACAUSA", "CTAPAGAR", "CTACAUSAN", "CTAPAGARN"};
    edite();
    Field& x = f(campos[static_cast<int>(cual)]);
    x.setValue(cuenta);
    if (cuenta.isEmpty())
        return true;
    const bool niif = cual == Cuenta::CausaNiif || cual == Cuenta::PagarNiif;
    const bool ok = niif ? d_->cnt.valide_cuenta_niif(cuenta) : d_->cnt.valide_cuenta(cuenta);
    if (!ok)
        x.clear();
    return ok;
}

// ---------------------------------------------------------------- save

bool DocumentoCxp::grabe() {
    if (!antes_de_grabar())
        return false;
    if (bases_abiertas_)
        aplique_bases();
    edite();
    if (campo(S("TERC_NIT")).asString().isEmpty() || (c("MONTO") + c("EXTRA")).isZero()) {
        dm_.dialogs().error(mensaje("Debe indicar un monto y un tercero para el "));
        return false;
    }
    for (const char* s : {"MONTO", "EXTRA", "IVAMONTO", "RTFTEMONTO", "RTIVAMONTO", "RTICAMONTO",
                          "RTCREEM", "BASE0", "BASE1", "BASE2", "BASE3", "ADICIONAL"})
        if (c(s).isNegative()) {
            dm_.dialogs().error(mensaje("Los valores del ", " no pueden ser negativos."));
            emit enfoque(columna(s));
            return false;
        }
    if (!tras_revisar_valores())
        return false;
    derive_porcentajes();
    // One transaction from here to the end of the save: what the save reads
    // first, then the locks (which start it afresh if another station got
    // there first), then the store and the posting.
    Transaccion unidad(dm_.Ledgrix());
    if (!en_unidad())
        return false;
    interfaz_ = d_->interfaces.abre_interfaz(clase_.tipo, campo(S("PREF_PRE")).asString(), true);
    if (interfaz_ == 0)
        return false;

    const auto rechace = [this](const QString& campo, const QString& texto) {
        dm_.dialogs().error(texto);
        emit enfoque(campo);
        return false;
    };
    if (campo(S("TERC_NIT")).asString().isEmpty())
        return rechace(S("TERC_NIT"), S("No Puede Grabar Si No Existe Un Nit"));
    if (c("MONTO").isZero())
        return rechace(columna("MONTO"),
                       S("Debe Introducir Un Valor Mayor a 0 en el Campo  Monto"));
    if (f("NUMERO").asString().isEmpty())
        return rechace(columna("NUMERO"), mensaje("Debe indicar el número del "));
    if (!revise_registro())
        return false;
    return grabe_registro(unidad, bloqueos());
}

QStringList DocumentoCxp::bloqueos() const {
    const QStringList filas{S("update prefijos set pref_actual = pref_actual where tido_cod = ") +
                            sql::number(clase_.tipo) + S(" and pref_pre = ") +
                            sql::quoted(campo(S("PREF_PRE")).asString())};
    return filas + bloqueos_propios() + conta_->bloqueos(clase_.contable, interfaz_);
}

// The document, what rides on it and its posting are one unit of work: a
// failure or a crash anywhere leaves none of them.
bool DocumentoCxp::grabe_registro(Transaccion& unidad, const QStringList& filas) {
    Field& idf = f("ID");
    const qint64 id_antes = idf.asInteger();
    // Stations storing in the same series take turns from here on.
    if (!unidad.bloquee(filas)) {
        dm_.dialogs().error(
            S("Otra estación está grabando documentos de la misma serie. Intente de nuevo."));
        return false;
    }
    // The series' number may have been taken by another station since it
    // was proposed: take the next free one (a typed number is the user's).
    Field& numf = f("NUMERO");
    if (numf.asString() == propuesto_) {
        valide_numero(dm_, clase_.tipo, campo(S("PREF_PRE")).asString(), propuesto_, numf);
        dm_.encontrados.limpie();
        propuesto_ = numf.asString();
    }
    qint64 id = id_antes;
    if (id == 0) {
        const QVariant nuevo = dm_.sql().scalar(S("select ID from ") + S(clase_.generador));
        if (!nuevo.isValid())
            return false;
        id = nuevo.toLongLong();
        idf.setValue(id);
    }
    const QString prefijo = campo(S("PREF_PRE")).asString();
    const auto deshaga = [&] {
        // Nothing was written: back to edit with the data as typed.
        unidad.deshaga();
        deshaga_detalle();
        edite();
        idf.setValue(id_antes);
        return false;
    };
    if (!CNotas->post()) {
        idf.setValue(id_antes);
        return false;
    }
    if (!complete_detalle(id))
        return deshaga();
    if (CNotas->applyUpdates(0) != 0)
        return deshaga();
    const Contabilizado hecho =
        conta_->contabilice_en_unidad(clase_.contable, id, interfaz_, !desde_documento_);
    if (!unidad.confirme()) {
        dm_.dialogs().error(mensaje("No se pudo grabar el ",
                                    "; no se guardó nada. Revise el mensaje anterior e intente "
                                    "de nuevo."));
        return deshaga();
    }
    conta_->termine(clase_.contable, id, hecho);
    if (desde_documento_) {
        emit cierre(1);
        return true;
    }
    if (imprima)
        imprima(id);
    prepare_nuevo(prefijo);
    return true;
}

}  // namespace ledgrix
