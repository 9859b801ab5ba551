#pragma once

#include "core/ui/busqueda/tfbusqueda_documentos.h"

namespace ledgrix {

// "Búsqueda de egresos": the payables vouchers stored lately. F4 or a
// double click consults the voucher, F6 opens its notes, F3 annuls a live
// one or deletes an annulled one (administrators). A user without the right
// to annul is told so and the window closes. Coming back to the window
// (from the consultation, another window) lists again what is stored now.
class Tfbuscegreso : public Tfbusquedadocumentos {
    Q_OBJECT
  public:
    explicit Tfbuscegreso(Tfdm& dm, QWidget* parent = nullptr);

    void SBNotasClick();  // F6
};

}  // namespace ledgrix
