#include "payables/cargos/cargo.h"

#include <QSqlQuery>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/contabilizacion/pendientes.h"
#include "accounting/cuentas.h"
#include "accounting/interfaces/interfaces.h"
#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/numeracion/numeracion.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/fecha_documento.h"
#include "parties/tfdmter.h"
#include "payables/registro_cxp.h"

namespace ledgrix {

namespace {

const QString kCxp = QStringLiteral("CXPAGAR");
const QString kDocs = QStringLiteral("DOCUMENTOS");

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Amount columns of each withholding, in the order of Cargo::Retencion.
const char* const kMontoRet[] = {"NDPR_RTFTEMONTO", "NDPR_RTIVAMONTO", "NDPR_RTICAMONTO",
                                 "NDPR_RTCREEM"};
const char* const kPorcRet[] = {"NDPR_RTFTEPORC", "NDPR_RTIVAPORC", "NDPR_RTICAPORC",
                                "NDPR_RTCREE"};
// Percentage columns in the order of Cargo::Porcentaje.
const char* const kPorc[] = {"NDPR_IVAPORC",   "NDPR_RTFTEPORC", "NDPR_RTIVAPORC",
                             "NDPR_RTICAPORC", "NDPR_RTCREE",    "NDPR_DTOFPORC"};

struct Destino {
    int tipo;
    const char* nombre;
};
const Destino kAplicables[] = {{52, "NOTACRPR"}, {24, "DEVOLPRV"}, {55, "ANTICPRV"}};

const Currency k100 = Currency::fromInt(100);
const Currency k1000 = Currency::fromInt(1000);

}  // namespace

struct Cargo::Impl {
    explicit Impl(Tfdm& dm) : ter(dm), registro(dm), interfaces(dm), cnt(dm) {}
    Tfdmter ter;
    RegistroCxp registro;
    Interfaces interfaces;
    Tfdmcnt cnt;
    ClientDataset* CPrefApl = nullptr;
    Currency tarifa1, tarifa2;
    bool numprov_obligatorio = false;
    bool centros_obligatorios = false;
    bool bodega_general = true;
    QString politica_numprov;
    int moneda_defecto = 1;
    // Base thresholds of the current NIT, read once per supplier.
    QString nit_bases;
    Currency base_rtfte, base_rtica;
};

Cargo::Cargo(Tfdm& dm, QObject* parent)
    : QObject(parent),
      dm_(dm),
      d_(std::make_unique<Impl>(dm)),
      conta_(std::make_unique<Contabilizacion>(dm)) {
    CNotas = conjunto(S("Notas"), S("select * from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = 0"));
    CCentros = conjunto(S("Centros"), S("select * from CENTROS_DOCUMENTO where TIDO_COD = 51 and "
                                        "CEDO_IDDOC = :NDPR_ID order by CEDO_ITEM"));
    // The pending application rides on the charge so that one apply stores
    // both. Its only stored row is a leftover with id 0, removed on opening.
    CAplicacion =
        conjunto(S("Aplicacion"),
                 S("select * from APLICACION_PROVEDOR where APPR_ID = 0 and TERC_NIT = :TERC_NIT"));
    CAplicacionDet = conjunto(S("AplicacionDet"), S("select * from APLICACION_PROVEEDOR_DETALLE "
                                                    "where APPR_ID = :APPR_ID order by APPD_ITEM"));
    CPrefijos = conjunto(S("Prefijos"), {});
    CBodegas = conjunto(S("Bodegas"), {});
    CMonedas = conjunto(S("Monedas"),
                        S("select TIMO_COD, TIMO_NOMBRE from TIPOS_MONEDA order by TIMO_COD"));
    d_->CPrefApl = conjunto(S("PrefApl"), S("select pref_pre, pref_actual, pref_auto from prefijos "
                                            "where tido_cod=53 and pref_activo = 'S'"));
    CCentros->setMaster(CNotas, {{S("NDPR_ID"), S("CEDO_IDDOC")}});
    CAplicacion->setMaster(CNotas, {{S("TERC_NIT"), S("TERC_NIT")}});
    CAplicacionDet->setMaster(CAplicacion, {{S("APPR_ID"), S("APPR_ID")}});
    dm.ConfigurarProviders(this);

    CNotas->onNewRecord = [this](ClientDataset& ds) {
        const QDate hoy = dm_.clock().today();
        for (const char* f : {"NDPR_FECHA", "NDPR_FECFAC", "NDPR_DTOFECHA", "NDPR_VENCE"})
            ds.fieldByName(S(f)).setValue(hoy);
        ds.fieldByName(S("NDPR_ID")).setValue(0);
        ds.fieldByName(S("TIDO_COD")).setValue(51);
        for (const char* f : {"NDPR_ANULADO", "NDPR_TRANSMIT", "NUMOK", "NDPR_ACUMULADO"})
            ds.fieldByName(S(f)).setValue(S("N"));
        ds.fieldByName(S("NDPR_TIPOCOSTO")).setValue(S("A"));
        for (Field* f : ds.fields())
            if (f->type() == Field::Type::Currency)
                f->setCurrency(Currency());
        ds.fieldByName(S("NDPR_USUARIO")).setValue(dm_.ctx.usuario);
        ds.fieldByName(S("NDPR_MONEDA")).setValue(pide_moneda_ ? d_->moneda_defecto : 1);
        ds.fieldByName(S("NDPR_TRM")).setCurrency(Currency::fromInt(1));
        if (!d_->bodega_general && CBodegas->active() && !CBodegas->isEmpty()) {
            CBodegas->first();
            ds.fieldByName(S("NDPR_BODEGA")).setValue(CBodegas->fieldByName(S("BODE_COD")).value());
        }
    };
    CCentros->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(S("TIDO_COD")).setValue(51);
        ds.fieldByName(S("CEDO_ITEM")).setValue(++contador_centros_);
        ds.fieldByName(S("CEDO_MONTO")).setCurrency(Currency());
    };
}

Cargo::~Cargo() = default;

ClientDataset* Cargo::conjunto(const QString& nombre, const QString& sql) {
    auto* p = new Provider(this, S("P") + nombre);
    p->setConnectionName(dm_.Ledgrix());
    p->setQueryName(S("Q") + nombre);
    p->setCommandText(sql);
    p->setAllowCommandText(true);
    auto* ds = new ClientDataset(this, S("C") + nombre);
    ds->setProvider(p);
    return ds;
}

Field& Cargo::campo(const QString& nombre) const {
    return CNotas->fieldByName(nombre);
}
Currency Cargo::c(const char* f) const {
    return CNotas->fieldByName(S(f)).asCurrency();
}
void Cargo::ponga(const char* f, Currency v) {
    CNotas->fieldByName(S(f)).setCurrency(v);
}
Currency Cargo::r(Currency x) const {
    return R(x, n_);
}

bool Cargo::edite() {
    if (CNotas->state() == ClientDataset::State::Insert ||
        CNotas->state() == ClientDataset::State::Edit)
        return true;
    return CNotas->edit();
}

Currency Cargo::neto() const {
    return c("NDPR_MONTO") + c("NDPR_IVAMONTO") + c("NDPR_EXTRA") - c("NDPR_RTFTEMONTO") -
           c("NDPR_RTIVAMONTO") - c("NDPR_RTICAMONTO") - c("NDPR_RTCREEM");
}
Currency Cargo::total() const {
    return c("NDPR_MONTO") + c("NDPR_IVAMONTO") + c("NDPR_EXTRA");
}
Currency Cargo::subtotal() const {
    return c("NDPR_BASE0") + c("NDPR_BASE1") + c("NDPR_BASE2") + c("NDPR_BASE3");
}

// ---------------------------------------------------------------- opening

bool Cargo::abra() {
    // Look-ups of one user action share one read transaction.
    Transaccion lectura(dm_.Ledgrix());
    // Without these numbers no amount can be computed: the missing setting
    // is reported by name and the window does not open.
    const auto simplificado = dm_.entero_configurado(
        S("COMPRAS"), S("FACTURAS"), S("PORCENTAJE DE RETENCION DE IVA PARA REGIMEN SIMPLIFICADO"));
    const auto redondeo =
        dm_.entero_configurado(kCxp, kDocs, S("REDONDEO AL MULTIPLO DE DIEZ EN TOTALES"));
    if (!simplificado || !redondeo)
        return false;
    f_ = Currency::fromInt(*simplificado) / k100;
    n_ = *redondeo;
    d_->numprov_obligatorio =
        dm_.configuracion_si(kCxp, kDocs, S("NUMERO DE DOCUMENTO DEL PROVEEDOR OBLIGATORIO"));
    d_->centros_obligatorios = dm_.configuracion_si(
        kCxp, kDocs, S("PREGUNTAR DETALLE DE CENTROS DE COSTO EN CARGOS Y DESCUENTOS"));
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

    QString sql =
        S("SELECT P.TIDO_COD, P.PREF_PRE, PREF_ACTUAL, PREF_AUTO, PREF_IVAINC, PREF_PROY, "
          "PREF_CENTRO, "
          "PREF_ACTIVO, PREF_USUARIO, TICO_COD, SUCU_ID, PREF_SUBC FROM PREFIJOS P");
    if (filtrar_prefijos)
        sql += S(", PREFIJOS_USUARIO U WHERE P.TIDO_COD = U.tido_cod AND P.pref_pre = U.pref_pre "
                 "AND U.user_cod = ") +
               sql::quoted(dm_.ctx.usuario) + S(" AND ");
    else
        sql += S(" WHERE ");
    sql += S("  P.tido_cod = 51 AND pref_activo = 'S'");
    if (dm_.ctx.agencia != 0)
        sql += S(" AND (SUCU_ID = ") + sql::number(dm_.ctx.agencia) + S(" OR SUCU_ID = 0)");
    CPrefijos->setCommandText(sql + S(" ORDER BY P.PREF_PRE"));
    if (!CPrefijos->open())
        return false;
    CPrefijos->fetchAll();
    if (CPrefijos->isEmpty()) {
        dm_.dialogs().error(S("Debe crear antes un prefijo válido para el documento."));
        return false;
    }

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
    d_->CPrefApl->open();
    d_->CPrefApl->fetchAll();
    for (int i : {1, 2}) {
        auto q = dm_.sql().select(S("select taiv_porc from tarifa_iva where taiv_cod = ") +
                                  sql::number(i));
        (i == 1 ? d_->tarifa1 : d_->tarifa2) = q && q->next() ? decimal(*q, 0) : Currency();
    }

    lectura.confirme();
    // Charges a crash or a killed program left stored without their ledger
    // voucher are posted now, before anything new is typed.
    PendientesContabilizar(*conta_).termine(DocumentoContable::Cargo);

    if (!CNotas->open())
        return false;
    if (!CNotas->isEmpty()) {
        if (dm_.dialogs().question(S("Se encontró un pago previo incorrectamente registrado. Desea "
                                     "traerlo a pantalla?"))) {
            CNotas->first();
            CNotas->edit();
            propuesto_ = CNotas->fieldByName(S("NDPR_NUMERO")).asString();
            const QString pref = CNotas->fieldByName(S("PREF_PRE")).asString();
            if (CPrefijos->locate(S("PREF_PRE"), {pref}))
                interfaz_ = d_->interfaces.abre_interfaz(51, pref, false);
            const QString nit = campo(S("TERC_NIT")).asString();
            nombre_ = d_->ter.nom_tercero(nit);
            auto q =
                dm_.sql().select(S("select prov_simplificado from proveedores where terc_nit = ") +
                                 sql::quoted(nit));
            simplificado_ = q && q->next() && q->value(0).toString() == S("S");
            return true;
        }
        dm_.sql().execute(S("delete from notas_debito_proveedor where ndpr_id = 0"));
        CNotas->close();
        CNotas->open();
    }
    nuevo({});
    return true;
}

void Cargo::nuevo(const QString& prefijo) {
    Transaccion lectura(dm_.Ledgrix());
    dm_.sql().execute(S("delete from aplicacion_provedor where appr_id = 0"));
    if (CNotas->active())
        CNotas->cancel();
    CNotas->cancelUpdates();
    CNotas->close();
    CNotas->open();
    CPrefijos->refresh();
    d_->CPrefApl->refresh();
    for (bool& m : mano_)
        m = false;
    for (bool& e : editable_)
        e = false;
    aplicar_.reset();
    contador_centros_ = 0;
    centros_confirmados_ = centros_abiertos_ = bases_abiertas_ = false;
    simplificado_ = false;
    nombre_.clear();
    nom_proy_.clear();
    nom_centro_.clear();
    nom_subc_.clear();
    CNotas->append();
    if (prefijo.isEmpty() || !CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        CPrefijos->first();
    cambie_prefijo(CPrefijos->fieldByName(S("PREF_PRE")).asString());
    lectura.confirme();
}

void Cargo::prepare_nuevo(const QString& prefijo) {
    nuevo(prefijo.isEmpty() ? campo(S("PREF_PRE")).asString() : prefijo);
}

bool Cargo::cancele() {
    if (!dm_.dialogs().question(S("Si cancela ahora perderá los datos no grabados, continuar?")))
        return false;
    prepare_nuevo();
    return true;
}

void Cargo::reciba(const Recibidos& v) {
    if (!v.nit.isEmpty())
        cambie_nit(v.nit);
    edite();
    if (!v.negocio.isEmpty())
        campo(S("NDPR_NEGOCIO")).setValue(v.negocio);
    if (v.factura != 0)
        campo(S("NDPR_FACID")).setValue(v.factura);
    if (!v.articulo.isEmpty())
        campo(S("ARTI_COD")).setValue(v.articulo);
    if (v.tipo_aplicar.isEmpty())
        return;
    const int tipo = v.tipo_aplicar.toInt();
    for (int i = 0; i < 3; ++i)
        if (kAplicables[i].tipo == tipo) {
            aplique_a(static_cast<Aplicable>(i), v.prefijo_aplicar + v.numero_aplicar);
            return;
        }
    dm_.dialogs().error(
        S("El documento seleccionado no es de naturaleza débito y por tanto no se puede aplicar a "
          "un cargo."));
}

// ---------------------------------------------------------------- header

void Cargo::cambie_nit(const QString& nit) {
    edite();
    Transaccion lectura(dm_.Ledgrix());
    campo(S("TERC_NIT")).setValue(nit);
    for (bool& m : mano_)
        m = false;
    Field& rtfte = campo(S("NDPR_RTFTEPORC"));
    Field& rtiva = campo(S("NDPR_RTIVAPORC"));
    Field& rtica = campo(S("NDPR_RTICAPORC"));
    Field& rcree = campo(S("NDPR_RTCREE"));
    nombre_ = d_->ter.valide_retenciones(nit, {rtfte, rtiva, rtica, rcree});
    if (nombre_.isEmpty()) {
        dm_.dialogs().error(S("Acreedor inactivo o no encontrado."));
        campo(S("TERC_NIT")).clear();
        simplificado_ = false;
        return;
    }
    auto q = dm_.sql().select(
        S("select prov_ctapagar, prov_ctacausa, prov_simplificado, prov_diaspago, "
          "prov_ctapagniif, prov_ctacausaniif from proveedores where terc_nit = ") +
        sql::quoted(nit));
    if (q && q->next()) {
        campo(S("NDPR_CTAPAGAR")).setValue(q->value(0));
        campo(S("NDPR_CTACAUSA")).setValue(q->value(1));
        simplificado_ = q->value(2).toString() == S("S");
        const QString dias = q->value(3).toString();
        campo(S("NDPR_CTAPAGARN")).setValue(q->value(4));
        campo(S("NDPR_CTACAUSAN")).setValue(q->value(5));
        if (!dias.isEmpty())
            campo(S("NDPR_VENCE")).setValue(campo(S("NDPR_FECFAC")).asDate().addDays(dias.toInt()));
    }
    q.reset();
    base_fuente();  // the supplier's thresholds, for the amounts to come
    auto compromisos = dm_.sql().select(S("select * from busqueda_compromisos_prv (") +
                                        sql::quoted(nit) + S(",'N')"));
    const bool pendientes = compromisos && compromisos->next();
    compromisos.reset();
    lectura.confirme();
    if (pendientes)
        dm_.dialogs().modal(S("Tfcompromisos"), [] { return 0; });
}

void Cargo::numero_de_prefijo() {
    propuesto_ = CPrefijos->fieldByName(S("PREF_ACTUAL")).asString();
    campo(S("NDPR_NUMERO")).setValue(propuesto_);
}

void Cargo::cambie_prefijo(const QString& prefijo) {
    edite();
    if (!CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        return;
    campo(S("PREF_PRE")).setValue(prefijo);
    numero_de_prefijo();
    numero_editable_ = CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
    interfaz_ = d_->interfaces.abre_interfaz(51, prefijo, false);
    const QString num = sql::quoted(propuesto_);
    const QVariant autorizacion = dm_.sql().scalar(
        S("SELECT AUTO_NUMERO FROM AUTORIZACIONES WHERE TIDO_COD = 51 AND PREF_PRE = ") +
        sql::quoted(prefijo) + S(" AND CAST(auto_inicial AS INTEGER) <= ") + num +
        S(" AND CAST(auto_final AS INTEGER) >= ") + num);
    if (autorizacion.isValid())
        campo(S("NDPR_AUTO")).setValue(autorizacion);
}

void Cargo::cambie_numero(const QString& numero) {
    edite();
    Field& f = campo(S("NDPR_NUMERO"));
    f.setValue(numero.size() < 6 && !numero.isEmpty() ? complete_numero(numero) : numero);
    if (!valide_numero(dm_, 51, campo(S("PREF_PRE")).asString(), propuesto_, f)) {
        f.clear();
        return;
    }
    if (dm_.encontrados.notadb.isEmpty())
        return;
    // The user asked to see the charge that already has the number; the
    // charge being typed keeps the number its series proposes.
    dm_.dialogs().modal(S("Tfconsnotdbcxp"), [] { return 0; });
    dm_.encontrados.limpie();
    f.setValue(propuesto_);
}

void Cargo::cambie_fecha(const QDate& fecha) {
    edite();
    Field& f = campo(S("NDPR_FECHA"));
    f.setValue(fecha);
    valide_fecha(dm_, f);
    campo(S("NDPR_DTOFECHA")).setValue(f.value());
    cambie_fecha_factura(f.asDate());
}

void Cargo::cambie_fecha_factura(const QDate& fecha) {
    edite();
    campo(S("NDPR_FECFAC")).setValue(fecha);
    const QVariant dias =
        dm_.sql().scalar(S("select prov_diaspago from proveedores where terc_nit = ") +
                         sql::quoted(campo(S("TERC_NIT")).asString()));
    if (dias.isValid() && !dias.toString().isEmpty())
        campo(S("NDPR_VENCE")).setValue(fecha.addDays(dias.toInt()));
}

// ---------------------------------------------------------------- amounts

Currency Cargo::base_fuente() {
    const QString nit = campo(S("TERC_NIT")).asString();
    if (nit != d_->nit_bases) {
        d_->nit_bases = nit;
        d_->base_rtfte = d_->ter.base_rtfte(nit);
        d_->base_rtica = d_->ter.base_rtica(nit);
    }
    return d_->base_rtfte;
}

Currency Cargo::base_ica() {
    base_fuente();
    return d_->base_rtica;
}

void Cargo::calcule_monto() {
    for (bool& m : mano_)
        m = false;
    const Currency monto = c("NDPR_MONTO");
    Currency iva = r(monto * c("NDPR_IVAPORC") / k100);
    if (monto > base_fuente()) {
        ponga("NDPR_RTFTEMONTO", r(monto * c("NDPR_RTFTEPORC") / k100));
        if (simplificado_) {
            iva = r(iva * f_);
            ponga("NDPR_RTIVAMONTO", r(iva));
        } else {
            ponga("NDPR_RTIVAMONTO", r(iva * c("NDPR_RTIVAPORC") / k100));
        }
    } else {
        ponga("NDPR_RTFTEMONTO", Currency());
        if (simplificado_)
            iva = Currency();
        ponga("NDPR_RTIVAMONTO", Currency());
    }
    ponga("NDPR_IVAMONTO", iva);
    ponga("NDPR_RTICAMONTO",
          monto > base_ica() ? r(monto * c("NDPR_RTICAPORC") / k1000) : Currency());
    ponga("NDPR_RTCREEM", r(monto * c("NDPR_RTCREE") / k100));
    ponga("NDPR_DTOFMONTO", r(monto * c("NDPR_DTOFPORC") / k100));
}

void Cargo::cambie_monto(Currency monto) {
    edite();
    if (monto.isNegative()) {
        dm_.dialogs().error(S("El monto del cargo no puede ser negativo."));
        emit enfoque(S("NDPR_MONTO"));
        return;
    }
    ponga("NDPR_MONTO", monto);
    calcule_monto();
}

void Cargo::cambie_extra(Currency valor) {
    edite();
    ponga("NDPR_EXTRA", valor);
}

void Cargo::cambie_porcentaje(Porcentaje p, Currency valor) {
    edite();
    ponga(kPorc[static_cast<int>(p)], valor);
    const Currency monto = c("NDPR_MONTO");
    const auto ret = [this](Retencion k) { return !mano_[static_cast<int>(k)]; };
    switch (p) {
        case Porcentaje::Iva: {
            const Currency iva = r(monto * valor / k100);
            ponga("NDPR_IVAMONTO", iva);
            if (simplificado_) {
                ponga("NDPR_RTIVAMONTO", iva);
                mano_[static_cast<int>(Retencion::Iva)] = false;
            } else if (monto > base_fuente()) {
                ponga("NDPR_RTIVAMONTO", r(iva * c("NDPR_RTIVAPORC") / k100));
                mano_[static_cast<int>(Retencion::Iva)] = false;
            }
            break;
        }
        case Porcentaje::Fuente:
            if (ret(Retencion::Fuente))
                ponga("NDPR_RTFTEMONTO", r(monto * valor / k100));
            break;
        case Porcentaje::RetIva:
            if (ret(Retencion::Iva))
                ponga("NDPR_RTIVAMONTO",
                      simplificado_ ? c("NDPR_IVAMONTO") : r(c("NDPR_IVAMONTO") * valor / k100));
            break;
        case Porcentaje::Ica:
            if (ret(Retencion::Ica))
                ponga("NDPR_RTICAMONTO", r(monto * valor / k1000));
            break;
        case Porcentaje::Cree:
            if (ret(Retencion::Cree))
                ponga("NDPR_RTCREEM", r(monto * valor / k100));
            break;
        case Porcentaje::DescuentoPP:
            ponga("NDPR_DTOFMONTO", r(monto * valor / k100));
            break;
    }
}

void Cargo::cambie_monto_retencion(Retencion k, Currency valor) {
    edite();
    ponga(kMontoRet[static_cast<int>(k)], valor);
    if (!valor.isZero())
        mano_[static_cast<int>(k)] = true;
}

void Cargo::salga_porcentaje(Porcentaje p) {
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

void Cargo::derive_porcentajes() {
    const Currency monto = c("NDPR_MONTO");
    const Currency iva = c("NDPR_IVAMONTO");
    if (mano_[0])
        ponga("NDPR_RTFTEPORC", R(c("NDPR_RTFTEMONTO") * k100 / monto, -2));
    if (mano_[1])
        ponga("NDPR_RTIVAPORC", R(c("NDPR_RTIVAMONTO") * k100 / iva, -2));
    if (mano_[2])
        ponga("NDPR_RTICAPORC", R(c("NDPR_RTICAMONTO") * k1000 / monto, -2));
    if (mano_[3])
        ponga("NDPR_RTCREE", c("NDPR_RTCREEM") * k100 / monto);
}

// ---------------------------------------------------------------- VAT bases

void Cargo::abra_bases() {
    bases_abiertas_ = true;
}

void Cargo::cambie_base(int cual, Currency valor) {
    edite();
    static const char* const bases[] = {"NDPR_BASE0", "NDPR_BASE1", "NDPR_BASE2", "NDPR_BASE3"};
    if (cual < 0 || cual > 3)
        return;
    ponga(bases[cual], valor);
    if (cual == 1)
        ponga("NDPR_IVA1", r(valor * d_->tarifa1 / k100));
    if (cual == 2)
        ponga("NDPR_IVA2", r(valor * d_->tarifa2 / k100));
    if (cual == 3)
        ponga("NDPR_IVA3", r(valor * Currency::fromUnits(1900)));
}

void Cargo::aplique_bases() {
    bases_abiertas_ = false;
    edite();
    const Currency sub = subtotal();
    // Bases never typed: the amount was typed directly and stays.
    if (sub.isZero() && c("NDPR_INALCM").isZero() && c("NDPR_ADICIONAL").isZero())
        return;
    Currency iva = c("NDPR_IVA1") + c("NDPR_IVA2") + c("NDPR_IVA3") + c("NDPR_INALCM");
    const Currency dto = sub * c("NDPR_DTOPORC") / k100;
    ponga("NDPR_DTOMONTO", dto);
    const Currency monto = sub - dto + c("NDPR_ADICIONAL");
    ponga("NDPR_MONTO", monto);
    // The withholdings follow the new amount; VAT and its withholding come
    // from the bases, not from the VAT percentage.
    calcule_monto();
    if (simplificado_) {
        iva = sub > base_fuente() ? r(iva * f_) : Currency();
        ponga("NDPR_RTIVAMONTO", iva);
    } else {
        ponga("NDPR_RTIVAMONTO",
              monto > base_fuente() ? r(iva * c("NDPR_RTIVAPORC") / k100) : Currency());
    }
    ponga("NDPR_IVAMONTO", iva);
}

void Cargo::cambie_moneda(int moneda) {
    if (!pide_moneda_ || moneda == 0)
        return;
    edite();
    campo(S("NDPR_MONEDA")).setValue(moneda);
    auto q = dm_.sql().select(S("select taca_valor from tasa_cambio_moneda where timo_cod = ") +
                              sql::number(moneda) + S(" and taca_fecha = ") +
                              sql::date(campo(S("NDPR_FECHA")).asDate()));
    const Currency tasa = q && q->next() ? decimal(*q, 0) : Currency();
    ponga("NDPR_TRM", tasa.isZero() ? Currency::fromInt(1) : tasa);
    q.reset();
    aplique_bases();
}

// ---------------------------------------------------------------- supplier number, centres,
// accounts

void Cargo::cambie_numprov(const QString& numero) {
    edite();
    Field& f = campo(S("NDPR_NUMPROV"));
    f.setValue(numero);
    if (numero.isEmpty() || d_->politica_numprov == S("IGNORAR"))
        return;
    const bool prohibir = d_->politica_numprov == S("PROHIBIR");
    const QString nit = sql::quoted(campo(S("TERC_NIT")).asString());
    const auto busque = [&](const QString& sql, const QString& antes) {
        auto q = dm_.sql().select(sql);
        if (!q || !q->next() || q->value(0).isNull())
            return false;
        dm_.dialogs().warning(antes + q->value(0).toString() + q->value(1).toString() +
                              S(" ya tiene ese número de proveedor."));
        if (prohibir)
            f.clear();
        return true;
    };
    if (busque(S("select max(pref_pre), max(ndpr_numero) from notas_debito_proveedor where "
                 "ndpr_anulado = 'N' "
                 "and ndpr_numprov = ") +
                   sql::quoted(numero) + S(" and terc_nit = ") + nit,
               S("El cargo No. ")))
        return;
    busque(S("select max(pref_pre), max(faco_numero) from facturas_compra where faco_anulado = 'N' "
             "and faco_numprov = ") +
               sql::quoted(numero) + S(" and terc_nit = ") + nit,
           S("La factura de compra No. "));
}

bool Cargo::valide_codigo(const QString& mensaje, const QString& sql, QString& nombre,
                          const char* f) {
    Field& fld = campo(S(f));
    nombre.clear();
    if (fld.asString().isEmpty())
        return true;
    // A code no table can hold is simply not there.
    const QVariant v = sql::admisible(fld.asString(), 4) ? dm_.sql().scalar(sql) : QVariant();
    if (v.isValid() && !v.isNull()) {
        nombre = v.toString();
        return true;
    }
    dm_.dialogs().error(mensaje);
    fld.clear();
    return false;
}

void Cargo::cambie_proyecto(const QString& proyecto) {
    edite();
    campo(S("NDPR_PROY")).setValue(proyecto);
    if (!valide_codigo(
            S("El proyecto no existe."),
            S("select proy_nom from proyectos where proy_cod = ") + sql::quoted(proyecto),
            nom_proy_, "NDPR_PROY") ||
        proyecto.isEmpty())
        return;
    const QVariant centro = dm_.sql().scalar(
        S("SELECT MIN(CENT_COD) FROM centros WHERE PROY_COD = ") + sql::quoted(proyecto));
    cambie_centro(centro.isNull() ? QString() : centro.toString());
}

void Cargo::cambie_centro(const QString& centro) {
    edite();
    campo(S("NDPR_CENTRO")).setValue(centro);
    valide_codigo(S("El centro de costo no existe."),
                  S("select cent_nom from centros where cent_cod = ") + sql::quoted(centro) +
                      S(" and proy_cod = ") + sql::quoted(campo(S("NDPR_PROY")).asString()),
                  nom_centro_, "NDPR_CENTRO");
}

void Cargo::cambie_subcentro(const QString& subcentro) {
    edite();
    campo(S("NDPR_SUBC")).setValue(subcentro);
    valide_codigo(S("El subcentro no existe."),
                  S("select subc_nom from subcentros where cent_cod = ") +
                      sql::quoted(campo(S("NDPR_CENTRO")).asString()) + S(" and proy_cod = ") +
                      sql::quoted(campo(S("NDPR_PROY")).asString()) + S(" and subc_cod = ") +
                      sql::quoted(subcentro),
                  nom_subc_, "NDPR_SUBC");
}

bool Cargo::cambie_cuenta(Cuenta cual, const QString& cuenta) {
    static const char* const campos[] = {"NDPR_CTACAUSA", "NDPR_CTAPAGAR", "NDPR_CTACAUSAN",
                                         "NDPR_CTAPAGARN"};
    edite();
    Field& f = campo(S(campos[static_cast<int>(cual)]));
    f.setValue(cuenta);
    if (cuenta.isEmpty())
        return true;
    const bool niif = cual == Cuenta::CausaNiif || cual == Cuenta::PagarNiif;
    const bool ok = niif ? d_->cnt.valide_cuenta_niif(cuenta) : d_->cnt.valide_cuenta(cuenta);
    if (!ok)
        f.clear();
    return ok;
}

// ---------------------------------------------------------------- application

void Cargo::limpie_aplicacion() {
    CAplicacion->cancel();
    while (!CAplicacion->isEmpty()) {
        CAplicacion->first();
        while (!CAplicacionDet->isEmpty()) {
            CAplicacionDet->first();
            CAplicacionDet->remove();
        }
        CAplicacion->remove();
    }
}

bool Cargo::aplique_a(Aplicable cual, const QString& referencia) {
    edite();
    Field& numapl = campo(S("NDPR_NUMAPL"));
    Field& tipoapl = campo(S("NDPR_TIPOAPL"));
    // A refused reference takes any earlier application with it: what is
    // shown and what is stored never differ.
    const auto vacie = [&] {
        numapl.clear();
        tipoapl.clear();
        limpie_aplicacion();
        aplicar_.reset();
        return false;
    };
    if (referencia.isEmpty())
        return vacie();
    if (c("NDPR_MONTO").isZero() || c("NDPR_IVAMONTO").isZero()) {
        dm_.dialogs().error(S("Ingrese antes el monto e IVA de la nota."));
        return vacie();
    }
    const Destino& destino = kAplicables[static_cast<int>(cual)];
    const QString numero = referencia.right(6);
    const QString prefijo = referencia.left(std::max<qsizetype>(0, referencia.size() - 6));
    RegistroCxp& reg = d_->registro;
    const qint64 id = reg.id_doc(destino.tipo, prefijo, numero, campo(S("TERC_NIT")).asString(),
                                 campo(S("NDPR_FECHA")).asDate());
    if (id == 0) {
        dm_.dialogs().error(S("No existe el documento a pagar"));
        return vacie();
    }
    const Currency net = neto();
    const Currency rtfte = c("NDPR_RTFTEMONTO"), rtiva = c("NDPR_RTIVAMONTO"),
                   rtica = c("NDPR_RTICAMONTO"), rcree = c("NDPR_RTCREEM");
    if (net > reg.saldo_doc.abs() || rtfte > reg.rtfte_doc.abs() || rtiva > reg.rtiva_doc.abs() ||
        rtica > reg.rtica_doc.abs() || rcree > reg.rcree_doc.abs()) {
        dm_.dialogs().error(
            S("El saldo o las retenciones del documento son insuficientes. Haga el cruce por la "
              "opción de aplicaciones."));
        return vacie();
    }
    ClientDataset& pref = *d_->CPrefApl;
    if (pref.isEmpty()) {
        dm_.dialogs().error(S("Debe crear antes el prefijo de aplicaciones."));
        return vacie();
    }
    if (!pref.locate(S("PREF_PRE"), {campo(S("PREF_PRE")).asString()}))
        pref.first();

    limpie_aplicacion();
    // Adding the header posts the charge's row; it goes back to edit below.
    CAplicacion->append();
    const auto a = [this](const char* f) -> Field& { return CAplicacion->fieldByName(S(f)); };
    a("APPR_ID").setValue(0);
    a("TIDO_COD").setValue(53);
    a("PREF_PRE").setValue(pref.fieldByName(S("PREF_PRE")).value());
    a("APPR_NUMERO").setValue(pref.fieldByName(S("PREF_ACTUAL")).value());
    a("APPR_FECHA").setValue(campo(S("NDPR_FECHA")).value());
    a("TERC_NIT").setValue(campo(S("TERC_NIT")).value());
    a("APPR_CONC").setValue(S("APLICACION CARGO A ") + S(destino.nombre) + S(" No.") + referencia);
    a("APPR_ANULADO").setValue(S("N"));
    a("APPR_TRANSMIT").setValue(S("N"));
    a("APPR_USUARIO").setValue(dm_.ctx.usuario);
    CAplicacion->post();
    const auto linea = [this](int item, int tipo, qint64 iddoc, const QVariant& prefijo,
                              const QVariant& numero, Currency aplicado, Currency r1, Currency r2,
                              Currency r3, Currency r4) {
        CAplicacionDet->append();
        const auto l = [this](const char* f) -> Field& {
            return CAplicacionDet->fieldByName(S(f));
        };
        l("APPD_ITEM").setValue(item);
        l("APPD_TIPODOC").setValue(tipo);
        l("APPD_IDDOC").setValue(iddoc);
        l("APPD_PREFIJO").setValue(prefijo);
        l("APPD_NUMERO").setValue(numero);
        l("APPD_APLICADO").setCurrency(aplicado);
        l("APPD_RTFTE").setCurrency(r1);
        l("APPD_RTIVA").setCurrency(r2);
        l("APPD_RTICA").setCurrency(r3);
        l("APPD_RCREE").setCurrency(r4);
        l("APPD_ANULADO").setValue(S("N"));
        l("APPD_TRANSMIT").setValue(S("N"));
        CAplicacionDet->post();
    };
    linea(1, 51, 0, campo(S("PREF_PRE")).value(), campo(S("NDPR_NUMERO")).value(), net, rtfte,
          rtiva, rtica, rcree);
    linea(2, destino.tipo, id, prefijo, numero, -net, -rtfte, -rtiva, -rtica, -rcree);
    edite();
    tipoapl.setValue(destino.tipo);
    numapl.setValue(referencia);
    aplicar_ = std::make_pair(cual, referencia);
    return true;
}

// ---------------------------------------------------------------- cost centres

void Cargo::abra_centros() {
    centros_abiertos_ = true;
    if (!CCentros->isEmpty())
        return;
    CCentros->append();
    CCentros->fieldByName(S("PROY_COD")).setValue(campo(S("NDPR_PROY")).value());
    CCentros->fieldByName(S("CENT_COD")).setValue(campo(S("NDPR_CENTRO")).value());
    CCentros->fieldByName(S("SUBC_COD")).setValue(campo(S("NDPR_SUBC")).value());
    CCentros->fieldByName(S("CEDO_MONTO")).setCurrency(c("NDPR_MONTO"));
    edite();
}

bool Cargo::confirme_centros() {
    if (CCentros->state() != ClientDataset::State::Browse && !CCentros->post())
        return false;
    if (CCentros->isEmpty()) {
        dm_.dialogs().error(S("Debe indicar los centros de costo y los montos."));
        return false;
    }
    Currency suma;
    for (bool ok = CCentros->first(); ok && !CCentros->eof(); ok = CCentros->next())
        suma += CCentros->fieldByName(S("CEDO_MONTO")).asCurrency();
    if (suma != c("NDPR_MONTO")) {
        dm_.dialogs().error(
            S("La suma de los montos por centro debe ser igual al monto del cargo."));
        return false;
    }
    centros_confirmados_ = true;
    centros_abiertos_ = false;
    return grabe();
}

// ---------------------------------------------------------------- save

bool Cargo::grabe() {
    if (centros_abiertos_) {
        dm_.dialogs().error(S("Use el botón de la ventana de detalle de centros."));
        return false;
    }
    if (bases_abiertas_)
        aplique_bases();
    edite();
    if (campo(S("TERC_NIT")).asString().isEmpty() || (c("NDPR_MONTO") + c("NDPR_EXTRA")).isZero()) {
        dm_.dialogs().error(S("Debe indicar un monto y un tercero para el cargo."));
        return false;
    }
    for (const char* f : {"NDPR_MONTO", "NDPR_EXTRA", "NDPR_IVAMONTO", "NDPR_RTFTEMONTO",
                          "NDPR_RTIVAMONTO", "NDPR_RTICAMONTO", "NDPR_RTCREEM", "NDPR_BASE0",
                          "NDPR_BASE1", "NDPR_BASE2", "NDPR_BASE3", "NDPR_ADICIONAL"})
        if (c(f).isNegative()) {
            dm_.dialogs().error(S("Los valores del cargo no pueden ser negativos."));
            emit enfoque(S(f));
            return false;
        }
    if (d_->centros_obligatorios && !centros_confirmados_) {
        abra_centros();
        return false;
    }
    derive_porcentajes();
    // One transaction from here to the end of the save: what the save reads
    // first, then the locks (which start it afresh if another station got
    // there first), then the store and the posting.
    Transaccion unidad(dm_.Ledgrix());
    // The application is built again from the figures being saved, so that
    // a change of amount, VAT or percentages after "Aplicar a:" is carried.
    if (aplicar_) {
        const auto [cual, referencia] = *aplicar_;
        if (!aplique_a(cual, referencia))
            return false;
    }
    interfaz_ = d_->interfaces.abre_interfaz(51, campo(S("PREF_PRE")).asString(), true);
    if (interfaz_ == 0)
        return false;

    const auto rechace = [this](const char* f, const char* mensaje) {
        dm_.dialogs().error(S(mensaje));
        emit enfoque(S(f));
        return false;
    };
    if (campo(S("TERC_NIT")).asString().isEmpty())
        return rechace("TERC_NIT", "No Puede Grabar Si No Existe Un Nit");
    if (c("NDPR_MONTO").isZero())
        return rechace("NDPR_MONTO", "Debe Introducir Un Valor Mayor a 0 en el Campo  Monto");
    if (campo(S("NDPR_NUMERO")).asString().isEmpty())
        return rechace("NDPR_NUMERO", "Debe indicar el número del cargo.");
    if (d_->numprov_obligatorio && campo(S("NDPR_NUMPROV")).asString().isEmpty())
        return rechace("NDPR_NUMPROV", "Debe indicar el número del documento del proveedor.");
    return grabe_registro(unidad, bloqueos());
}

QStringList Cargo::bloqueos() const {
    QStringList filas{
        S("update prefijos set pref_actual = pref_actual where tido_cod = 51 and pref_pre = ") +
        sql::quoted(campo(S("PREF_PRE")).asString())};
    if (!CAplicacion->isEmpty())
        filas << S("update prefijos set pref_actual = pref_actual where tido_cod = 53 and pref_pre "
                   "= ") +
                     sql::quoted(CAplicacion->fieldByName(S("PREF_PRE")).asString());
    return filas + conta_->bloqueos(DocumentoContable::Cargo, interfaz_);
}

// The charge, its application and its posting are one unit of work: a
// failure or a crash anywhere leaves none of them.
bool Cargo::grabe_registro(Transaccion& unidad, const QStringList& filas) {
    Field& idf = campo(S("NDPR_ID"));
    const qint64 id_antes = idf.asInteger();
    // Stations storing in the same series take turns from here on.
    if (!unidad.bloquee(filas)) {
        dm_.dialogs().error(
            S("Otra estación está grabando documentos de la misma serie. Intente de nuevo."));
        return false;
    }
    // The series' number may have been taken by another station since it
    // was proposed: take the next free one (a typed number is the user's).
    Field& numf = campo(S("NDPR_NUMERO"));
    if (numf.asString() == propuesto_) {
        valide_numero(dm_, 51, campo(S("PREF_PRE")).asString(), propuesto_, numf);
        dm_.encontrados.limpie();
        propuesto_ = numf.asString();
    }
    qint64 id = id_antes;
    if (id == 0) {
        const QVariant nuevo = dm_.sql().scalar(S("select ID from CAMBIE_ID_NOTADBPROV"));
        if (!nuevo.isValid())
            return false;
        id = nuevo.toLongLong();
        idf.setValue(id);
    }
    const QVariant prefijo = campo(S("PREF_PRE")).value();
    const QVariant numero = numf.value();
    const QVariant fecha = campo(S("NDPR_FECHA")).value();
    const QVariant nit = campo(S("TERC_NIT")).value();
    const auto deshaga = [&] {
        // Nothing was written: back to edit with the data as typed.
        unidad.deshaga();
        if (!CAplicacion->isEmpty()) {
            CAplicacion->first();
            CAplicacion->edit();
            CAplicacion->fieldByName(S("APPR_ID")).setValue(0);
            CAplicacion->post();
            if (CAplicacionDet->locate(S("APPD_ITEM"), {1})) {
                CAplicacionDet->edit();
                CAplicacionDet->fieldByName(S("APPD_IDDOC")).setValue(0);
                CAplicacionDet->post();
            }
        }
        edite();
        idf.setValue(id_antes);
        return false;
    };
    if (!CNotas->post()) {
        idf.setValue(id_antes);
        return false;
    }
    // The application: the charge's line takes its id and number, the header
    // a new id of its own.
    if (!CAplicacion->isEmpty()) {
        CAplicacion->first();
        const QVariant idapl = dm_.sql().scalar(S("select ID from CAMBIE_ID_APLIPROV"));
        const QVariant actual = dm_.sql().scalar(
            S("select pref_actual from prefijos where tido_cod = 53 and pref_pre = ") +
            sql::quoted(CAplicacion->fieldByName(S("PREF_PRE")).asString()));
        if (!idapl.isValid())
            return deshaga();
        CAplicacion->edit();
        CAplicacion->fieldByName(S("APPR_ID")).setValue(idapl);
        if (actual.isValid())
            CAplicacion->fieldByName(S("APPR_NUMERO")).setValue(actual);
        CAplicacion->fieldByName(S("APPR_FECHA")).setValue(fecha);
        CAplicacion->fieldByName(S("TERC_NIT")).setValue(nit);
        CAplicacion->post();
        if (CAplicacionDet->locate(S("APPD_ITEM"), {1})) {
            CAplicacionDet->edit();
            CAplicacionDet->fieldByName(S("APPD_IDDOC")).setValue(id);
            CAplicacionDet->fieldByName(S("APPD_PREFIJO")).setValue(prefijo);
            CAplicacionDet->fieldByName(S("APPD_NUMERO")).setValue(numero);
            CAplicacionDet->post();
        }
    }
    if (CNotas->applyUpdates(0) != 0)
        return deshaga();
    const Contabilizado hecho =
        conta_->contabilice_en_unidad(DocumentoContable::Cargo, id, interfaz_, !desde_documento_);
    if (!unidad.confirme()) {
        dm_.dialogs().error(
            S("No se pudo grabar el cargo; no se guardó nada. Revise el mensaje anterior e intente "
              "de nuevo."));
        return deshaga();
    }
    conta_->termine(DocumentoContable::Cargo, id, hecho);
    if (desde_documento_) {
        emit cierre(1);
        return true;
    }
    if (imprima)
        imprima(id);
    prepare_nuevo(prefijo.toString());
    return true;
}

}  // namespace ledgrix
