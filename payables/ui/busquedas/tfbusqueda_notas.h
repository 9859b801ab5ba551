#pragma once

#include "core/ui/busqueda/tfbusqueda_documentos.h"
#include "payables/busquedas/busqueda_notas.h"

class QLabel;
class QTableWidget;

namespace ledgrix {

// The search of stored charges or discounts. Opened from a document window
// it also picks a document ("Selecciona": the chosen one is left among the
// documents handed over and the window closes) and asks the authority for
// the status of the one under the cursor (F10), with the e-mails sent of it.
class Tfbusquedanotas : public Tfbusquedadocumentos {
    Q_OBJECT
  public:
    using Clase = BusquedaNotas::Clase;
    using Variante = BusquedaNotas::Variante;

    Tfbusquedanotas(Tfdm& dm, Clase clase, Variante variante, QWidget* parent);

    BusquedaNotas& notas() const { return static_cast<BusquedaNotas&>(logica()); }
    // Null in the menu's variant.
    QLabel* estado() const { return estado_; }
    QTableWidget* correos() const { return correos_; }

    void SBSeleccionaClick();
    void SBEstadoClick();

  private:
    QLabel* estado_ = nullptr;
    QTableWidget* correos_ = nullptr;
};

// One search of a kind and variant, as the windows of the program name it.
template <BusquedaNotas::Clase C, BusquedaNotas::Variante V>
class TfbusquedanotasDe : public Tfbusquedanotas {
  public:
    explicit TfbusquedanotasDe(Tfdm& dm, QWidget* parent = nullptr)
        : Tfbusquedanotas(dm, C, V, parent) {}
};

using Tfbuscanotdbcxp =
    TfbusquedanotasDe<BusquedaNotas::Clase::Cargo, BusquedaNotas::Variante::Documento>;
using Tfbuscanotacrcxp =
    TfbusquedanotasDe<BusquedaNotas::Clase::Descuento, BusquedaNotas::Variante::Documento>;
using Tfbuscanotdebito =
    TfbusquedanotasDe<BusquedaNotas::Clase::Cargo, BusquedaNotas::Variante::Menu>;
using Tfbuscancredito =
    TfbusquedanotasDe<BusquedaNotas::Clase::Descuento, BusquedaNotas::Variante::Menu>;

}  // namespace ledgrix
