#pragma once

#include <QString>
#include <array>

namespace ledgrix {

class Progreso;
class Tfdm;

// The mass change of the withholding figures kept on every supplier: each
// pair turns the suppliers that have the old value into the new one.
class CambioRetenciones {
  public:
    enum Par { RetefuentePorcentaje, RetefuenteBase, Iva, Ica, Cree, kPares };

    struct Valores {
        QString anterior;
        QString nuevo;
    };

    explicit CambioRetenciones(Tfdm& dm);

    // As typed, in the installation's number format. A pair with either side
    // empty is left out.
    std::array<Valores, kPares> pares;

    // What the window calls each pair.
    static QString nombre(Par par);

    // Every filled value a number; otherwise the user is told which box.
    bool valide() const;
    // Checks, then runs each pair's statement on its own: a failure stops
    // the run and leaves the earlier pairs changed. True when all ran.
    bool grabe(Progreso& progreso);

  private:
    Tfdm& dm_;
};

}  // namespace ledgrix
