#pragma once

#include <QString>

#include "core/sql/runner.h"

namespace ledgrix::test {

// The posting problems recorded for a document, "CODE:text " each, in the
// order they were written, as the posting's message lists them.
inline QString errores(const SqlRunner& sql, int tipo, int id) {
    QString texto;
    auto q = sql.select(
        QStringLiteral("select ERRO_CODIGO, ERRO_CADENA from ERRORES where ERRO_TIPODOC = %1 "
                       "and ERRO_IDDOC = %2 order by ERRO_ID")
            .arg(tipo)
            .arg(id));
    while (q && q->next())
        texto += q->value(0).toString() + u':' + q->value(1).toString() + u' ';
    return texto;
}

// The demo interface of a document type in series "0000".
inline int interfaz(const SqlRunner& sql, int tipo) {
    return sql
        .scalar(tipo == 62
                    ? QStringLiteral("select min(INCJ_ID) from INTERFAZ_CAJA where TIDO_COD = 62")
                    : QStringLiteral("select min(INCP_ID) from INTERFAZ_CXPAGAR where TIDO_COD = "
                                     "%1 and PREF_PRE = '0000'")
                          .arg(tipo))
        .toInt();
}

}  // namespace ledgrix::test
