#pragma once

#include "payables/consulta/consulta_documento.h"

namespace ledgrix {

// A stored charge (51): its figures with TOTAL (amount, VAT and extra) and
// NETO (less the withholdings), and its cost-centre shares.
class ConsultaCargo : public ConsultaDocumento {
    Q_OBJECT
  public:
    explicit ConsultaCargo(Tfdm& dm, QObject* parent = nullptr);
    ClientDataset& centros() const { return *centros_; }

  private:
    ClientDataset* centros_ = nullptr;
};

// A stored discount (52): the same figures, the name of its support
// document's type (TIPODS_NOMBRE) and of its kind of note (TIPONE_NOMBRE).
class ConsultaDescuento : public ConsultaDocumento {
    Q_OBJECT
  public:
    explicit ConsultaDescuento(Tfdm& dm, QObject* parent = nullptr);
};

}  // namespace ledgrix
