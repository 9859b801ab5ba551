#include "payments/cartera/registro_cartera.h"

#include "core/data/field.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {
namespace {

// Positions of BUSCA_ID_DOC_CARTERA's answer, fixed by its declaration
// (naming the columns would have the driver describe the result each time).
struct Columnas {
    int id = 0, saldo = 1, rtfte = 2, rtiva = 3, rtica = 4, rcree = 5, dtof = 6, abono = 7,
        sucursal = 8, error = 9;
};

}  // namespace

bool RegistroCartera::valide_doc_cartera(const QString& nit, int tipo, const QString& prefijo,
                                         const QString& numero, const QDate& fecha, int moneda,
                                         Campos c) {
    auto q = dm_.sql().select(QStringLiteral("select * from busca_id_doc_cartera(") +
                              sql::number(tipo) + QStringLiteral(", ") + sql::quoted(prefijo) +
                              QStringLiteral(", ") + sql::quoted(numero) + QStringLiteral(", ") +
                              sql::quoted(nit) + QStringLiteral(", ") + sql::date(fecha) +
                              QStringLiteral(", ") + sql::number(moneda) + QStringLiteral(")"));
    const Columnas col;
    const bool valido = q && q->next() && q->value(col.error).toInt() == 0;
    c.id.setValue(valido ? q->value(col.id).toLongLong() : 0);
    c.sucursal.setValue(valido ? q->value(col.sucursal).toInt() : 0);
    const auto cifra = [&](int columna) { return valido ? decimal(*q, columna) : Currency(); };
    c.rtfte.setCurrency(cifra(col.rtfte));
    c.rtiva.setCurrency(cifra(col.rtiva));
    c.rtica.setCurrency(cifra(col.rtica));
    c.rcree.setCurrency(cifra(col.rcree));
    c.dtof.setCurrency(cifra(col.dtof));
    c.abono.setCurrency(cifra(col.abono));
    return valido;
}

// Sales invoices keep their position in the payables ledger: the payables
// balance procedure answers for them too.
Currency RegistroCartera::saldo_doc_carteram(int tipo, qint64 id, int moneda, const QDate& fecha) {
    auto q = dm_.sql().select(QStringLiteral("select * from saldo_doc_cxpagar(") +
                              sql::number(tipo) + QStringLiteral(", ") + sql::number(id) +
                              QStringLiteral(", ") + sql::date(fecha) + QStringLiteral(", ") +
                              sql::number(moneda) + QStringLiteral(")"));
    if (!q || !q->next())
        return {};
    return decimal(*q, 0);  // the procedure's only column
}

}  // namespace ledgrix
