#pragma once

#include "parties/maestros/ciudades.h"
#include "parties/ui/maestros/ventana_maestro.h"

namespace ledgrix {

// "Ciudades": the cities and their freight values; F5 opens the current
// city's neighbourhoods, stored with the city's F2.
class Tfciudades : public VentanaMaestro {
    Q_OBJECT
  public:
    explicit Tfciudades(Tfdm& dm, QWidget* parent = nullptr);
    Ciudades& logica() { return logica_; }

    void SBBarriosClick();

  private:
    Ciudades logica_;
};

}  // namespace ledgrix
