#pragma once

#include "core/ui/lista/tflista.h"
#include "payments/anticipos/abonos_documento.h"

namespace ledgrix {

// "Abonos del documento": the payment history of the payables document left
// in dm.documento_consultado. F4 or a double click opens the consultation of
// the row's source document (voucher or application), Esc closes.
class Tfabonosprv : public Tflista {
    Q_OBJECT
  public:
    explicit Tfabonosprv(Tfdm& dm, QWidget* parent = nullptr);

    AbonosDocumento& logica() { return logica_; }

    void SBConsultarClick();

  private:
    AbonosDocumento logica_;
};

}  // namespace ledgrix
