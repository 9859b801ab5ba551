#pragma once

#include "payables/ui/consulta/tfconsulta.h"

namespace ledgrix {

// "Consulta de descuento": a stored discount with its figures, the support
// document it adjusts and its kind of note.
class Tfconsnotcrcxp : public Tfconsulta {
    Q_OBJECT
  public:
    explicit Tfconsnotcrcxp(Tfdm& dm, QWidget* parent = nullptr);
};

}  // namespace ledgrix
