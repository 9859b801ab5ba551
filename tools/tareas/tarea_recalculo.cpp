#include "tools/tareas/trabajo.h"

namespace ledgrix::tareas {

Resultado recalculo(Trabajo&) {
    return Resultado::falla(
        QString::fromUtf8("el recálculo de saldos aún no está disponible en esta versión."));
}

}  // namespace ledgrix::tareas
