#include "tools/admin/historia/entrada.h"

namespace ledgrix::historia {

void Entrada::vayaA(const QDate& dia, int orden) {
    reloj.set(QDateTime(dia, QTime(8, 0).addSecs(qint64(orden % 40) * 13 * 60)));
}

bool Entrada::falle(const QString& texto) {
    error =
        mensajes.primerError.isEmpty() ? texto : texto + QLatin1Char(' ') + mensajes.primerError;
    return false;
}

}  // namespace ledgrix::historia
