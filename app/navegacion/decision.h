#pragma once

#include <QString>

#include "app/navegacion/tabla_menu.h"

namespace ledgrix {

class Tfdm;

// The outcome of choosing an entry or a button: what to carry out, or the
// refusal to show.
struct Decision {
    bool permitida = false;
    const Destino* destino = nullptr;  // what to carry out when permitted
    QString rechazo;                   // text to show when refused
};

// Asks the access check for `destino`. A refused window with a fall-through
// tries the fall-through's own entry instead; a destination without an
// option passes unchecked.
Decision decida(Tfdm& dm, const Destino& destino);

// "La ventana «Originar cargos» aún no está disponible."
QString texto_no_disponible(const QString& clase);

}  // namespace ledgrix
