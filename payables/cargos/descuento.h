#pragma once

#include "payables/cargos/documento_cxp.h"

namespace ledgrix {

// What the "Descuentos en Cuenta" window works on: one discount (type 52) at
// a time, the credit-side twin of the charge. It names its support document
// (a purchase invoice, 21, or a charge, 51), which the electronic adjustment
// note refers to, and the kind of that note. It has no due date, cost
// centres, simplified regime, commitments or application of its own.
class Descuento : public DocumentoCxp {
    Q_OBJECT
  public:
    explicit Descuento(Tfdm& dm, QObject* parent = nullptr);
    ~Descuento() override;

    // Kinds of adjustment note (NOTAS_CARTERA_TIPOS of type 52).
    ClientDataset& tipos_nota() const { return *CTipos; }

    // The support document: its type (purchase invoice 21, charge 51) and id, as the
    // opening window or the chooser leave them. Its printed number follows;
    // an id that does not exist is refused and the reference emptied.
    bool reciba_soporte(int tipo, qint64 id);
    // Type chosen in the window: a different type drops the document named.
    void cambie_tipo_soporte(int tipo);
    void cambie_tipo_nota(int ncti_id);

  protected:
    void abra_listas() override;
    std::vector<ConsultaNumprov> consultas_numprov(const QString& numero,
                                                   const QString& nit) const override;

  private:
    ClientDataset* CTipos = nullptr;
};

}  // namespace ledgrix
