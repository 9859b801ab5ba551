#include "app/ui/principal/registro_ventanas.h"

namespace ledgrix {

RegistroVentanas& RegistroVentanas::global() {
    static RegistroVentanas registro;
    return registro;
}

QWidget* RegistroVentanas::cree(const QString& clase, Tfdm& dm, QWidget* parent) const {
    const auto it = fabricas_.constFind(clase);
    return it == fabricas_.constEnd() ? nullptr : (*it)(dm, parent);
}

}  // namespace ledgrix
