#pragma once

#include "parties/acreedores/cuentas_terceros.h"
#include "parties/maestros/maestro_grilla.h"

namespace ledgrix {

// "Grupos acreedores": the supplier groups and the accounts a supplier of
// the group posts to when it has none of its own. Every account is checked
// in its book before the row is taken.
class GruposProveedores : public MaestroGrilla {
    Q_OBJECT
  public:
    GruposProveedores(Tfdm& dm, CuentasTerceros cuentas, QObject* parent = nullptr);

    // The chooser of the column's book over the current row's account.
    bool busque_cuenta(const QString& columna, const QString& texto);

  private:
    CuentasTerceros cuentas_;
};

}  // namespace ledgrix
