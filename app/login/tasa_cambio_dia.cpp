#include "app/login/tasa_cambio_dia.h"

#include "core/money/currency.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

TasaCambioDia::TasaCambioDia(Tfdm& dm, int moneda) : dm_(dm), moneda_(moneda) {
    nombre_ = dm_.sql()
                  .scalar(QStringLiteral("select TIMO_NOMBRE from TIPOS_MONEDA where TIMO_COD = ") +
                          sql::number(moneda_))
                  .toString();
}

QDate TasaCambioDia::fecha() const { return dm_.clock().today(); }

bool TasaCambioDia::grabe(const QString& valor) {
    QString texto = valor.trimmed();
    texto.remove(QLatin1Char(','));  // thousands separators as the user may type them
    const auto tasa = Currency::parse(texto);
    if (!tasa || *tasa <= Currency()) {
        dm_.dialogs().error(QStringLiteral("La tasa de cambio debe ser un valor mayor que cero."));
        return false;
    }
    return dm_.sql().execute(QStringLiteral("insert into TASA_CAMBIO_MONEDA (TACA_FECHA, TIMO_COD, TACA_VALOR) "
                                            "values (") +
                             sql::date(fecha()) + QStringLiteral(", ") + sql::number(moneda_) +
                             QStringLiteral(", ") + R(*tasa, -2).toString(2) + QStringLiteral(")"));
}

}  // namespace ledgrix
