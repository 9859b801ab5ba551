#pragma once

#include "parties/evaluacion/criterios.h"
#include "parties/ui/evaluacion/tfgrilla_editable.h"

namespace ledgrix {

// "Criterios calificación": the criteria a supplier is rated against,
// typed in the grid and stored together by F2.
class Tfcriteriosprv : public TfgrillaEditable {
    Q_OBJECT
  public:
    explicit Tfcriteriosprv(Tfdm& dm, QWidget* parent = nullptr);
    CriteriosProveedor& logica() { return logica_; }

  private:
    CriteriosProveedor logica_;
};

}  // namespace ledgrix
