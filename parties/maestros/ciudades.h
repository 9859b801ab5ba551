#pragma once

#include "parties/maestros/maestro_grilla.h"

namespace ledgrix {

// "Ciudades": the cities third parties live in, with their freight values,
// and the neighbourhoods of each (nested: the city's save writes them too).
class Ciudades : public MaestroGrilla {
    Q_OBJECT
  public:
    explicit Ciudades(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& barrios() const { return *barrios_; }

  private:
    ClientDataset* barrios_;
};

}  // namespace ledgrix
