#include "parties/ui/acreedores/cuentas_contables.h"

#include "accounting/cuentas.h"
#include "accounting/selectores/selector_cuentas.h"

namespace ledgrix {

CuentasTerceros cuentas_contables(Tfdm& dm) {
    return {[&dm](const QString& cuenta, bool niif) {
                Tfdmcnt cnt(dm);
                return niif ? cnt.valide_cuenta_niif(cuenta) : cnt.valide_cuenta(cuenta);
            },
            [&dm](const QString& texto, bool niif) {
                SelectorCuentas selector(dm, niif);
                return selector.pregunte(texto);
            }};
}

}  // namespace ledgrix
