#pragma once

#include <optional>

#include "parties/selectores/selector_lista.h"

namespace ledgrix {

// "Tfbuscdocdiferir": the purchase invoices (21) and charges (51) of a
// supplier that still owe something, oldest first, by reference or the
// supplier's own number; answers the document's type and reference.
class SelectorDocumentosDiferir : public SelectorLista {
  public:
    struct Documento {
        int tipo = 0;
        QString referencia;  // prefix and number, as typed in the reference box
    };

    SelectorDocumentosDiferir(Tfdm& dm, const QString& nit);

    // Opens the chooser; nothing when cancelled or nothing matched.
    std::optional<Documento> pregunte_documento();

  protected:
    QString consulta(const QString& texto) const override;

  private:
    QString nit_;
};

}  // namespace ledgrix
