#include "core/validaciones/fecha_documento.h"

#include <QDate>
#include <algorithm>
#include <optional>

#include "core/data/field.h"
#include "core/errors/error_translator.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

std::optional<int> entero(const QString& texto) {
    bool ok = false;
    const int n = texto.toInt(&ok);
    // toInt takes signs and surrounding blanks; a date piece is digits only.
    if (!ok || texto.isEmpty() ||
        !std::all_of(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return n;
}

// The block date is typed by hand in the configuration as yyyymmdd. A value
// that is not that is a configuration mistake the administrator must see,
// so it goes to the error translation (and its log) like any other fault.
std::optional<QDate> fecha_bloqueo(Tfdm& dm, const QString& texto) {
    const QString piezas[] = {texto.left(4), texto.mid(4, 2), texto.right(2)};
    int valores[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto n = entero(piezas[i]);
        if (!n) {
            dm.traductor().ENoManejada(
                nullptr,
                QLatin1Char('\'') + piezas[i] + QStringLiteral("' is not a valid integer value"));
            return std::nullopt;
        }
        valores[i] = *n;
    }
    const QDate d(valores[0], valores[1], valores[2]);
    if (!d.isValid()) {
        dm.traductor().ENoManejada(nullptr, QStringLiteral("Invalid argument to date encode"));
        return std::nullopt;
    }
    return d;
}

}  // namespace

void valide_fecha(Tfdm& dm, Field& fecha) {
    if (fecha.isNull())
        return;
    const QString texto =
        dm.configuracion(QStringLiteral("CONTABILIDAD"), QStringLiteral("GENERAL"),
                         QStringLiteral("FECHA DE BLOQUEO"));
    // No closed period: the future limit is not checked either.
    if (texto.isEmpty())
        return;
    const auto bloqueo = fecha_bloqueo(dm, texto);
    if (!bloqueo)
        return;

    const QDate hoy = dm.clock().today();
    if (fecha.asDate() < *bloqueo) {
        dm.dialogs().error(QStringLiteral("La compañía esta bloqueada a: ") +
                           sql::dateText(*bloqueo));
        // A workstation whose clock is behind the block date must still not
        // land in the closed period.
        fecha.setValue(hoy < *bloqueo ? *bloqueo : hoy);
        return;
    }
    const std::optional<int> dias =
        dm.entero_configurado(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                              QStringLiteral("MAXIMO NUMERO DE DIAS PARA DOCUMENTOS FUTUROS"));
    // Without a limit the date stays as typed; the user was told which setting is wrong.
    if (!dias)
        return;
    if (fecha.asDate() > hoy.addDays(*dias)) {
        dm.dialogs().error(
            QStringLiteral("La fecha del documento es demasiado lejana. Revise la fecha del mismo "
                           "y la fecha del sistema."));
        fecha.setValue(hoy);
    }
}

}  // namespace ledgrix
