#pragma once

#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QStringList>

#include "core/sql/runner.h"
#include "core/sql/sqltext.h"

namespace ledgrix::test {

// Counts of the reliability runs: short in the suite, full when asked
// (scripts/confiabilidad.sh sets them).
inline int cuenta_de_entorno(const char* variable, int corta) {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(variable, &ok);
    return ok && n > 0 ? n : corta;
}

// Messages that show the driver or the engine talking instead of the system:
// the user must only ever read Spanish sentences written for them.
inline QStringList mensajes_tecnicos(const QStringList& mensajes) {
    static const char* const kMarcas[] = {
        "SQL",        "transliterat", "violation",     "arithmetic", "overflow",
        "truncation", "Unsuccessful", "Token unknown", "exception",  "Error de escritura",
        "dbExpress",  "Engine Code",  "unknown",       "Cannot ",    "not allowed"};
    QStringList malos;
    for (const QString& m : mensajes)
        for (const char* marca : kMarcas)
            if (m.contains(QLatin1String(marca), Qt::CaseInsensitive)) {
                malos << m;
                break;
            }
    return malos;
}

// The demo company's day in the tests, and its suppliers.
inline const QDate kDia(2022, 9, 21);
inline const QString kImportadora = QStringLiteral("800987654");

// A second charge series with its own accounting interface, copied from the
// default series', so that stations can share two series.
inline void segunda_serie(const SqlRunner& sql, const QString& prefijo) {
    const QString p = sql::quoted(prefijo);
    ASSERT_TRUE(sql.execute(
        QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, PREF_AUTO, "
                       "PREF_IVAINC, PREF_ACTIVO, SUCU_ID) values (51, %1, '000001', 'S', 'N', "
                       "'S', 0)")
            .arg(p)));
    const QString id =
        sql.scalar(QStringLiteral("select ID from CAMBIE_ID_INTERCXPAGAR")).toString();
    ASSERT_FALSE(id.isEmpty());
    ASSERT_TRUE(sql.execute(
        QStringLiteral("insert into INTERFAZ_CXPAGAR select %1, TIDO_COD, %2, TICO_COD, PRCO_PRE, "
                       "INCP_NOMBRE, INCP_BASE, INCP_IVA, INCP_RTFTE, INCP_RTIVA, INCP_RTICA, "
                       "INCP_RTCREE, INCP_PROV, INCP_EXTRA, INCP_ANTI, INCP_CTABASE, INCP_CTAIVA, "
                       "INCP_CTARTFTE, INCP_CTARTIVA, INCP_CTARTICA, INCP_CTARTCREE, INCP_CTAPROV, "
                       "INCP_CTAEXTRA, INCP_CTAANTI, INCP_CONFIRMAR, INCP_USUARIO, "
                       "INCP_EQUIVALENCIA from INTERFAZ_CXPAGAR where TIDO_COD = 51 and PREF_PRE "
                       "= '0000'")
            .arg(id, p)));
    ASSERT_TRUE(sql.execute(
        QStringLiteral("insert into INTERFAZ_CXPAGAR_NIIF select %1, n.INCP_BASE, n.INCP_IVA, "
                       "n.INCP_RTFTE, n.INCP_RTIVA, n.INCP_RTICA, n.INCP_RTCREE, n.INCP_PROV, "
                       "n.INCP_EXTRA, n.INCP_ANTI, n.INCP_CTABASE, n.INCP_CTAIVA, n.INCP_CTARTFTE, "
                       "n.INCP_CTARTIVA, n.INCP_CTARTICA, n.INCP_CTARTCREE, n.INCP_CTAPROV, "
                       "n.INCP_CTAEXTRA, n.INCP_CTAANTI from INTERFAZ_CXPAGAR_NIIF n join "
                       "INTERFAZ_CXPAGAR i on i.INCP_ID = n.INCP_ID where i.TIDO_COD = 51 and "
                       "i.PREF_PRE = '0000'")
            .arg(id)));
}

// A discount of the importer large enough for every charge the stations
// apply to it; answers its reference as typed in "Aplicar a:".
inline QString descuento_grande(const SqlRunner& sql) {
    EXPECT_TRUE(sql.execute(QStringLiteral(
        "insert into NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, "
        "TERC_NIT, NCPR_CONC, NCPR_MONTO) values (700, '0000', '000700', '2022/09/01', "
        "'800987654', 'Descuento por volumen', 9000000000)")));
    return QStringLiteral("0000000700");
}

}  // namespace ledgrix::test
