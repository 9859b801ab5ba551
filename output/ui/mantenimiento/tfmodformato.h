#pragma once

#include "output/ui/mantenimiento/ventana_formato.h"

namespace ledgrix {

// The format of a document type and prefix; closes at once when missing.
class Tfmodformato : public VentanaFormato {
    Q_OBJECT
  public:
    Tfmodformato(Tfdm& dm, int tipo, const QString& prefijo, QWidget* parent = nullptr);
};

}  // namespace ledgrix
