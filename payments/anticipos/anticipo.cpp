#include "payments/anticipos/anticipo.h"

#include <QSqlQuery>

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
#include "payments/anticipos/conjunto.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const Currency k100 = Currency::fromInt(100);

// Percentage and amount columns in the order of Anticipo::Porcentaje.
const char* const kPorc[] = {"ANPR_IVAPORC", "ANPR_RTFTEPORC", "ANPR_RTIVAPORC", "ANPR_RTICAPORC",
                             "ANPR_DTOFPORC"};
const char* const kMonto[] = {"ANPR_IVAMONTO", "ANPR_RTFTEMONTO", "ANPR_RTIVAMONTO",
                              "ANPR_RTICAMONTO", "ANPR_DTOFMONTO"};

}  // namespace

Anticipo::Anticipo(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    using anticipos::conjunto;
    CAnticipos = conjunto(this, dm, S("Anticipos"),
                          S("SELECT * FROM ANTICIPOS_PROVEEDOR WHERE ANPR_ID = 0"));
    CPrefijos = conjunto(this, dm, S("Prefijos"), {});
    CMonedas = conjunto(this, dm, S("Monedas"),
                        S("select TIMO_COD, TIMO_NOMBRE from TIPOS_MONEDA order by TIMO_COD"));
    dm.ConfigurarProviders(this);

    CAnticipos->onNewRecord = [this](ClientDataset& ds) {
        const QDate fecha = entregado.fecha.isValid() ? entregado.fecha : dm_.clock().today();
        ds.fieldByName(S("ANPR_ID")).setValue(0);
        ds.fieldByName(S("TIDO_COD")).setValue(55);
        ds.fieldByName(S("ANPR_FECHA")).setValue(fecha);
        ds.fieldByName(S("ANPR_DTOFECHA")).setValue(fecha);
        for (Field* f : ds.fields())
            if (f->type() == Field::Type::Currency)
                f->setCurrency(Currency());
        for (const char* f : {"ANPR_ANULADO", "ANPR_TRANSMIT", "NUMOK"})
            ds.fieldByName(S(f)).setValue(S("N"));
        ds.fieldByName(S("EGRE_ID")).setValue(0);
        ds.fieldByName(S("ANPR_USUARIO")).setValue(dm_.ctx.usuario);
        ds.fieldByName(S("ANPR_MONEDA")).setValue(pide_moneda_ ? moneda_defecto_ : 1);
        ds.fieldByName(S("ANPR_TRM")).setCurrency(Currency::fromInt(1));
    };
}

Anticipo::~Anticipo() = default;

Field& Anticipo::campo(const QString& nombre) const {
    return CAnticipos->fieldByName(nombre);
}
Currency Anticipo::c(const char* f) const {
    return CAnticipos->fieldByName(S(f)).asCurrency();
}
void Anticipo::ponga(const char* f, Currency v) {
    CAnticipos->fieldByName(S(f)).setCurrency(v);
}

bool Anticipo::edite() {
    if (CAnticipos->state() == ClientDataset::State::Insert ||
        CAnticipos->state() == ClientDataset::State::Edit)
        return true;
    return CAnticipos->edit();
}

Currency Anticipo::totalconiva() const {
    return c("ANPR_BASE") + c("ANPR_IVAMONTO");
}
Currency Anticipo::total() const {
    return totalconiva() - c("ANPR_RTFTEMONTO") - c("ANPR_RTIVAMONTO") - c("ANPR_RTICAMONTO");
}

// ---------------------------------------------------------------- opening

bool Anticipo::abra() {
    Transaccion lectura(dm_.Ledgrix());
    const auto redondeo = dm_.entero_configurado(S("CXPAGAR"), S("DOCUMENTOS"),
                                                 S("REDONDEO AL MULTIPLO DE DIEZ EN TOTALES"));
    if (!redondeo)
        return false;
    n_ = *redondeo;
    fecha_fija_ =
        dm_.configuracion_si(S("CXPAGAR"), S("DOCUMENTOS"), S("INHABILITAR FECHA EN DOCUMENTOS"));
    pide_moneda_ =
        dm_.configuracion_si(S("GENERAL"), S("GENERAL"),
                             S("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"));
    if (pide_moneda_) {
        const auto moneda = dm_.entero_configurado(
            S("GENERAL"), S("GENERAL"), S("MONEDA PREDETERMINADA EN OPERACIONES CON EL EXTERIOR"));
        if (!moneda)
            return false;
        moneda_defecto_ = *moneda;
        CMonedas->open();
        CMonedas->fetchAll();
    }
    // Any user may record an advance in any series of the agency.
    if (!abra_prefijos_documento(dm_, *CPrefijos, 55, false))
        return false;
    if (!CAnticipos->open())
        return false;
    lectura.confirme();
    if (!CAnticipos->isEmpty()) {
        if (dm_.dialogs().question(S("Se encontró un pago previo incorrectamente registrado. Desea "
                                     "traerlo a pantalla?"))) {
            CAnticipos->first();
            CAnticipos->edit();
            propuesto_ = campo(S("ANPR_NUMERO")).asString();
            numero_editable_ = !CPrefijos->locate(S("PREF_PRE"), {campo(S("PREF_PRE")).value()}) ||
                               CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
            nombre_ = Tfdmter(dm_).nom_tercero(campo(S("TERC_NIT")).asString());
            return true;
        }
        dm_.sql().execute(S("delete from anticipos_proveedor where anpr_id = 0"));
    }
    nuevo();
    return true;
}

void Anticipo::nuevo() {
    if (CAnticipos->active())
        CAnticipos->cancel();
    CAnticipos->cancelUpdates();
    CAnticipos->close();
    CAnticipos->open();
    CAnticipos->append();
    CPrefijos->first();
    cambie_prefijo(CPrefijos->fieldByName(S("PREF_PRE")).asString());
    nombre_.clear();
    if (!entregado.nit.isEmpty()) {
        campo(S("TERC_NIT")).setValue(entregado.nit);
        nombre_ = Tfdmter(dm_).nom_tercero(entregado.nit);
    }
}

// ---------------------------------------------------------------- header

void Anticipo::cambie_nit(const QString& nit) {
    edite();
    campo(S("TERC_NIT")).setValue(nit);
    nombre_ = Tfdmter(dm_).nom_tercero(nit);
    if (nombre_.isEmpty()) {
        dm_.dialogs().error(S("Tercero inactivo o no encontrado."));
        campo(S("TERC_NIT")).clear();
    }
}

void Anticipo::cambie_prefijo(const QString& prefijo) {
    edite();
    if (!CPrefijos->locate(S("PREF_PRE"), {prefijo}))
        return;
    campo(S("PREF_PRE")).setValue(prefijo);
    propuesto_ = CPrefijos->fieldByName(S("PREF_ACTUAL")).asString();
    campo(S("ANPR_NUMERO")).setValue(propuesto_);
    numero_editable_ = CPrefijos->fieldByName(S("PREF_AUTO")).asString() != S("S");
}

void Anticipo::cambie_numero(const QString& numero) {
    edite();
    Field& f = campo(S("ANPR_NUMERO"));
    const QString completo =
        numero.size() < 6 && !numero.isEmpty() ? complete_numero(numero) : numero;
    f.setValue(completo);
    // The proposed number taken meanwhile by another station moves on by
    // itself; a number the user typed is his to change.
    if (completo != propuesto_ &&
        existe_numero(dm_, 55, campo(S("PREF_PRE")).asString(), completo)) {
        dm_.encontrados.limpie();
        dm_.dialogs().error(S("Anticipo previamente registrado."));
        f.setValue(propuesto_);
        emit enfoque(S("ANPR_NUMERO"));
        return;
    }
    valide_numero(dm_, 55, campo(S("PREF_PRE")).asString(), propuesto_, f);
    dm_.encontrados.limpie();
}

void Anticipo::cambie_fecha(const QDate& fecha) {
    edite();
    Field& f = campo(S("ANPR_FECHA"));
    f.setValue(fecha);
    valide_fecha(dm_, f);
    campo(S("ANPR_DTOFECHA")).setValue(f.value());
}

void Anticipo::cambie_moneda(int moneda) {
    if (!pide_moneda_ || moneda == 0)
        return;
    edite();
    campo(S("ANPR_MONEDA")).setValue(moneda);
    auto q = dm_.sql().select(S("select taca_valor from tasa_cambio_moneda where timo_cod = ") +
                              sql::number(moneda) + S(" and taca_fecha = ") +
                              sql::date(campo(S("ANPR_FECHA")).asDate()));
    ponga("ANPR_TRM", q && q->next() ? decimal(*q, 0) : Currency());
}

// ---------------------------------------------------------------- amounts

Currency Anticipo::por_ciento(Currency monto, const char* porcentaje) const {
    return R(monto * c(porcentaje) / k100, n_);
}

void Anticipo::calcule(Porcentaje p) {
    const int i = static_cast<int>(p);
    // The VAT withholding is a share of the VAT, every other one of the base.
    const Currency sobre = p == Porcentaje::RetIva ? c("ANPR_IVAMONTO") : c("ANPR_BASE");
    ponga(kMonto[i], por_ciento(sobre, kPorc[i]));
    if (p == Porcentaje::Iva)
        calcule(Porcentaje::RetIva);
}

void Anticipo::cambie_base(Currency base) {
    edite();
    ponga("ANPR_BASE", base);
    for (Porcentaje p :
         {Porcentaje::DescuentoPP, Porcentaje::Iva, Porcentaje::Fuente, Porcentaje::Ica})
        calcule(p);
}

void Anticipo::cambie_porcentaje(Porcentaje p, Currency valor) {
    edite();
    ponga(kPorc[static_cast<int>(p)], valor);
    calcule(p);
}

// ---------------------------------------------------------------- save

bool Anticipo::grabe() {
    edite();
    const auto rechace = [this](const char* f, const char* mensaje) {
        dm_.dialogs().error(S(mensaje));
        emit enfoque(S(f));
        return false;
    };
    if (campo(S("TERC_NIT")).asString().trimmed().isEmpty())
        return rechace("TERC_NIT", "No Puede Grabar Si No Existe Un Nit");
    if (!(c("ANPR_BASE") > Currency()))
        return rechace("ANPR_BASE", "Debe Introducir Un Valor Mayor a 0 en el Campo  Monto");
    if (campo(S("ANPR_NUMERO")).asString().isEmpty())
        return rechace("ANPR_NUMERO", "Debe indicar el número del anticipo.");
    return grabe_registro();
}

// Id, number and row in one unit of work: a refusal anywhere leaves nothing
// stored and the record back in edit as typed.
bool Anticipo::grabe_registro() {
    Transaccion unidad(dm_.Ledgrix());
    const QString prefijo = campo(S("PREF_PRE")).asString();
    if (!unidad.bloquee({S("update prefijos set pref_actual = pref_actual where tido_cod = 55 and "
                           "pref_pre = ") +
                         sql::quoted(prefijo)})) {
        dm_.dialogs().error(
            S("Otra estación está grabando documentos de la misma serie. Intente de nuevo."));
        return false;
    }
    Field& numf = campo(S("ANPR_NUMERO"));
    if (numf.asString() == propuesto_) {
        valide_numero(dm_, 55, prefijo, propuesto_, numf);
        dm_.encontrados.limpie();
        propuesto_ = numf.asString();
    }
    Field& idf = campo(S("ANPR_ID"));
    const qint64 id_antes = idf.asInteger();
    qint64 id = id_antes;
    if (id == 0) {
        const QVariant nuevo_id = dm_.sql().scalar(S("select ID from CAMBIE_ID_ANTIPROV"));
        if (!nuevo_id.isValid())
            return false;
        id = nuevo_id.toLongLong();
        idf.setValue(id);
    }
    const auto deshaga = [&] {
        unidad.deshaga();
        edite();
        idf.setValue(id_antes);
        return false;
    };
    if (!CAnticipos->post()) {
        idf.setValue(id_antes);
        return false;
    }
    if (CAnticipos->applyUpdates(0) != 0 || !unidad.confirme())
        return deshaga();
    dm_.documentos_seleccionados = {{55, id, prefijo, numf.asString(), nombre_}};
    return true;
}

}  // namespace ledgrix
