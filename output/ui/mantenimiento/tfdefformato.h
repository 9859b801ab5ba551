#pragma once

#include "output/ui/mantenimiento/ventana_formato.h"

namespace ledgrix {

// A new print format: the document type and prefix are chosen in the window.
class Tfdefformato : public VentanaFormato {
    Q_OBJECT
  public:
    explicit Tfdefformato(Tfdm& dm, QWidget* parent = nullptr);
};

}  // namespace ledgrix
