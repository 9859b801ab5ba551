#include "tools/tareas/progreso_consola.h"

#include <algorithm>

namespace ledgrix::tareas {

void ProgresoConsola::avance(int porcentaje, const QString& texto) {
    const int p = std::clamp(porcentaje, 0, 100);
    if (p == ultimo_ && texto == ultimo_texto_)
        return;
    ultimo_ = p;
    ultimo_texto_ = texto;
    errores_ << QStringLiteral("[%1%] ").arg(p, 3) << texto << Qt::endl;
}

}  // namespace ledgrix::tareas
