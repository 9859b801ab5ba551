#include "payments/cartera/registro_cartera.h"

#include "core/tfdm/tfdm.h"

namespace ledgrix {

bool RegistroCartera::valide_doc_cartera(const QString&, int, const QString&, const QString&,
                                         const QDate&, int, Campos) {
    return false;
}
Currency RegistroCartera::saldo_doc_carteram(int, qint64, int, const QDate&) {
    return {};
}

}  // namespace ledgrix
