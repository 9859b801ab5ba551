#include "output/ui/mantenimiento/tfdefformato.h"

namespace ledgrix {

Tfdefformato::Tfdefformato(Tfdm& dm, QWidget* parent)
    : VentanaFormato(dm, EdicionFormato::Modo::Nuevo, 0, {}, parent) {
    setObjectName(QStringLiteral("Tfdefformato"));
}

}  // namespace ledgrix
