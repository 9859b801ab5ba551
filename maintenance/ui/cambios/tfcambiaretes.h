#pragma once

#include <array>
#include <memory>

#include "maintenance/cambios/cambio_retenciones.h"
#include "maintenance/ui/ventana_mantenimiento.h"

class QLabel;
class QLineEdit;

namespace ledgrix {

class ProgresoEnVentana;
class Tfdm;

// "Cambiar retenciones acreedores": five pairs (current value, new value);
// F2 changes every supplier that has the current value of a filled pair.
class Tfcambiaretes : public VentanaMantenimiento {
    Q_OBJECT
  public:
    explicit Tfcambiaretes(Tfdm& dm, QWidget* parent = nullptr);
    ~Tfcambiaretes() override;

    QLineEdit* anterior(int par) const { return anteriores_[par]; }
    QLineEdit* nuevo(int par) const { return nuevos_[par]; }

    void SBGrabarClick();

  private:
    Tfdm& dm_;
    CambioRetenciones logica_;
    std::array<QLineEdit*, CambioRetenciones::kPares> anteriores_{};
    std::array<QLineEdit*, CambioRetenciones::kPares> nuevos_{};
    QLabel* progreso_texto_ = nullptr;
    std::unique_ptr<ProgresoEnVentana> progreso_;
};

}  // namespace ledgrix
