#pragma once

#include "core/ui/lista/tflista.h"
#include "parties/acreedores/busqueda_proveedores.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ledgrix {

// "Acreedores": the suppliers found by NIT, name, code or contact as the
// user types. F5 new, F4 or a double click modify, F3 delete, F6 the yearly
// purchases of the year chosen, F7 print and F9 save what is shown; opened to
// pick a supplier, Enter or F2 hands the current NIT back and closes.
class Tfbuscprove : public Tflista {
    Q_OBJECT
  public:
    explicit Tfbuscprove(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaProveedores& logica() { return logica_; }
    QComboBox* columna_busqueda() const { return columna_; }
    QLineEdit* texto() const { return texto_; }
    QCheckBox* contiene() const { return contiene_; }
    QCheckBox* inactivos() const { return inactivos_; }
    QSpinBox* ano() const { return ano_; }

    void busque();
    void SBNuevoClick();
    void SBModificarClick();
    void SBBorrarClick();
    void SBSeleccionarClick();
    void SBComprasClick();
    void abra_del_proveedor(const QString& clase);

  signals:
    // The NIT chosen when the list was opened to pick one.
    void elegido(const QString& nit);

  private:
    BusquedaProveedores logica_;
    QComboBox* columna_;
    QLineEdit* texto_;
    QCheckBox* contiene_;
    QCheckBox* inactivos_;
    QSpinBox* ano_;
};

}  // namespace ledgrix
