#include "app/login/ingreso.h"

#include "core/login/clave.h"
#include "core/login/password_hash.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/services/installation.h"
#include "core/services/paths.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/auditoria.h"
#include "core/validaciones/usuario.h"

namespace ledgrix {

bool Ingreso::rechace() {
    dm_.dialogs().error(QStringLiteral(
        "Acceso no permitido. Ingrese al módulo principal o especifique un nombre de usuario válido."));
    return false;
}

// A server checks the password itself. The embedded engine does not, so the
// salted hash kept in the general database decides, before anything is written.
bool Ingreso::clave_valida(const QString& ubicacion, const QString& usuario, const QString& clave) {
    if (!dm_.conecte_general(paths::generalDatabase(ubicacion), usuario, clave)) return rechace();
    auto fila = dm_.sqlGeneral().select(QStringLiteral("select USUA_SAL, USUA_CLAVE from USUARIO where USUA_COD = ") +
                                        sql::quoted(usuario));
    const bool valida = fila && fila->next() && passwordMatches(fila->value(0).toString(), fila->value(1).toString(), clave);
    if (!valida) {
        dm_.desconecte();
        dm_.dialogs().error(QStringLiteral("El nombre de Usuario o la clave son incorrectas."));
    }
    return valida;
}

bool Ingreso::ingrese(const QStringList& args) {
    if (args.size() < 4 || args[0] != QStringLiteral("ENTRADA") || args[3].isEmpty()) return rechace();
    const QString usuario = args[1];
    const QString compania = args[2];
    const QString clave = desembrolle_clave(args[3]);
    const QString dir = instalacion::Diraplicacion(dm_.dialogs());
    dm_.setDirectorio(dir);
    const QString ubicacion = instalacion::ubicaciondb(args.value(4), dir, dm_.dialogs());

    if (!paths::isServerLocation(ubicacion) && !clave_valida(ubicacion, usuario, clave)) return false;
    if (!dm_.conecte_compania(paths::companyDatabase(ubicacion, compania), usuario, clave)) return rechace();
    dm_.cargue_configuracion();
    grabe_auditoria(dm_, true);
    const QVariant revi = dm_.sql().scalar(QStringLiteral("select revi_fecha from revision"));
    revision_ = QStringLiteral("Rev: 2022/09/21 BD: ") +
                (revi.typeId() == QMetaType::QDate ? sql::dateText(revi.toDate()) : revi.toString());

    if (!dm_.conecte_general(paths::generalDatabase(ubicacion), usuario, clave)) return rechace();
    dm_.sqlGeneral().execute(QStringLiteral("UPDATE USUARIO SET FECCON = ") + sql::date(dm_.clock().today()) +
                             QStringLiteral(" WHERE USUA_COD = ") + sql::quoted(usuario));
    dm_.ctx.es_administrador =
        dm_.sqlGeneral()
            .scalar(QStringLiteral("select usua_admin from usuario where usua_cod = ") + sql::quoted(usuario))
            .toString() == QStringLiteral("S");
    dm_.ctx.nombre_usuario = valide_usuario(dm_, usuario);

    auto fila = dm_.sql().select(QStringLiteral("select * from usuario where user_cod = ") + sql::quoted(usuario));
    if (!fila || !fila->next()) {
        dm_.dialogs().error(QStringLiteral("Nombre de usuario incorrecto"));
        return rechace();
    }
    dm_.ctx.usuario = fila->value(QStringLiteral("USER_COD")).toString().trimmed();
    dm_.ctx.agencia = fila->value(QStringLiteral("SUCU_ID")).toInt();
    dm_.ctx.compania.codigo = compania;
    dm_.ctx.compania.nombre =
        dm_.configuracion(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"), QStringLiteral("NOMBRE COMPANIA"));
    dm_.ctx.duracion_busquedas = dm_.configuracion_entero(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                                          QStringLiteral("DURACION DE LAS BUSQUEDAS")) *
                                 1000;
    return true;
}

}  // namespace ledgrix

namespace ledgrix {

void Ingreso::salga() {
    if (!dm_.ledgrix().isOpen()) return;
    grabe_auditoria(dm_, false);
    if (!dm_.general().isOpen()) return;
    const QString usuario = sql::quoted(dm_.general().userName());
    const int sesiones = dm_.sqlGeneral()
                             .scalar(QStringLiteral("SELECT COUNT(USUA_COD) FROM USUARIO WHERE FECCON = ") +
                                     sql::date(dm_.clock().today()) + QStringLiteral(" AND USUA_COD = ") + usuario)
                             .toInt();
    if (sesiones == 1)
        dm_.sqlGeneral().execute(QStringLiteral("UPDATE USUARIO SET FECCON = NULL WHERE USUA_COD = ") + usuario);
}

}  // namespace ledgrix
