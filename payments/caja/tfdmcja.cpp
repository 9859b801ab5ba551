#include "payments/caja/tfdmcja.h"

#include <QObject>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/fecha_documento.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// The key of a held document that is still in its box, unspent.
QString en_caja(const QString& banco, const QString& cuenta, const QString& numero, int fopa,
                int caja) {
    return S(" from documentos_pago_caja where fopa_id = ") + sql::number(fopa) +
           S(" and dpca_banco = ") + sql::quoted(banco) + S(" and dpca_cuenta = ") +
           sql::quoted(cuenta) + S(" and dpca_numero = ") + sql::quoted(numero) +
           S(" and caja_id = ") + sql::number(caja) + S(" and dpca_tiposal = 0 and dpca_idsal = 0");
}

}  // namespace

Currency Tfdmcja::efectivo_caja(Currency monto, const QDate& fecha, int caja) {
    // The procedure counts what happened strictly before the date it gets:
    // the day after includes the whole voucher day.
    auto q = dm_.sql().select(S("select * from saldo_en_efectivo(") + sql::number(caja) + S(", ") +
                              sql::date(fecha.addDays(1)) + S(")"));
    const Currency efectivo = q && q->next() ? decimal(*q, 0) : Currency();
    const QString valef =
        dm_.sql()
            .scalar(S("select caja_valef from cajas where caja_id = ") + sql::number(caja))
            .toString();
    if (valef == S("S") && monto > efectivo)
        dm_.dialogs().error(S("El saldo de efectivo es insuficiente."));
    return efectivo;
}

bool Tfdmcja::valide_doc_en_caja(const QString& banco, const QString& cuenta, const QString& numero,
                                 int fopa, int caja) {
    return dm_.sql()
               .scalar(S("select count(*)") + en_caja(banco, cuenta, numero, fopa, caja))
               .toInt() > 0;
}

// The amount of a held document does not depend on the day it is spent.
Currency Tfdmcja::monto_doc_en_caja(const QString& banco, const QString& cuenta,
                                    const QString& numero, int fopa, int caja, const QDate&) {
    auto q = dm_.sql().select(S("select dpca_monto") + en_caja(banco, cuenta, numero, fopa, caja));
    return q && q->next() ? decimal(*q, 0) : Currency();
}

bool Tfdmcja::valide_fecha_caja(int caja, const QDate& fecha) {
    // The document-date checks work on a field being edited; the box's row
    // read here carries one beside its blocking date.
    QObject dueno;
    auto* p = new Provider(&dueno, S("PCajaFecha"));
    p->setConnectionName(dm_.Ledgrix());
    p->setQueryName(S("QCajaFecha"));
    p->setCommandText(S("select CAJA_FECBLO, cast(null as date) as FECHA from CAJAS where "
                        "CAJA_ID = ") +
                      sql::number(caja));
    auto* c = new ClientDataset(&dueno, S("CCajaFecha"));
    c->setProvider(p);
    dm_.ConfigurarProviders(&dueno);
    if (!c->open())
        return false;
    if (c->isEmpty())
        return true;
    c->edit();
    Field& f = c->fieldByName(S("FECHA"));
    f.setValue(fecha);
    valide_fecha(dm_, f);
    if (f.asDate() != fecha)
        return false;
    const Field& bloqueo = c->fieldByName(S("CAJA_FECBLO"));
    if (!bloqueo.isNull() && fecha < bloqueo.asDate()) {
        dm_.dialogs().error(S("La fecha indicada es anterior a la fecha de bloqueo de la caja."));
        return false;
    }
    return true;
}

}  // namespace ledgrix
