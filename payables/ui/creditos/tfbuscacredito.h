#pragma once

#include "core/ui/lista/tflista.h"
#include "payables/creditos/busqueda_creditos.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ledgrix {

// The stored credits payable: a text typed against the column chosen
// (contained in it, or from it on), F8 or Enter lists them; F3 annuls the
// selected one.
class Tfbuscacredito : public Tflista {
    Q_OBJECT
  public:
    explicit Tfbuscacredito(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaCreditos& logica() { return logica_; }
    QLineEdit* texto() const { return texto_; }
    QComboBox* columna_busqueda() const { return columna_; }
    QCheckBox* contiene() const { return contiene_; }

    void SBBuscarClick();
    void SBAnularClick();

  private:
    void titule();

    BusquedaCreditos logica_;
    QComboBox* columna_ = nullptr;
    QLineEdit* texto_ = nullptr;
    QCheckBox* contiene_ = nullptr;
};

}  // namespace ledgrix
