#include "reports/analisis/tramos.h"

namespace ledgrix {

std::optional<QStringList> encabezados_tramos(const QString& ancho, bool por_vencer) {
    bool ok = false;
    const int d = ancho.trimmed().toInt(&ok);
    if (!ok || d <= 0 || d > 3650)
        return std::nullopt;
    return QStringList{por_vencer ? QStringLiteral("Vencido") : QStringLiteral("Corriente"),
                       QStringLiteral("0 - %1 dias").arg(d),
                       QStringLiteral("%1-%2 dias").arg(d + 1).arg(2 * d),
                       QStringLiteral("%1-%2 dias").arg(2 * d + 1).arg(3 * d),
                       QStringLiteral("%1 y más dias").arg(3 * d + 1)};
}

}  // namespace ledgrix
