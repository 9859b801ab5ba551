#pragma once

#include "payables/cargos/descuento.h"
#include "payables/ui/documentos/tfdocumento_cxp.h"

class QComboBox;

namespace ledgrix {

class Tfdm;

// "Descuentos en Cuenta": one discount at a time over the Descuento logic.
// Beyond the family's boxes it names the support document (its type, and
// its number chosen with "...": the purchase-invoice chooser for an invoice,
// the charge search otherwise) and the kind of adjustment note. F8 searches
// the discounts.
class Tfnotascreditocxp : public TfdocumentoCxp {
    Q_OBJECT
  public:
    explicit Tfnotascreditocxp(Tfdm& dm, QWidget* parent = nullptr);

    Descuento& logica() { return logica_; }
    QComboBox* tipo_soporte() const { return tipo_soporte_; }
    QComboBox* tipo_nota() const { return tipo_nota_; }

    // "..." beside the support number.
    void busque_soporte();

  protected:
    void otros_propios(QGridLayout& r, QWidget* g) override;
    void llene_propias() override;
    bool tecla_propia(int key) override;

  private:
    Descuento logica_;
    QComboBox* tipo_soporte_ = nullptr;
    QComboBox* tipo_nota_ = nullptr;
};

}  // namespace ledgrix
