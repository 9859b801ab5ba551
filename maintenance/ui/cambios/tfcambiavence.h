#pragma once

#include "maintenance/cambios/cambio_vencimiento.h"
#include "maintenance/ui/ventana_mantenimiento.h"

class QDateEdit;
class QLabel;
class QLineEdit;

namespace ledgrix {

class Tfdm;

// "Cambiar vencimiento factura": a charge by its full number, its new due
// date and the supplier's number for it; F5 stores them and closes.
class Tfcambiavence : public VentanaMantenimiento {
    Q_OBJECT
  public:
    explicit Tfcambiavence(Tfdm& dm, QWidget* parent = nullptr);

    QLineEdit* cargo() const { return cargo_; }
    QDateEdit* nuevo_vence() const { return nuevo_vence_; }
    QLineEdit* numero_proveedor() const { return numprov_; }
    QLabel* proveedor() const { return proveedor_; }
    QLabel* fecha() const { return fecha_; }
    QLabel* vence() const { return vence_; }

    // Leaving "Número de cargo:".
    void CargoExit();
    void SBCambiarClick();

  private:
    void muestre();

    Tfdm& dm_;
    CambioVencimiento logica_;
    QLineEdit* cargo_ = nullptr;
    QLabel* fecha_ = nullptr;
    QLabel* vence_ = nullptr;
    QLabel* proveedor_ = nullptr;
    QDateEdit* nuevo_vence_ = nullptr;
    QLineEdit* numprov_ = nullptr;
    QString buscado_;
};

}  // namespace ledgrix
