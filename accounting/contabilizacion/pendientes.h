#pragma once

#include <QStringList>

#include "accounting/contabilizacion/contabilizacion.h"

namespace ledgrix {

// Documents stored but left without their ledger voucher: a review the
// program never got back from (a crash, a killed process), or a posting that
// produced no voucher. They are listed in DOCUMENTOS_POR_CONTABILIZAR by the
// same transaction that stored them; the document window finishes them when
// it opens, and so does the recalculation of balances.
class PendientesContabilizar {
  public:
    explicit PendientesContabilizar(Contabilizacion& conta) : conta_(conta) {}

    // Posts every listed document of the type (the voucher already staged
    // goes to the ledger as it is; otherwise the document is posted again
    // with the interface it was saved with) and tells the user which were
    // finished and which could not be. Answers how many were finished.
    int termine(DocumentoContable tipo);

    // What the last run finished and could not finish ("prefix-number").
    QStringList terminados, fallidos;

  private:
    Contabilizacion& conta_;
};

}  // namespace ledgrix
