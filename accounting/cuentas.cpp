#include "accounting/cuentas.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

bool Tfdmcnt::valide(const QString& procedimiento, const QString& cuenta, bool niif) {
    const QString libro = niif ? QStringLiteral("cuenta NIIF") : QStringLiteral("cuenta");
    // A code no account can have (too long, characters the books do not
    // use) is answered here: the procedure would fail converting it.
    if (!sql::admisible(cuenta, 20)) {
        dm_.dialogs().error(QStringLiteral("El código de ") + libro +
                            QStringLiteral(" está incompleto o demasiado largo."));
        return false;
    }
    const QVariant codigo =
        dm_.sql().scalar(QStringLiteral("select * from ") + procedimiento + QStringLiteral("(") +
                         sql::quoted(cuenta) + QStringLiteral(")"));
    switch (codigo.isValid() ? codigo.toInt() : -1) {
        case 0:
            return true;
        case 1:
            // Accounts are created in the accounting module, which has no
            // window in this program: offering to create one here would take
            // a code that posting later leaves out.
            dm_.dialogs().error(QStringLiteral("La ") + libro +
                                QStringLiteral(" especificada no existe."));
            return false;
        case 2:
            dm_.dialogs().error(QStringLiteral("El código de ") + libro +
                                QStringLiteral(" está incompleto o demasiado largo."));
            return false;
        case 3:
            dm_.dialogs().error(QStringLiteral("La ") + libro +
                                QStringLiteral(" es de nivel inferior al mínimo afectable."));
            return false;
        case 4:
            dm_.dialogs().error(QStringLiteral("La ") + libro +
                                QStringLiteral(" indicada tiene auxiliares definidos."));
            return false;
        default:
            return false;
    }
}

bool Tfdmcnt::valide_cuenta(const QString& cuenta) {
    return valide(QStringLiteral("valide_cuenta_c"), cuenta, false);
}

bool Tfdmcnt::valide_cuenta_niif(const QString& cuenta) {
    return valide(QStringLiteral("valide_cuenta_niif_c"), cuenta, true);
}

QString Tfdmcnt::nombre(const QString& tabla, const QString& cuenta, bool niif) {
    if (!sql::admisible(cuenta, 20))
        return {};
    auto q = dm_.sql().select(QStringLiteral("select cuen_cod, cuen_nom, cuen_activa from ") +
                              tabla + QStringLiteral(" where cuen_cod = ") + sql::quoted(cuenta));
    if (!q || !q->next())
        return {};
    if (q->value(2).toString() == QStringLiteral("N")) {
        dm_.dialogs().error(
            (niif ? QStringLiteral("La cuenta NIIF ") : QStringLiteral("La cuenta ")) + cuenta +
            QStringLiteral(" está inactiva."));
        return {};
    }
    return q->value(1).toString();
}

QString Tfdmcnt::nom_cuenta(const QString& cuenta) {
    return nombre(QStringLiteral("cuentas"), cuenta, false);
}
QString Tfdmcnt::nom_cuenta_niif(const QString& cuenta) {
    return nombre(QStringLiteral("cuentas_niif"), cuenta, true);
}

bool Tfdmcnt::valide_centro(const QString& proyecto, const QString& centro,
                            const QString& subcentro) {
    const bool legibles =
        sql::admisible(proyecto, 4) && sql::admisible(centro, 4) && sql::admisible(subcentro, 4);
    const QVariant ok =
        !legibles
            ? QVariant()
            : dm_.sql().scalar(QStringLiteral("select * from existe_centro(") +
                               sql::quoted(proyecto) + QStringLiteral(",") + sql::quoted(centro) +
                               QStringLiteral(",") + sql::quoted(subcentro) + QStringLiteral(")"));
    if (ok.toString() == QStringLiteral("S"))
        return true;
    dm_.dialogs().error(QStringLiteral("Proyecto-Centro-subcentro Inactivo o no encontrado."));
    return false;
}

}  // namespace ledgrix
