#include "app/login/ingreso.h"

#include "core/config/revision.h"
#include "core/login/clave.h"
#include "core/login/password_hash.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/services/installation.h"
#include "core/services/paths.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"
#include "core/validaciones/auditoria.h"
#include "core/validaciones/usuario.h"

namespace ledgrix {

bool Ingreso::rechace() {
    dm_.dialogs().error(
        QStringLiteral("Acceso no permitido. Ingrese al módulo principal o especifique un nombre "
                       "de usuario válido."));
    return false;
}

// A server checks the password itself. The embedded engine does not, so the
// salted hash kept in the general database decides, before anything is written.
bool Ingreso::clave_valida(const QString& ubicacion, const QString& usuario, const QString& clave) {
    if (!dm_.conecte_general(paths::generalDatabase(ubicacion), usuario, clave))
        return false;
    auto fila = dm_.sqlGeneral().select(
        QStringLiteral("select USUA_SAL, USUA_CLAVE from USUARIO where USUA_COD = ") +
        sql::quoted(usuario));
    const bool valida =
        fila && fila->next() &&
        passwordMatches(fila->value(0).toString(), fila->value(1).toString(), clave);
    if (!valida) {
        dm_.desconecte();
        dm_.dialogs().error(QStringLiteral("El nombre de Usuario o la clave son incorrectas."));
    }
    return valida;
}

void Ingreso::color_ventana(const QString& valor, int& matiz, int& saturacion) {
    bool ok = false;
    const int n = valor.trimmed().toInt(&ok);
    if (!ok || n < 0)
        return;  // keeps the module's own colouring
    matiz = n / 100;
    saturacion = n % 100;
}

// The company row of the general database: printed headers use it all day.
void Ingreso::cargue_compania(const QString& compania) {
    RegistroCompania& c = dm_.ctx.compania;
    c.codigo = compania;
    auto fila = dm_.sqlGeneral().select(
        QStringLiteral(
            "select COM_NOMBRE, COMP_NIT, COMP_DIR, COMP_TELS, COMP_ENCABEZADO, COMP_LOGO "
            "from COMPANIA where COMP_COD = ") +
        sql::quoted(compania));
    if (!fila || !fila->next())
        return;
    c.nombre = fila->value(0).toString();
    c.nit = fila->value(1).toString();
    c.direccion = fila->value(2).toString();
    c.telefonos = fila->value(3).toString();
    c.encabezado = fila->value(4).toString();
    c.logo = fila->value(5).toByteArray();
}

void Ingreso::revise_pendientes() {
    const QString g = QStringLiteral("GENERAL");
    // Without a configured currency there is no rate to ask for; the user was told why.
    const std::optional<int> moneda =
        dm_.configuracion_si(
            g, g, QStringLiteral("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"))
            ? dm_.entero_configurado(
                  g, g, QStringLiteral("MONEDA PREDETERMINADA EN OPERACIONES CON EL EXTERIOR"))
            : std::nullopt;
    if (moneda) {
        pendientes_.moneda = *moneda;
        pendientes_.pedir_tasa =
            dm_.sql()
                .scalar(
                    QStringLiteral("select count(*) from TASA_CAMBIO_MONEDA where TIMO_COD = ") +
                    sql::number(pendientes_.moneda) + QStringLiteral(" and TACA_FECHA = ") +
                    sql::date(dm_.clock().today()))
                .toInt() == 0;
    }
    if (dm_.configuracion_si(
            QStringLiteral("CXPAGAR"), g,
            QStringLiteral("MOSTRAR EL MOVIMIENTO DE LAS CXP AL ENTRAR AL MODULO"))) {
        pendientes_.abrir_movimiento = valide_acceso(dm_, QStringLiteral("C. X PAGAR"), 110);
        if (!pendientes_.abrir_movimiento)
            dm_.dialogs().error(kAccesoNoPermitido);
    }
}

bool Ingreso::ingrese(const QStringList& args) {
    if (args.size() < 4 || args[0] != QStringLiteral("ENTRADA") || args[3].isEmpty())
        return rechace();
    const QString usuario = args[1];
    const QString compania = args[2];
    const QString clave = desembrolle_clave(args[3]);
    const QString dir = instalacion::Diraplicacion(dm_.dialogs());
    dm_.setDirectorio(dir);
    const QString ubicacion = instalacion::ubicaciondb(args.value(4), dir, dm_.dialogs());

    if (!paths::isServerLocation(ubicacion) && !clave_valida(ubicacion, usuario, clave))
        return false;
    // The translated connection error is all the user needs to read.
    if (!dm_.conecte_compania(paths::companyDatabase(ubicacion, compania), usuario, clave)) {
        dm_.desconecte();
        return false;
    }
    dm_.cargue_configuracion();
    grabe_auditoria(dm_, true);
    if (!entre(usuario, compania, ubicacion, clave)) {
        // Whatever refused the user after the entry row, the exit row and the
        // presence mark must not say he is still working.
        salga();
        dm_.desconecte();
        return false;
    }
    return true;
}

bool Ingreso::entre(const QString& usuario, const QString& compania, const QString& ubicacion,
                    const QString& clave) {
    const QVariant revi = dm_.sql().scalar(QStringLiteral("select revi_fecha from revision"));
    revision_ =
        QStringLiteral("Rev: ") + revision_programa() + QStringLiteral(" BD: ") +
        (revi.typeId() == QMetaType::QDate ? sql::dateText(revi.toDate()) : revi.toString());

    if (!dm_.conecte_general(paths::generalDatabase(ubicacion), usuario, clave))
        return false;
    dm_.sqlGeneral().execute(QStringLiteral("UPDATE USUARIO SET FECCON = ") +
                             sql::date(dm_.clock().today()) + QStringLiteral(" WHERE USUA_COD = ") +
                             sql::quoted(usuario));
    dm_.ctx.es_administrador =
        dm_.sqlGeneral()
            .scalar(QStringLiteral("select usua_admin from usuario where usua_cod = ") +
                    sql::quoted(usuario))
            .toString() == QStringLiteral("S");
    dm_.ctx.nombre_usuario = valide_usuario(dm_, usuario);

    cargue_compania(compania);
    dm_.ctx.color_ventana = dm_.configuracion(QStringLiteral("CXPAGAR"), QStringLiteral("GENERAL"),
                                              QStringLiteral("COLOR VENTANA PRINCIPAL"));
    color_ventana(dm_.ctx.color_ventana, matiz_, saturacion_);

    auto fila = dm_.sql().select(QStringLiteral("select * from usuario where user_cod = ") +
                                 sql::quoted(usuario));
    if (!fila || !fila->next()) {
        dm_.dialogs().error(QStringLiteral("Nombre de usuario incorrecto"));
        return rechace();
    }
    dm_.ctx.usuario = fila->value(QStringLiteral("USER_COD")).toString().trimmed();
    dm_.ctx.agencia = fila->value(QStringLiteral("SUCU_ID")).toInt();
    compania_ = dm_.configuracion(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                  QStringLiteral("NOMBRE COMPANIA"));
    if (dm_.ctx.agencia != 0) {
        agencia_ =
            dm_.sql()
                .scalar(QStringLiteral("select SUCU_NOMBRE from SUCURSALES where SUCU_ID = ") +
                        sql::number(dm_.ctx.agencia))
                .toString();
    }
    // Unconfigured: reported, and the grids keep their own delay.
    dm_.ctx.duracion_busquedas =
        dm_.entero_configurado(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                               QStringLiteral("DURACION DE LAS BUSQUEDAS"))
            .value_or(0) *
        1000;
    revise_pendientes();
    return true;
}

}  // namespace ledgrix

namespace ledgrix {

void Ingreso::salga() {
    if (!dm_.ledgrix().isOpen())
        return;
    grabe_auditoria(dm_, false);
    if (!dm_.general().isOpen())
        return;
    const QString usuario = sql::quoted(dm_.general().userName());
    const int sesiones =
        dm_.sqlGeneral()
            .scalar(QStringLiteral("SELECT COUNT(USUA_COD) FROM USUARIO WHERE FECCON = ") +
                    sql::date(dm_.clock().today()) + QStringLiteral(" AND USUA_COD = ") + usuario)
            .toInt();
    if (sesiones == 1)
        dm_.sqlGeneral().execute(
            QStringLiteral("UPDATE USUARIO SET FECCON = NULL WHERE USUA_COD = ") + usuario);
}

}  // namespace ledgrix
