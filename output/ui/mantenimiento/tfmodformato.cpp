#include "output/ui/mantenimiento/tfmodformato.h"

namespace ledgrix {

Tfmodformato::Tfmodformato(Tfdm& dm, int tipo, const QString& prefijo, QWidget* parent)
    : VentanaFormato(dm, EdicionFormato::Modo::Modificar, tipo, prefijo, parent) {
    setObjectName(QStringLiteral("Tfmodformato"));
}

}  // namespace ledgrix
