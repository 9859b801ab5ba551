#include "payments/ui/comun/muestra_diferida.h"

#include <QTimer>

namespace ledgrix {

void MuestraDiferida::pida() {
    if (pendiente_)
        return;
    pendiente_ = true;
    QTimer::singleShot(0, dueno_, [this] {
        pendiente_ = false;
        muestre_();
    });
}

}  // namespace ledgrix
