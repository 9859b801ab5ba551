#pragma once

#include "payables/ui/consulta/tfconsulta.h"

namespace ledgrix {

// "Consulta de egreso": a stored payment voucher, its payee and figures, the
// documents it paid, its crosses and the cash and bank means it paid with.
class Tfconsegreso : public Tfconsulta {
    Q_OBJECT
  public:
    explicit Tfconsegreso(Tfdm& dm, QWidget* parent = nullptr);
};

}  // namespace ledgrix
