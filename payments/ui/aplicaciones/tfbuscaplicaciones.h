#pragma once

#include "core/ui/busqueda/tfbusqueda_documentos.h"
#include "payments/aplicaciones/busqueda_aplicaciones.h"

namespace ledgrix {

// The stored applications: F4 or a double click opens the consultation of
// the selected one, F3 annuls it (or deletes it, already annulled, for an
// administrator).
class Tfbuscaplicaciones : public Tfbusquedadocumentos {
    Q_OBJECT
  public:
    explicit Tfbuscaplicaciones(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaAplicaciones& logica() const {
        return static_cast<BusquedaAplicaciones&>(Tfbusquedadocumentos::logica());
    }
};

}  // namespace ledgrix
