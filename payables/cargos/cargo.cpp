#include "payables/cargos/cargo.h"

#include <QSqlQuery>

#include "accounting/interfaces/interfaces.h"
#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "parties/tfdmter.h"
#include "payables/registro_cxp.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

struct Destino {
    int tipo;
    const char* nombre;
};
const Destino kAplicables[] = {{52, "NOTACRPR"}, {24, "DEVOLPRV"}, {55, "ANTICPRV"}};

const ClaseDocumentoCxp kCargo{
    51,      "NDPR",           "NOTAS_DEBITO_PROVEEDOR", "CAMBIE_ID_NOTADBPROV",
    "cargo", "Tfconsnotdbcxp", DocumentoContable::Cargo, true};

}  // namespace

Cargo::Cargo(Tfdm& dm, QObject* parent) : DocumentoCxp(dm, kCargo, parent) {
    CCentros = conjunto(S("Centros"), S("select * from CENTROS_DOCUMENTO where TIDO_COD = 51 and "
                                        "CEDO_IDDOC = :NDPR_ID order by CEDO_ITEM"));
    // The pending application rides on the charge so that one apply stores
    // both. Its only stored row is a leftover with id 0, removed on opening.
    CAplicacion =
        conjunto(S("Aplicacion"),
                 S("select * from APLICACION_PROVEDOR where APPR_ID = 0 and TERC_NIT = :TERC_NIT"));
    CAplicacionDet = conjunto(S("AplicacionDet"), S("select * from APLICACION_PROVEEDOR_DETALLE "
                                                    "where APPR_ID = :APPR_ID order by APPD_ITEM"));
    CPrefApl = conjunto(S("PrefApl"), S("select pref_pre, pref_actual, pref_auto from prefijos "
                                        "where tido_cod=53 and pref_activo = 'S'"));
    CCentros->setMaster(&notas(), {{S("NDPR_ID"), S("CEDO_IDDOC")}});
    CAplicacion->setMaster(&notas(), {{S("TERC_NIT"), S("TERC_NIT")}});
    CAplicacionDet->setMaster(CAplicacion, {{S("APPR_ID"), S("APPR_ID")}});
    dm.ConfigurarProviders(this);

    CCentros->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(S("TIDO_COD")).setValue(51);
        ds.fieldByName(S("CEDO_ITEM")).setValue(++contador_centros_);
        ds.fieldByName(S("CEDO_MONTO")).setCurrency(Currency());
    };
}

Cargo::~Cargo() = default;

// ---------------------------------------------------------------- family hooks

bool Cargo::lea_configuracion() {
    const auto simplificado = dm().entero_configurado(
        S("COMPRAS"), S("FACTURAS"), S("PORCENTAJE DE RETENCION DE IVA PARA REGIMEN SIMPLIFICADO"));
    if (!simplificado)
        return false;
    f_ = Currency::fromInt(*simplificado) / Currency::fromInt(100);
    const QString cxp = S("CXPAGAR"), docs = S("DOCUMENTOS");
    numprov_obligatorio_ =
        dm().configuracion_si(cxp, docs, S("NUMERO DE DOCUMENTO DEL PROVEEDOR OBLIGATORIO"));
    centros_obligatorios_ = dm().configuracion_si(
        cxp, docs, S("PREGUNTAR DETALLE DE CENTROS DE COSTO EN CARGOS Y DESCUENTOS"));
    return true;
}

void Cargo::abra_listas() {
    CPrefApl->open();
    CPrefApl->fetchAll();
}

void Cargo::valores_nuevos(ClientDataset& ds) {
    const QDate hoy = ds.fieldByName(S("NDPR_FECHA")).asDate();
    for (const char* x : {"NDPR_FECFAC", "NDPR_VENCE"})
        ds.fieldByName(S(x)).setValue(hoy);
    ds.fieldByName(S("NDPR_ACUMULADO")).setValue(S("N"));
}

void Cargo::reinicie() {
    dm().sql().execute(S("delete from aplicacion_provedor where appr_id = 0"));
    CPrefApl->refresh();
    aplicar_.reset();
    contador_centros_ = 0;
    centros_confirmados_ = centros_abiertos_ = false;
    simplificado_ = false;
    nom_proy_.clear();
    nom_centro_.clear();
    nom_subc_.clear();
}

void Cargo::recuperado() {
    auto q = dm().sql().select(S("select prov_simplificado from proveedores where terc_nit = ") +
                               sql::quoted(campo(S("TERC_NIT")).asString()));
    simplificado_ = q && q->next() && q->value(0).toString() == S("S");
}

QString Cargo::columnas_proveedor() const {
    return S(", prov_simplificado, prov_diaspago");
}

void Cargo::proveedor_leido(const QSqlQuery& q, int primera) {
    simplificado_ = q.value(primera).toString() == S("S");
    const QString dias = q.value(primera + 1).toString();
    if (!dias.isEmpty())
        f("VENCE").setValue(f("FECFAC").asDate().addDays(dias.toInt()));
}

void Cargo::proveedor_listo(const QString& nit) {
    if (nit.isEmpty()) {
        simplificado_ = false;
        return;
    }
    auto compromisos = dm().sql().select(S("select * from busqueda_compromisos_prv (") +
                                         sql::quoted(nit) + S(",'N')"));
    const bool pendientes = compromisos && compromisos->next();
    compromisos.reset();
    if (!pendientes)
        return;
    Tfdmter::entregado = {nit, nombre_proveedor()};
    if (abra_ventana)
        abra_ventana(S("Tfcompromisos"));
    else
        dm().dialogs().modal(S("Tfcompromisos"), [] { return 0; });
}

void Cargo::fecha_cambiada(const QDate& fecha) {
    cambie_fecha_factura(fecha);
}

void Cargo::cambie_fecha_factura(const QDate& fecha) {
    edite();
    f("FECFAC").setValue(fecha);
    const QVariant dias =
        dm().sql().scalar(S("select prov_diaspago from proveedores where terc_nit = ") +
                          sql::quoted(campo(S("TERC_NIT")).asString()));
    if (dias.isValid() && !dias.toString().isEmpty())
        f("VENCE").setValue(fecha.addDays(dias.toInt()));
}

std::vector<DocumentoCxp::ConsultaNumprov> Cargo::consultas_numprov(const QString& numero,
                                                                    const QString& nit) const {
    return {{S("select max(pref_pre), max(ndpr_numero) from notas_debito_proveedor where "
               "ndpr_anulado = 'N' and ndpr_numprov = ") +
                 numero + S(" and terc_nit = ") + nit,
             S("El cargo No. ")},
            {S("select max(pref_pre), max(faco_numero) from facturas_compra where faco_anulado = "
               "'N' and faco_numprov = ") +
                 numero + S(" and terc_nit = ") + nit,
             S("La factura de compra No. ")}};
}

// ---------------------------------------------------------------- save steps

bool Cargo::antes_de_grabar() {
    if (!centros_abiertos_)
        return true;
    dm().dialogs().error(S("Use el botón de la ventana de detalle de centros."));
    return false;
}

bool Cargo::tras_revisar_valores() {
    if (!centros_obligatorios_ || centros_confirmados_)
        return true;
    abra_centros();
    return false;
}

bool Cargo::en_unidad() {
    // The application is built again from the figures being saved, so that
    // a change of amount, VAT or percentages after "Aplicar a:" is carried.
    if (!aplicar_)
        return true;
    const auto [cual, referencia] = *aplicar_;
    return aplique_a(cual, referencia);
}

bool Cargo::revise_registro() {
    if (!numprov_obligatorio_ || !f("NUMPROV").asString().isEmpty())
        return true;
    dm().dialogs().error(S("Debe indicar el número del documento del proveedor."));
    emit enfoque(S("NDPR_NUMPROV"));
    return false;
}

QStringList Cargo::bloqueos_propios() const {
    if (CAplicacion->isEmpty())
        return {};
    return {S("update prefijos set pref_actual = pref_actual where tido_cod = 53 and pref_pre = ") +
            sql::quoted(CAplicacion->fieldByName(S("PREF_PRE")).asString())};
}

// The application: the charge's line takes its id and number, the header
// a new id of its own.
bool Cargo::complete_detalle(qint64 id) {
    if (CAplicacion->isEmpty())
        return true;
    CAplicacion->first();
    const QVariant idapl = dm().sql().scalar(S("select ID from CAMBIE_ID_APLIPROV"));
    const QVariant actual = dm().sql().scalar(
        S("select pref_actual from prefijos where tido_cod = 53 and pref_pre = ") +
        sql::quoted(CAplicacion->fieldByName(S("PREF_PRE")).asString()));
    if (!idapl.isValid())
        return false;
    CAplicacion->edit();
    CAplicacion->fieldByName(S("APPR_ID")).setValue(idapl);
    if (actual.isValid())
        CAplicacion->fieldByName(S("APPR_NUMERO")).setValue(actual);
    CAplicacion->fieldByName(S("APPR_FECHA")).setValue(f("FECHA").value());
    CAplicacion->fieldByName(S("TERC_NIT")).setValue(campo(S("TERC_NIT")).value());
    CAplicacion->post();
    if (CAplicacionDet->locate(S("APPD_ITEM"), {1})) {
        CAplicacionDet->edit();
        CAplicacionDet->fieldByName(S("APPD_IDDOC")).setValue(id);
        CAplicacionDet->fieldByName(S("APPD_PREFIJO")).setValue(campo(S("PREF_PRE")).value());
        CAplicacionDet->fieldByName(S("APPD_NUMERO")).setValue(f("NUMERO").value());
        CAplicacionDet->post();
    }
    return true;
}

void Cargo::deshaga_detalle() {
    if (CAplicacion->isEmpty())
        return;
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

// ---------------------------------------------------------------- opened from another window

void Cargo::reciba(const Recibidos& v) {
    if (!v.nit.isEmpty())
        cambie_nit(v.nit);
    edite();
    if (!v.negocio.isEmpty())
        f("NEGOCIO").setValue(v.negocio);
    if (v.factura != 0)
        f("FACID").setValue(v.factura);
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
    dm().dialogs().error(
        S("El documento seleccionado no es de naturaleza débito y por tanto no se puede aplicar a "
          "un cargo."));
}

// ---------------------------------------------------------------- project, centre, sub-centre

bool Cargo::valide_codigo(const QString& mensaje, const QString& sql, QString& nombre,
                          const char* sufijo) {
    Field& fld = f(sufijo);
    nombre.clear();
    if (fld.asString().isEmpty())
        return true;
    // A code no table can hold is simply not there.
    const QVariant v = sql::admisible(fld.asString(), 4) ? dm().sql().scalar(sql) : QVariant();
    if (v.isValid() && !v.isNull()) {
        nombre = v.toString();
        return true;
    }
    dm().dialogs().error(mensaje);
    fld.clear();
    return false;
}

void Cargo::cambie_proyecto(const QString& proyecto) {
    edite();
    f("PROY").setValue(proyecto);
    if (!valide_codigo(
            S("El proyecto no existe."),
            S("select proy_nom from proyectos where proy_cod = ") + sql::quoted(proyecto),
            nom_proy_, "PROY") ||
        proyecto.isEmpty())
        return;
    const QVariant centro = dm().sql().scalar(
        S("SELECT MIN(CENT_COD) FROM centros WHERE PROY_COD = ") + sql::quoted(proyecto));
    cambie_centro(centro.isNull() ? QString() : centro.toString());
}

void Cargo::cambie_centro(const QString& centro) {
    edite();
    f("CENTRO").setValue(centro);
    valide_codigo(S("El centro de costo no existe."),
                  S("select cent_nom from centros where cent_cod = ") + sql::quoted(centro) +
                      S(" and proy_cod = ") + sql::quoted(f("PROY").asString()),
                  nom_centro_, "CENTRO");
}

void Cargo::cambie_subcentro(const QString& subcentro) {
    edite();
    f("SUBC").setValue(subcentro);
    valide_codigo(S("El subcentro no existe."),
                  S("select subc_nom from subcentros where cent_cod = ") +
                      sql::quoted(f("CENTRO").asString()) + S(" and proy_cod = ") +
                      sql::quoted(f("PROY").asString()) + S(" and subc_cod = ") +
                      sql::quoted(subcentro),
                  nom_subc_, "SUBC");
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
    Field& numapl = f("NUMAPL");
    Field& tipoapl = f("TIPOAPL");
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
    if (c("MONTO").isZero() || c("IVAMONTO").isZero()) {
        dm().dialogs().error(S("Ingrese antes el monto e IVA de la nota."));
        return vacie();
    }
    const Destino& destino = kAplicables[static_cast<int>(cual)];
    const QString numero = referencia.right(6);
    const QString prefijo = referencia.left(std::max<qsizetype>(0, referencia.size() - 6));
    RegistroCxp reg(dm());
    const qint64 id = reg.id_doc(destino.tipo, prefijo, numero, campo(S("TERC_NIT")).asString(),
                                 f("FECHA").asDate());
    if (id == 0) {
        dm().dialogs().error(S("No existe el documento a pagar"));
        return vacie();
    }
    const Currency net = neto();
    const Currency rtfte = c("RTFTEMONTO"), rtiva = c("RTIVAMONTO"), rtica = c("RTICAMONTO"),
                   rcree = c("RTCREEM");
    if (net > reg.saldo_doc.abs() || rtfte > reg.rtfte_doc.abs() || rtiva > reg.rtiva_doc.abs() ||
        rtica > reg.rtica_doc.abs() || rcree > reg.rcree_doc.abs()) {
        dm().dialogs().error(
            S("El saldo o las retenciones del documento son insuficientes. Haga el cruce por la "
              "opción de aplicaciones."));
        return vacie();
    }
    ClientDataset& pref = *CPrefApl;
    if (pref.isEmpty()) {
        dm().dialogs().error(S("Debe crear antes el prefijo de aplicaciones."));
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
    a("APPR_FECHA").setValue(f("FECHA").value());
    a("TERC_NIT").setValue(campo(S("TERC_NIT")).value());
    a("APPR_CONC").setValue(S("APLICACION CARGO A ") + S(destino.nombre) + S(" No.") + referencia);
    a("APPR_ANULADO").setValue(S("N"));
    a("APPR_TRANSMIT").setValue(S("N"));
    a("APPR_USUARIO").setValue(dm().ctx.usuario);
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
    linea(1, 51, 0, campo(S("PREF_PRE")).value(), f("NUMERO").value(), net, rtfte, rtiva, rtica,
          rcree);
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
    CCentros->fieldByName(S("PROY_COD")).setValue(f("PROY").value());
    CCentros->fieldByName(S("CENT_COD")).setValue(f("CENTRO").value());
    CCentros->fieldByName(S("SUBC_COD")).setValue(f("SUBC").value());
    CCentros->fieldByName(S("CEDO_MONTO")).setCurrency(c("MONTO"));
    edite();
}

bool Cargo::confirme_centros() {
    if (CCentros->state() != ClientDataset::State::Browse && !CCentros->post())
        return false;
    if (CCentros->isEmpty()) {
        dm().dialogs().error(S("Debe indicar los centros de costo y los montos."));
        return false;
    }
    Currency suma;
    for (bool ok = CCentros->first(); ok && !CCentros->eof(); ok = CCentros->next())
        suma += CCentros->fieldByName(S("CEDO_MONTO")).asCurrency();
    if (suma != c("MONTO")) {
        dm().dialogs().error(
            S("La suma de los montos por centro debe ser igual al monto del cargo."));
        return false;
    }
    centros_confirmados_ = true;
    centros_abiertos_ = false;
    return grabe();
}

}  // namespace ledgrix
