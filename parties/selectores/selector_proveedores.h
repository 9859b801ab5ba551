#pragma once

#include "parties/selectores/selector_lista.h"

namespace ledgrix {

// The supplier chooser ("Tfbuscprove"): active suppliers whose NIT or name
// contains the text (any case), by name; it answers the NIT.
class SelectorProveedores : public SelectorLista {
  public:
    explicit SelectorProveedores(Tfdm& dm);

  protected:
    QString consulta(const QString& texto) const override;
};

}  // namespace ledgrix
