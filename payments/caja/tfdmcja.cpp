#include "payments/caja/tfdmcja.h"

#include "core/tfdm/tfdm.h"

namespace ledgrix {

Currency Tfdmcja::efectivo_caja(Currency, const QDate&, int) {
    return {};
}
bool Tfdmcja::valide_doc_en_caja(const QString&, const QString&, const QString&, int, int) {
    return false;
}
Currency Tfdmcja::monto_doc_en_caja(const QString&, const QString&, const QString&, int, int,
                                    const QDate&) {
    return {};
}
bool Tfdmcja::valide_fecha_caja(int, const QDate&) {
    return true;
}

}  // namespace ledgrix
