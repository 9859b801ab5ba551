#pragma once

#include "parties/evaluacion/calificacion.h"
#include "parties/ui/evaluacion/tfgrilla_editable.h"

class QLabel;

namespace ledgrix {

// "Calificación de proveedores" on one supplier: its grades typed in the
// grid with each row's weight and weighted grade, and the rating they add
// up to. F5 opens the criteria; F7 prints the rating. Opened by class name
// on the supplier left in Tfdmter::entregado.
class Tfcalificacionprv : public TfgrillaEditable {
    Q_OBJECT
  public:
    Tfcalificacionprv(Tfdm& dm, const QString& nit, QWidget* parent = nullptr);
    explicit Tfcalificacionprv(Tfdm& dm, QWidget* parent = nullptr);
    CalificacionProveedor& logica() { return logica_; }
    QLabel* resumen() const { return resumen_; }

  private:
    void muestre_total();
    void abra_criterios();

    CalificacionProveedor logica_;
    QLabel* resumen_;
};

}  // namespace ledgrix
