#include "parties/acreedores/ficha_proveedor.h"

#include <QRegularExpression>

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "parties/acreedores/acceso_proveedores.h"
#include "parties/acreedores/nombre_tercero.h"
#include "parties/digito_verificacion.h"
#include "parties/tfdmter.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const QString kNit = QStringLiteral("TERC_NIT");
const QString kNombre = QStringLiteral("TERC_NOM");
const QString kTipo = QStringLiteral("TERC_TIPOID");
const QString kJuridica = QStringLiteral("J");
const char* const kPartes[] = {"TERC_APELLIDO1", "TERC_APELLIDO2", "TERC_NOMBRE1", "TERC_NOMBRE2"};

bool del_proveedor(const QString& columna) {
    return columna.startsWith(QStringLiteral("PROV_")) || columna == QStringLiteral("GRPR_COD");
}

}  // namespace

FichaProveedor::FichaProveedor(Tfdm& dm, Modo modo, const QString& nit, CuentasTerceros cuentas,
                               QObject* parent)
    : QObject(parent), dm_(dm), modo_(modo), cuentas_(std::move(cuentas)) {
    const QString modulo = S("CONTABILIDAD"), categoria = S("TERCEROS");
    letras_en_nit_ = dm.configuracion_si(modulo, categoria,
                                         S("PERMITIR LETRAS Y CARACTERES ADICIONALES EN NIT"));
    dv_editable_ = dm.configuracion_si(modulo, categoria,
                                       S("PERMITIR MODIFICAR DIGITO DE VERIFICACION DEL NIT"));
    contacto_obligatorio_ = dm.configuracion_si(
        modulo, categoria, S("DATOS DE DIRECCION, CIUDAD, PAIS, TELEFONO Y MAIL OBLIGATORIOS"));

    const QString clave = modo == Modo::Nuevo ? QString() : nit.trimmed();
    CTercero = abra(S("Terceros"), S("terceros"), clave);
    CProveedor = abra(S("Proveedores"), S("proveedores"), clave);
    dm.ConfigurarProviders(this);

    CTercero->onNewRecord = [this](ClientDataset& ds) {
        for (const char* n : {"TERC_CLIE", "TERC_EMPL", "TERC_CONDUCTOR"})
            ds.fieldByName(S(n)).setValue(S("N"));
        for (const char* s : {"TERC_PROV", "TERC_ESTADO"})
            ds.fieldByName(S(s)).setValue(S("S"));
        ds.fieldByName(kTipo).setValue(kJuridica);
        const QString ciudad =
            dm_.configuracion(S("CONTABILIDAD"), S("TERCEROS"), S("CODIGO DE CIUDAD A SUGERIR"))
                .trimmed();
        if (!ciudad.isEmpty())
            cambie_ciudad(ciudad);
    };
    CProveedor->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(S("GRPR_COD")).setValue(grupo_inicial());
        for (const char* n :
             {"PROV_SIMPLIFICADO", "PROV_EXENTO", "PROV_FOMENTO", "PROV_IMPINC", "PROV_CONTADO"})
            ds.fieldByName(S(n)).setValue(S("N"));
        ds.fieldByName(S("PROV_RESIDENTE")).setValue(S("S"));
        for (const char* n :
             {"PROV_RETEFTE", "PROV_RTFTEBASE", "PROV_RTEIVA", "PROV_RTEICA", "PROV_RTICABASE",
              "PROV_RTCREE", "PROV_DTO", "PROV_CUPO", "PROV_ACTIVO", "PROV_PASIVO",
              "PROV_PATRIMONIO", "PROV_INGRESOS", "PROV_EGRESOS"})
            ds.fieldByName(S(n)).setCurrency(Currency());
        for (const char* n : {"PROV_DIASPAGO", "PROV_DIASE"})
            ds.fieldByName(S(n)).setValue(0);
    };

    if (modo == Modo::Nuevo) {
        if (!permita_nuevo_proveedor(dm)) {
            abierta_ = false;
            return;
        }
        empiece();
        return;
    }
    if (!CTercero->open() || !CProveedor->open()) {
        abierta_ = false;
        return;
    }
    if (CTercero->isEmpty()) {
        dm.dialogs().error(S("Error. No se encontró el tercero."));
        abierta_ = false;
        return;
    }
    CTercero->edit();
    // A third party marked as supplier by another module may lack its row.
    if (CProveedor->isEmpty()) {
        CProveedor->append();
        CProveedor->fieldByName(kNit).setValue(clave);
    } else {
        CProveedor->edit();
    }
    lea_registro(clave);
}

ClientDataset* FichaProveedor::abra(const QString& nombre, const QString& tabla,
                                    const QString& nit) {
    return conjunto(this, dm_.Ledgrix(), nombre,
                    S("select * from ") + tabla + S(" where terc_nit = ") + sql::quoted(nit));
}

void FichaProveedor::empiece() {
    for (ClientDataset* ds : {CTercero, CProveedor}) {
        ds->close();
        if (ds->open())
            ds->append();
    }
    registro_.clear();
    emit reiniciado();
}

void FichaProveedor::lea_registro(const QString& nit) {
    const QVariant r = dm_.sql().scalar(
        S("select first 1 audi_fecha || '-' || substring(audi_hora from 1 for 8) || '-' || "
          "audi_usuario AUDIT from auditoria where tido_cod = 104 and ((audi_oper = 'I') or "
          "(audi_oper = 'U')) and audi_cod = ") +
        sql::quoted(nit) + S(" order by audi_fecha desc, audi_hora desc"));
    registro_ = S("Registro: ") + r.toString();
}

Field& FichaProveedor::campo(const QString& columna) const {
    return (del_proveedor(columna) ? CProveedor : CTercero)->fieldByName(columna);
}

QString FichaProveedor::texto(const QString& columna) const {
    const Field& f = campo(columna);
    return f.isNull() ? QString() : f.asString().trimmed();
}

bool FichaProveedor::en_edicion(ClientDataset& ds) {
    if (!ds.active())
        return false;
    if (ds.state() == ClientDataset::State::Edit || ds.state() == ClientDataset::State::Insert)
        return true;
    return !ds.isEmpty() && ds.edit();
}

bool FichaProveedor::asigne(const QString& columna, const QVariant& valor) {
    Field& f = campo(columna);
    return en_edicion(f.dataset()) && f.setValue(valor);
}

bool FichaProveedor::asigne_monto(const QString& columna, Currency valor) {
    Field& f = campo(columna);
    return en_edicion(f.dataset()) && f.setCurrency(valor);
}

bool FichaProveedor::asigne_fecha(const QString& columna, const QString& texto) {
    if (texto.trimmed().isEmpty())
        return asigne(columna, QVariant());
    const QDate fecha = sql::parseDate(texto.trimmed());
    if (!fecha.isValid()) {
        dm_.dialogs().error(S("La fecha debe escribirse como año/mes/día (") +
                            Tfdm::formato_fecha() + S(")."));
        return false;
    }
    return asigne(columna, fecha);
}

FichaProveedor::Nit FichaProveedor::cambie_nit(const QString& texto) {
    const QString nit = texto.trimmed();
    if (modo_ != Modo::Nuevo || nit == FichaProveedor::texto(kNit))
        return Nit::Rechazado;
    if (nit.isEmpty()) {
        asigne(kNit, QVariant());
        return Nit::Aceptado;
    }
    static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,15}$"));
    if (!letras_en_nit_ && !digitos.match(nit).hasMatch()) {
        dm_.dialogs().error(S("El NIT solo admite dígitos, hasta 15."));
        return Nit::Rechazado;
    }
    if (!sql::admisible(nit, 20)) {
        dm_.dialogs().error(S("El NIT tiene caracteres que no se pueden guardar o es muy largo."));
        return Nit::Rechazado;
    }
    Tfdmter ter(dm_);
    // An inactive supplier is still one: its row exists and cannot be added again.
    if (ter.valide_proveedor(nit) == S("S") || !ter.nombre_proveedor(nit).isEmpty()) {
        dm_.dialogs().information(
            S("Proveedor previamente registrado, use la opción modificar "
              "para consultar o modificar los datos."));
        return Nit::Rechazado;
    }
    if (ter.existe_nit(nit)) {
        if (!dm_.dialogs().question(S("NIT ya registrado, marcar como proveedor?")))
            return Nit::Rechazado;
        return marque_como_proveedor(nit) ? Nit::Marcado : Nit::Rechazado;
    }
    asigne(kNit, nit);
    asigne(S("PROV_COD"), nit.left(15));
    if (!letras_en_nit_)
        asigne(S("TERC_DV"), QString::number(dv(nit).value_or(0)));
    return Nit::Aceptado;
}

// Both statements or neither; the error is the translated one the runner showed.
bool FichaProveedor::marque_como_proveedor(const QString& nit) {
    Transaccion unidad(dm_.Ledgrix());
    const bool ok =
        unidad.activa() &&
        dm_.sql().execute(S("update terceros set terc_prov = 'S' where terc_nit = ") +
                          sql::quoted(nit)) &&
        dm_.sql().execute(
            S("insert into proveedores (terc_nit, grpr_cod, prov_simplificado) values (") +
            sql::quoted(nit) + S(",") + sql::quoted(texto(S("GRPR_COD"))) + S(", 'N')")) &&
        unidad.confirme();
    return ok;
}

bool FichaProveedor::cambie_dv(const QString& texto) {
    if (!dv_editable_)
        return false;
    const QString digito = texto.trimmed();
    if (!letras_en_nit_ && !digito.isEmpty()) {
        const auto esperado = dv(FichaProveedor::texto(kNit));
        if (!esperado || digito != QString::number(*esperado)) {
            dm_.dialogs().error(S("El dígito de verificación no corresponde al NIT."));
            return false;
        }
    }
    return asigne(S("TERC_DV"), digito);
}

bool FichaProveedor::es_juridica() const {
    return texto(kTipo) == kJuridica;
}

void FichaProveedor::cambie_tipo(const QString& tipo) {
    if (!asigne(kTipo, tipo.trimmed()))
        return;
    if (es_juridica())
        for (const char* parte : kPartes)
            asigne(S(parte), QVariant());
}

void FichaProveedor::cambie_nombre(const QString& nombre) {
    if (!asigne(kNombre, nombre) || nombre.trimmed().isEmpty())
        return;
    auto q = dm_.sql().select(S("SELECT TERC_NIT FROM TERCEROS WHERE TERC_NOM = ") +
                              sql::quoted(nombre));
    // The record's own row is not another third party of that name.
    while (q && q->next()) {
        const QString otro = q->value(0).toString().trimmed();
        if (otro != texto(kNit)) {
            dm_.dialogs().warning(S("Ya existe un tercero con el nombre ") + nombre +
                                  S(" e identificación ") + otro);
            return;
        }
    }
}

bool FichaProveedor::cambie_ciudad(const QString& codigo) {
    const QString c = codigo.trimmed();
    if (c.isEmpty())
        return asigne(S("CIUD_COD"), QVariant()) && asigne(S("TERC_CIU"), QVariant());
    const QVariant nombre =
        sql::admisible(c, 5)
            ? dm_.sql().scalar(S("select ciud_nom from ciudades where ciud_cod = ") +
                               sql::quoted(c))
            : QVariant();
    if (!nombre.isValid()) {
        dm_.dialogs().error(S("La ciudad ") + c + S(" no existe."));
        return false;
    }
    return asigne(S("CIUD_COD"), c) && asigne(S("TERC_CIU"), nombre.toString());
}

const QStringList& FichaProveedor::columnas_cuenta() {
    static const QStringList columnas{
        S("PROV_CTAPAGAR"),    S("PROV_CTACAUSA"),     S("PROV_CTARTFTE"),
        S("PROV_CTARTIVA"),    S("PROV_CTARTICA"),     S("PROV_CTARTCREE"),
        S("PROV_CTAPAGNIIF"),  S("PROV_CTACAUSANIIF"), S("PROV_CTARFTENIIF"),
        S("PROV_CTARIVANIIF"), S("PROV_CTARICANIIF"),  S("PROV_CTARCREENIIF")};
    return columnas;
}

const QStringList& FichaProveedor::columnas_cuenta_tercero() {
    static const QStringList columnas{
        S("TERC_CTAPROV"),     S("TERC_CTARTFTE"),    S("TERC_CTARTIVA"),
        S("TERC_CTARTICA"),    S("TERC_CTARCREE"),    S("TERC_CTAPROVNIIF"),
        S("TERC_CTARFTENIIF"), S("TERC_CTARIVANIIF"), S("TERC_CTARICANIIF"),
        S("TERC_CTARCREENIIF")};
    return columnas;
}

bool FichaProveedor::cambie_cuenta(const QString& columna, const QString& texto) {
    const bool niif = es_cuenta_niif(columna);
    if (texto.startsWith(u'?')) {
        const QString elegida = cuentas_.busque ? cuentas_.busque(texto.mid(1), niif) : QString();
        return !elegida.isEmpty() && asigne(columna, elegida);
    }
    const QString cuenta = texto.trimmed();
    if (!cuenta.isEmpty() && !(cuentas_.valide && cuentas_.valide(cuenta, niif)))
        return false;
    return asigne(columna, cuenta.isEmpty() ? QVariant() : QVariant(cuenta));
}

bool FichaProveedor::permita_financiero() {
    return permita_nuevo_proveedor(dm_);
}

QList<FichaProveedor::Opcion> FichaProveedor::opciones(const QString& sql) const {
    QList<Opcion> lista;
    if (auto q = dm_.sql().select(sql))
        while (q->next())
            lista << Opcion{q->value(0).toString().trimmed(), q->value(1).toString().trimmed()};
    return lista;
}

QList<FichaProveedor::Opcion> FichaProveedor::tipos_id() const {
    return opciones(S("select tiid_cod, tiid_nom from tipo_id order by tiid_nom"));
}
QList<FichaProveedor::Opcion> FichaProveedor::ciudades() const {
    return opciones(
        S("select ciud_cod, ciud_nom from ciudades where ciud_activa = 'S' "
          "order by ciud_nom"));
}
QList<FichaProveedor::Opcion> FichaProveedor::paises() const {
    return opciones(S("select pais_id, pais_nom from paises order by pais_nom"));
}
QList<FichaProveedor::Opcion> FichaProveedor::grupos() const {
    return opciones(S("select grpr_cod, grpr_nom from grupos_proveedores order by grpr_cod"));
}
QList<FichaProveedor::Opcion> FichaProveedor::bancos() const {
    return opciones(S("select banc_cod, banc_nombre from bancos order by banc_nombre"));
}

QString FichaProveedor::grupo_inicial() const {
    return dm_.sql()
        .scalar(S("select first 1 grpr_cod from grupos_proveedores order by grpr_cod"))
        .toString();
}

bool FichaProveedor::revise() {
    const auto falta = [this](const char* columna, const char* mensaje) {
        if (!texto(S(columna)).isEmpty())
            return false;
        dm_.dialogs().error(S(mensaje));
        return true;
    };
    if (falta("TERC_NIT", "Falta ingresar el NIT o identificación del tercero.") ||
        falta("TERC_TIPOID", "Falta ingresar el tipo de documento."))
        return false;
    if (!es_juridica()) {
        QStringList partes;
        for (const char* parte : kPartes)
            partes << texto(S(parte));
        asigne(kNombre, componga_nombre(partes[0], partes[1], partes[2], partes[3]));
    }
    if (falta("TERC_NOM", "Falta ingresar el nombre del tercero."))
        return false;
    if (modo_ == Modo::Nuevo && contacto_obligatorio_ &&
        (falta("TERC_DIR", "Falta ingresar la dirección del tercero.") ||
         falta("TERC_TEL", "Falta ingresar el teléfono del tercero.") ||
         falta("TERC_EMAIL", "Falta ingresar el correo electrónico del tercero.") ||
         falta("PAIS_ID", "Falta ingresar el país del tercero.")))
        return false;
    return !falta("GRPR_COD", "Falta ingresar el grupo del acreedor.");
}

bool FichaProveedor::grabe() {
    if (!abierta_ || !en_edicion(*CTercero) || !en_edicion(*CProveedor) || !revise())
        return false;
    const QString usuario = dm_.ctx.usuario.left(10);
    asigne(S("TERC_USUARIO"), usuario);
    asigne(S("PROV_USUARIO"), usuario);
    CProveedor->fieldByName(kNit).setValue(texto(kNit));
    if (!CTercero->post() || !CProveedor->post()) {
        en_edicion(*CTercero);
        en_edicion(*CProveedor);
        return false;
    }
    bool ok = false;
    {
        Transaccion unidad(dm_.Ledgrix());
        // The third party first: the supplier row names it.
        ok = unidad.activa() && CTercero->applyUpdates(0) == 0 &&
             CProveedor->applyUpdates(0) == 0 && unidad.confirme();
    }
    if (!ok) {
        CTercero->edit();
        CProveedor->edit();
        return false;
    }
    if (modo_ == Modo::Nuevo) {
        empiece();
    } else {
        CTercero->edit();
        CProveedor->edit();
        lea_registro(texto(kNit));
    }
    return true;
}

void FichaProveedor::cancele() {
    for (ClientDataset* ds : {CTercero, CProveedor})
        if (ds->active())
            ds->cancelUpdates();
}

}  // namespace ledgrix
