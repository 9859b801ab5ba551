#pragma once

#include "core/ui/lista/tflista.h"
#include "payments/aplicaciones/busqueda_aplicaciones.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ledgrix {

// The stored applications: a text typed against the column chosen (anywhere
// in it, or from its start), F8 or Enter lists them; F4 or a double click
// opens the consultation of the selected one, F3 annuls it (or deletes it,
// already annulled, for an administrator).
class Tfbuscaplicaciones : public Tflista {
    Q_OBJECT
  public:
    explicit Tfbuscaplicaciones(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaAplicaciones& logica() { return logica_; }
    QLineEdit* texto() const { return texto_; }
    QComboBox* columna_busqueda() const { return columna_; }
    QCheckBox* desde_inicio() const { return inicio_; }

    void SBBuscarClick();
    void SBConsultarClick();
    void SBAnularClick();

  private:
    void titule();

    BusquedaAplicaciones logica_;
    QComboBox* columna_ = nullptr;
    QLineEdit* texto_ = nullptr;
    QCheckBox* inicio_ = nullptr;
};

}  // namespace ledgrix
