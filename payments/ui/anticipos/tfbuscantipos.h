#pragma once

#include "core/ui/busqueda/tfbusqueda_documentos.h"
#include "payments/anticipos/busqueda_anticipos.h"

namespace ledgrix {

// "Búsqueda de Anticipos": the stored advances. F4 or a double click
// consults the advance, F12 opens its payment history, F3 annuls it.
class Tfbuscantipos : public Tfbusquedadocumentos {
    Q_OBJECT
  public:
    explicit Tfbuscantipos(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaAnticipos& logica() const {
        return static_cast<BusquedaAnticipos&>(Tfbusquedadocumentos::logica());
    }

    void SBAbonosClick();
};

}  // namespace ledgrix
