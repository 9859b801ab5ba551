// The volume generator on a small company: what it reports is what it
// stored, the ledger the triggers built from it checks clean, and the same
// seed gives the same data.
#include <QSqlQuery>

#include "bench/generador/generador.h"
#include "parties/digito_verificacion.h"
#include "tests/support/testdb.h"
#include "tests/tools/dbhelpers.h"

namespace ledgrix::test {
namespace {

using dbsetup::ScopedConnection;

generador::Parametros pequena(const QString& ubicacion) {
    generador::Parametros p;
    p.ubicacion = ubicacion;
    p.proveedores = 20;
    p.documentosPorProveedor = 10;
    p.partePagada = 0.6;
    p.parteAnulada = 0.05;
    p.parteExtranjera = 0.1;
    p.semilla = 42;
    p.hasta = QDate(2025, 6, 30);
    p.filasPorTransaccion = 50;  // several commits even at this size
    return p;
}

// Sum of balances and of movements, and the suppliers' NITs: enough to tell
// two generations apart.
QString huella(QSqlDatabase db) {
    QSqlQuery q(db);
    QString h;
    q.exec(QStringLiteral("SELECT CAST(SUM(MVPR_SALDO) AS VARCHAR(30)), COUNT(*) FROM MOVIMIENTO_PROVEEDOR"));
    if (q.next()) h += q.value(0).toString() + QLatin1Char('/') + q.value(1).toString();
    q.exec(QStringLiteral("SELECT CAST(SUM(ABPR_VALOR) AS VARCHAR(30)), COUNT(*) FROM ABONOS_PROVEEDOR"));
    if (q.next()) h += QLatin1Char(' ') + q.value(0).toString() + QLatin1Char('/') + q.value(1).toString();
    q.exec(QStringLiteral("SELECT TERC_NIT FROM PROVEEDORES ORDER BY TERC_NIT"));
    while (q.next()) h += QLatin1Char(' ') + q.value(0).toString();
    return h;
}

TEST(Generador, StoresWhatItReportsAndTheLedgerChecksClean) {
    auto inst = TestInstallation::create();
    ASSERT_TRUE(inst);
    const generador::Resultado r = generador::generar(pequena(inst->location()));
    ASSERT_TRUE(r.ok) << r.mensaje.toStdString();
    const generador::Resumen& s = r.resumen;
    EXPECT_EQ(s.proveedores, 20);
    EXPECT_EQ(s.documentos(), 200);
    EXPECT_GT(s.facturas, s.devoluciones + s.cargos + s.descuentos);
    EXPECT_GT(s.egresos, 0);
    EXPECT_GE(s.lineasEgreso, s.egresos);

    ScopedConnection con(inst->companyDatabase(), QStringLiteral("SYSDBA"));
    ASSERT_TRUE(con.open()) << con.error().toStdString();
    QSqlDatabase db = con.db();
    const int demo = count(db, QStringLiteral("PROVEEDORES WHERE TERC_NIT IN ('900123456', '860045678', "
                                              "'800987654', '79456123')"));
    EXPECT_EQ(count(db, QStringLiteral("PROVEEDORES")), demo + 20);
    EXPECT_EQ(count(db, QStringLiteral("FACTURAS_COMPRA WHERE PREF_PRE STARTING WITH 'FC'")), s.facturas);
    EXPECT_EQ(count(db, QStringLiteral("DEVOLUCIONES_COMPRAS WHERE PREF_PRE STARTING WITH 'DC'")), s.devoluciones);
    EXPECT_EQ(count(db, QStringLiteral("NOTAS_DEBITO_PROVEEDOR WHERE PREF_PRE STARTING WITH 'ND'")), s.cargos);
    EXPECT_EQ(count(db, QStringLiteral("NOTAS_CREDITO_PROVEEDOR WHERE PREF_PRE STARTING WITH 'NC'")), s.descuentos);
    EXPECT_EQ(count(db, QStringLiteral("EGRESOS WHERE PREF_PRE STARTING WITH 'CE'")), s.egresos);
    EXPECT_EQ(count(db, QStringLiteral("EGRESODETALLE D JOIN EGRESOS E ON E.EGRE_ID = D.EGRE_ID "
                                       "WHERE E.PREF_PRE STARTING WITH 'CE'")),
              s.lineasEgreso);

    // The ledger: one position per document, one movement per voucher line.
    EXPECT_EQ(count(db, QStringLiteral("MOVIMIENTO_PROVEEDOR WHERE MVPR_PREFIJO SIMILAR TO '(FC|DC|ND|NC)[0-9]{2}'")),
              200);
    EXPECT_EQ(count(db, QStringLiteral("ABONOS_PROVEEDOR A JOIN EGRESOS E ON E.EGRE_ID = A.ABPR_IDORI "
                                       "WHERE A.ABPR_ORIGEN = 'E' AND E.PREF_PRE STARTING WITH 'CE'")),
              s.lineasEgreso);
    EXPECT_EQ(count(db, QStringLiteral("MOVIMIENTO_PROVEEDOR WHERE MVPR_ANULADO = 'S'")), s.anulados);
    EXPECT_EQ(count(db, QStringLiteral("MOVIMIENTO_PROVEEDOR WHERE MVPR_ANULADO = 'S' AND MVPR_VALOR <> 0")), 0);
    EXPECT_EQ(count(db, QStringLiteral("MOVIMIENTO_PROVEEDOR WHERE MVPR_MONEDA <> 1 AND MVPR_PREFIJO <> '0000'")),
              s.extranjeros);
    // No payment takes more than a debt was worth, nor leaves a credit owing us.
    EXPECT_EQ(count(db, QStringLiteral("MOVIMIENTO_PROVEEDOR WHERE MVPR_VALOR > 0 AND MVPR_SALDO < 0")), 0);
    EXPECT_EQ(count(db, QStringLiteral("MOVIMIENTO_PROVEEDOR WHERE MVPR_VALOR < 0 AND MVPR_SALDO > 0")), 0);
    EXPECT_EQ(count(db, QStringLiteral("EGRESOS WHERE EGRE_MONTO < 0")), 0);
    // Every voucher is dated on or after the documents it pays.
    EXPECT_EQ(count(db, QStringLiteral("EGRESODETALLE D JOIN EGRESOS E ON E.EGRE_ID = D.EGRE_ID "
                                       "JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = D.EGDE_TIPODOC "
                                       "AND M.MVPR_IDREF = D.EGDE_IDDOC WHERE E.EGRE_FECHA < M.MVPR_FECHA")),
              0);

    // Rebuilding the ledger finds no wrong balance.
    EXPECT_EQ(count(db, QStringLiteral("CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")),
              0);

    // Valid NITs with their check digit.
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT TERC_NIT, TERC_DV FROM TERCEROS")));
    int terceros = 0;
    while (q.next()) {
        ++terceros;
        const auto dv = ledgrix::dv(q.value(0).toString());
        ASSERT_TRUE(dv.has_value()) << q.value(0).toString().toStdString();
        EXPECT_EQ(QString::number(*dv), q.value(1).toString()) << q.value(0).toString().toStdString();
    }
    EXPECT_GE(terceros, 20);

    // The consecutive of each generated series stands past its last number.
    EXPECT_EQ(count(db, QStringLiteral("PREFIJOS P WHERE P.TIDO_COD = 21 AND P.PREF_PRE STARTING WITH 'FC' AND "
                                       "CAST(P.PREF_ACTUAL AS INTEGER) <> 1 + (SELECT MAX(CAST(F.FACO_NUMERO AS "
                                       "INTEGER)) FROM FACTURAS_COMPRA F WHERE F.PREF_PRE = P.PREF_PRE)")),
              0);
}

TEST(Generador, SameSeedGivesTheSameDataAndAFilledCompanyIsRefused) {
    auto a = TestInstallation::create();
    auto b = TestInstallation::create();
    ASSERT_TRUE(a && b);
    generador::Parametros p = pequena(a->location());
    p.proveedores = 8;
    ASSERT_TRUE(generador::generar(p).ok);
    p.ubicacion = b->location();
    ASSERT_TRUE(generador::generar(p).ok);
    QString ha, hb;
    {
        ScopedConnection ca(a->companyDatabase(), QStringLiteral("SYSDBA"));
        ScopedConnection cb(b->companyDatabase(), QStringLiteral("SYSDBA"));
        ASSERT_TRUE(ca.open() && cb.open());
        ha = huella(ca.db());
        hb = huella(cb.db());
    }
    EXPECT_FALSE(ha.isEmpty());
    EXPECT_EQ(ha, hb);

    const generador::Resultado otra = generador::generar(p);
    EXPECT_FALSE(otra.ok);
    EXPECT_TRUE(otra.mensaje.contains(QStringLiteral("ya tiene documentos generados"))) << otra.mensaje.toStdString();
}

}  // namespace
}  // namespace ledgrix::test
