#pragma once

#include "core/ui/busqueda/tfbusqueda_documentos.h"
#include "payables/creditos/busqueda_creditos.h"

namespace ledgrix {

// The stored credits payable; F3 annuls the selected one.
class Tfbuscacredito : public Tfbusquedadocumentos {
    Q_OBJECT
  public:
    explicit Tfbuscacredito(Tfdm& dm, QWidget* parent = nullptr);

    BusquedaCreditos& logica() const {
        return static_cast<BusquedaCreditos&>(Tfbusquedadocumentos::logica());
    }
};

}  // namespace ledgrix
