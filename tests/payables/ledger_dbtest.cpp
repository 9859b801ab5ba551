#include <gtest/gtest.h>

#include <QDate>

#include "core/money/currency.h"
#include "core/sql/sqltext.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

// Demo suppliers: both active.
const QString kTransportes = QStringLiteral("900123456");
const QString kPapeleria = QStringLiteral("860045678");

// Amounts are read as text cast by the server: the driver hands large
// NUMERICs over as doubles in exponent form ("3e+05").
struct Busqueda {
    int id = -1;
    QString saldo, rtfte, dtof;
    int error = -1;
    QString numprov;
};

class LibroTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }

    void run(const QString& sql) {
        ASSERT_TRUE(dm->sql().execute(sql)) << sql.toStdString() << "\n" << dialogs.lastError().toStdString();
    }
    // A statement the database must refuse; answers the message shown.
    QString refused(const QString& sql) {
        dialogs.clear();
        EXPECT_FALSE(dm->sql().execute(sql)) << sql.toStdString();
        return dialogs.lastError();
    }

    static QString fecha(const QDate& d) { return sql::quoted(d.toString(QStringLiteral("yyyy/MM/dd"))); }

    QString saldo(int tipo, int id, const QDate& d, int moneda = 0) {
        auto q = dm->sql().select(QStringLiteral("select cast(SALDO as varchar(24)) from SALDO_DOC_CXPAGAR(%1, %2, %3, %4)")
                                      .arg(tipo).arg(id).arg(fecha(d)).arg(moneda));
        if (!q || !q->next())
            return QStringLiteral("sin fila");
        return q->value(0).toString();
    }
    QString guardado(int tipo, int id) {
        auto q = dm->sql().select(QStringLiteral(
            "select cast(MVPR_SALDO as varchar(24)) from MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF = %1 and MVPR_IDREF = %2").arg(tipo).arg(id));
        if (!q || !q->next())
            return QStringLiteral("sin fila");
        return q->value(0).toString();
    }
    QString saldoTercero(const QString& nit, const QDate& d) {
        auto q = dm->sql().select(QStringLiteral("select cast(SALDO as varchar(24)) from SALDO_TERCERO_CXPAGAR(%1, %2)")
                                      .arg(sql::quoted(nit), fecha(d)));
        return q && q->next() ? q->value(0).toString() : QStringLiteral("sin fila");
    }
    Busqueda busca(int tipo, const QString& numero, const QString& nit, const QDate& d, int moneda = 0) {
        Busqueda b;
        auto q = dm->sql().select(QStringLiteral("select ID, ERROR, NUMPROV, cast(SALDO as varchar(24)) SALDO, cast(RTFTE as varchar(24)) RTFTE, "
                                                   "cast(DTOF as varchar(24)) DTOF from BUSCA_ID_DOC_CXPAGAR(%1, '0000', %2, %3, %4, %5)")
                                      .arg(tipo).arg(sql::quoted(numero), sql::quoted(nit), fecha(d)).arg(moneda));
        if (q && q->next()) {
            b.id = q->value(QStringLiteral("ID")).toInt();
            b.saldo = q->value(QStringLiteral("SALDO")).toString();
            b.rtfte = q->value(QStringLiteral("RTFTE")).toString();
            b.dtof = q->value(QStringLiteral("DTOF")).toString();
            b.error = q->value(QStringLiteral("ERROR")).toInt();
            b.numprov = q->value(QStringLiteral("NUMPROV")).toString();
        }
        return b;
    }

    void factura(int id, const QString& numero, const QString& nit, const QDate& d, const QString& monto,
                 const QString& iva = QStringLiteral("0"), const QString& rtfte = QStringLiteral("0"),
                 int moneda = 1, const QString& trm = QStringLiteral("1")) {
        run(QStringLiteral("insert into FACTURAS_COMPRA (FACO_ID, PREF_PRE, FACO_NUMERO, FACO_FECHA, TERC_NIT, "
                           "FACO_NUMPROV, FACO_MONTO, FACO_IVAMONTO, FACO_RTFTEMONTO, FACO_MONEDA, FACO_TRM, "
                           "FACO_DTOFECHA, FACO_DTOFMONTO) values (%1, '0000', '%2', %3, '%4', 'P-%2', %5, %6, %7, %8, %9, %3, 10)")
                .arg(id).arg(numero, fecha(d), nit, monto, iva, rtfte).arg(moneda).arg(trm));
    }
    void cargo(int id, const QString& numero, const QString& nit, const QDate& d, const QString& monto,
               const QString& iva = QStringLiteral("0")) {
        run(QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, TERC_NIT, "
                           "NDPR_MONTO, NDPR_IVAMONTO) values (%1, '0000', '%2', %3, '%4', %5, %6)")
                .arg(id).arg(numero, fecha(d), nit, monto, iva));
    }
    void descuento(int id, const QString& numero, const QString& nit, const QDate& d, const QString& monto) {
        run(QStringLiteral("insert into NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, TERC_NIT, "
                           "NCPR_MONTO) values (%1, '0000', '%2', %3, '%4', %5)")
                .arg(id).arg(numero, fecha(d), nit, monto));
    }
    void anticipo(int id, const QString& numero, const QString& nit, const QDate& d, const QString& base) {
        run(QStringLiteral("insert into ANTICIPOS_PROVEEDOR (ANPR_ID, PREF_PRE, ANPR_NUMERO, ANPR_FECHA, TERC_NIT, "
                           "ANPR_BASE, EGRE_ID) values (%1, '0000', '%2', %3, '%4', %5, 0)")
                .arg(id).arg(numero, fecha(d), nit, base));
    }
    void egreso(int id, const QString& numero, const QString& nit, const QDate& d) {
        run(QStringLiteral("insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT) "
                           "values (%1, '0000', '%2', %3, '%4')").arg(id).arg(numero, fecha(d), nit));
    }
    void pago(int egreso, int item, int tipo, int iddoc, const QString& abono, const QString& dtof = QStringLiteral("0")) {
        run(QStringLiteral("insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, EGDE_ABONO, EGDE_DTOF) "
                           "values (%1, %2, %3, %4, %5, %6)").arg(egreso).arg(item).arg(tipo).arg(iddoc).arg(abono, dtof));
    }
    void aplicacion(int id, const QString& numero, const QString& nit, const QDate& d) {
        run(QStringLiteral("insert into APLICACION_PROVEDOR (APPR_ID, PREF_PRE, APPR_NUMERO, APPR_FECHA, TERC_NIT) "
                           "values (%1, '0000', '%2', %3, '%4')").arg(id).arg(numero, fecha(d), nit));
    }
    void aplicado(int appr, int item, int tipo, int iddoc, const QString& valor) {
        run(QStringLiteral("insert into APLICACION_PROVEEDOR_DETALLE (APPR_ID, APPD_ITEM, APPD_TIPODOC, APPD_IDDOC, "
                           "APPD_APLICADO) values (%1, %2, %3, %4, %5)").arg(appr).arg(item).arg(tipo).arg(iddoc).arg(valor));
    }
};

const QDate kAgo1(2022, 8, 1);
const QDate kAgo20(2022, 8, 20);
const QDate kSep1(2022, 9, 1);
const QDate kSep10(2022, 9, 10);
const QDate kSep15(2022, 9, 15);
const QDate kHoy(2022, 9, 21);

TEST_F(LibroTest, PagoParcialYSuAnulacionEnFechasPasadas) {
    // Withholdings taken at accrual (the default): the debt is 1,000 + 190 - 25.
    factura(100, QStringLiteral("000100"), kTransportes, kSep1, QStringLiteral("1000"), QStringLiteral("190"),
            QStringLiteral("25"));
    egreso(100, QStringLiteral("000100"), kTransportes, kSep10);
    pago(100, 1, 21, 100, QStringLiteral("500"), QStringLiteral("10"));

    EXPECT_EQ(saldo(21, 100, kAgo20), QStringLiteral("0.00")) << "before the invoice existed";
    EXPECT_EQ(saldo(21, 100, kSep1), QStringLiteral("1165.00"));
    EXPECT_EQ(saldo(21, 100, kSep10), QStringLiteral("655.00"));
    EXPECT_EQ(guardado(21, 100), QStringLiteral("655.00"));
    Busqueda b = busca(21, QStringLiteral("000100"), kTransportes, kHoy);
    EXPECT_EQ(b.error, 0);
    EXPECT_EQ(b.id, 100);
    EXPECT_EQ(b.saldo, QStringLiteral("655.00"));
    EXPECT_EQ(b.rtfte, QStringLiteral("0.00")) << "taken at accrual, nothing left to withhold";
    EXPECT_EQ(b.numprov, QStringLiteral("P-000100"));
    const QString previo = saldoTercero(kTransportes, kSep10);

    run(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 100"));
    EXPECT_EQ(saldo(21, 100, kSep15), QStringLiteral("1165.00"));
    EXPECT_EQ(guardado(21, 100), QStringLiteral("1165.00"));
    EXPECT_EQ(Currency::fromText(saldoTercero(kTransportes, kSep10)) - Currency::fromText(previo),
              Currency::fromText(QStringLiteral("510")));

    // Deleting the annulled voucher leaves nothing behind either.
    run(QStringLiteral("delete from EGRESOS where EGRE_ID = 100"));
    EXPECT_EQ(guardado(21, 100), QStringLiteral("1165.00"));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select count(*) from ABONOS_PROVEEDOR")).toInt(), 0);
}

TEST_F(LibroTest, RetencionesPendientesCuandoSeTomanAlPagar) {
    run(QStringLiteral("update CONFIGURACION set CONF_VALOR = 'NO' where CONF_MODULO = 'CXPAGAR' "
                       "and CONF_PROPIEDAD = 'DESCONTAR RETENCIONES POR CAUSACION'"));
    factura(101, QStringLiteral("000101"), kTransportes, kSep1, QStringLiteral("1000"), QStringLiteral("190"),
            QStringLiteral("25"));
    EXPECT_EQ(busca(21, QStringLiteral("000101"), kTransportes, kSep1).saldo, QStringLiteral("1190.00"));
    EXPECT_EQ(busca(21, QStringLiteral("000101"), kTransportes, kSep1).rtfte, QStringLiteral("25.00"));
    EXPECT_EQ(busca(21, QStringLiteral("000101"), kTransportes, kSep1).dtof, QStringLiteral("10.00"));
    EXPECT_EQ(busca(21, QStringLiteral("000101"), kTransportes, kSep10).dtof, QStringLiteral("0.00"))
        << "the prompt-payment discount ends on its date";

    egreso(101, QStringLiteral("000101"), kTransportes, kSep10);
    run(QStringLiteral("insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, EGDE_ABONO, "
                       "EGDE_RTFTE) values (101, 1, 21, 101, 1165, 25)"));
    Busqueda b = busca(21, QStringLiteral("000101"), kTransportes, kHoy);
    EXPECT_EQ(b.error, 4) << "abono and withholding settle the document";
}

TEST_F(LibroTest, CargoYDescuentoAplicados) {
    cargo(200, QStringLiteral("000200"), kPapeleria, kSep1, QStringLiteral("2000"), QStringLiteral("380"));
    descuento(201, QStringLiteral("000201"), kPapeleria, kSep1, QStringLiteral("300"));
    EXPECT_EQ(saldo(51, 200, kSep1), QStringLiteral("2380.00"));
    EXPECT_EQ(saldo(52, 201, kSep1), QStringLiteral("-300.00"));

    aplicacion(200, QStringLiteral("000200"), kPapeleria, kSep10);
    aplicado(200, 1, 51, 200, QStringLiteral("300"));
    aplicado(200, 2, 52, 201, QStringLiteral("-300"));
    EXPECT_EQ(saldo(51, 200, kHoy), QStringLiteral("2080.00"));
    EXPECT_EQ(saldo(52, 201, kHoy), QStringLiteral("0.00"));
    EXPECT_EQ(saldo(52, 201, kSep1), QStringLiteral("-300.00"));
    EXPECT_EQ(busca(52, QStringLiteral("000201"), kPapeleria, kHoy).error, 4);

    // A settled document cannot be annulled or deleted under its application.
    EXPECT_TRUE(refused(QStringLiteral("update NOTAS_CREDITO_PROVEEDOR set NCPR_ANULADO = 'S' where NCPR_ID = 201"))
                    .contains(QStringLiteral("Anúlelos primero")))
        << dialogs.lastError().toStdString();
    refused(QStringLiteral("delete from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = 200"));

    // Annulled the way the search does it: lines first, then the header.
    run(QStringLiteral("update APLICACION_PROVEEDOR_DETALLE set APPD_ANULADO = 'S' where APPR_ID = 200"));
    run(QStringLiteral("update APLICACION_PROVEDOR set APPR_ANULADO = 'S' where APPR_ID = 200"));
    EXPECT_EQ(guardado(51, 200), QStringLiteral("2380.00"));
    EXPECT_EQ(guardado(52, 201), QStringLiteral("-300.00"));

    run(QStringLiteral("update NOTAS_CREDITO_PROVEEDOR set NCPR_ANULADO = 'S' where NCPR_ID = 201"));
    EXPECT_EQ(saldo(52, 201, kHoy), QStringLiteral("0.00"));
    EXPECT_EQ(busca(52, QStringLiteral("000201"), kPapeleria, kHoy).error, 1) << "annulled is not found";
    aplicacion(202, QStringLiteral("000202"), kPapeleria, kHoy);
    EXPECT_TRUE(refused(QStringLiteral("insert into APLICACION_PROVEEDOR_DETALLE (APPR_ID, APPD_ITEM, APPD_TIPODOC, "
                                       "APPD_IDDOC, APPD_APLICADO) values (202, 1, 52, 201, -1)"))
                    .contains(QStringLiteral("anulado")))
        << dialogs.lastError().toStdString();
}

TEST_F(LibroTest, AnticipoNacidoEnElEgresoYAplicado) {
    // Born inside a voucher not stored yet: a credit of 100 the voucher must pay out.
    anticipo(300, QStringLiteral("000300"), kTransportes, kSep10, QStringLiteral("100"));
    EXPECT_EQ(saldo(55, 300, kSep10), QStringLiteral("-100.00"));
    EXPECT_EQ(busca(55, QStringLiteral("000300"), kTransportes, kSep10).saldo, QStringLiteral("-100.00"));

    egreso(300, QStringLiteral("000300"), kTransportes, kSep10);
    pago(300, 1, 55, 300, QStringLiteral("100"));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select EGRE_ID from ANTICIPOS_PROVEEDOR where ANPR_ID = 300")).toInt(), 300);
    EXPECT_EQ(saldo(55, 300, kHoy), QStringLiteral("-100.00")) << "paying it out does not settle it";
    // Another voucher cannot pay the same advance again.
    egreso(301, QStringLiteral("000301"), kTransportes, kSep10);
    refused(QStringLiteral("insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, EGDE_ABONO) "
                           "values (301, 1, 55, 300, 100)"));

    factura(300, QStringLiteral("000300"), kTransportes, kSep10, QStringLiteral("1000"));
    aplicacion(300, QStringLiteral("000300"), kTransportes, kSep15);
    aplicado(300, 1, 21, 300, QStringLiteral("100"));
    aplicado(300, 2, 55, 300, QStringLiteral("-100"));
    EXPECT_EQ(saldo(55, 300, kHoy), QStringLiteral("0.00"));
    EXPECT_EQ(saldo(21, 300, kHoy), QStringLiteral("900.00"));
    EXPECT_EQ(saldo(55, 300, kSep10), QStringLiteral("-100.00"));

    // The voucher cannot be annulled while its advance is applied...
    refused(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 300"));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select ANPR_ANULADO from ANTICIPOS_PROVEEDOR where ANPR_ID = 300")).toString(),
              QStringLiteral("N"));
    // ...and once the application is gone, annulling it annuls the advance.
    run(QStringLiteral("delete from APLICACION_PROVEDOR where APPR_ID = 300"));
    EXPECT_EQ(saldo(21, 300, kHoy), QStringLiteral("1000.00"));
    run(QStringLiteral("update EGRESOS set EGRE_ANULADO = 'S' where EGRE_ID = 300"));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select ANPR_ANULADO from ANTICIPOS_PROVEEDOR where ANPR_ID = 300")).toString(),
              QStringLiteral("S"));
    EXPECT_EQ(saldo(55, 300, kHoy), QStringLiteral("0.00"));
}

TEST_F(LibroTest, LineaDeAnticipoBorradaLoDevuelveAlEgresoSinGrabar) {
    anticipo(310, QStringLiteral("000310"), kTransportes, kSep10, QStringLiteral("50"));
    egreso(310, QStringLiteral("000310"), kTransportes, kSep10);
    pago(310, 1, 55, 310, QStringLiteral("50"));
    run(QStringLiteral("delete from EGRESODETALLE where EGRE_ID = 310"));
    EXPECT_EQ(dm->sql().scalar(QStringLiteral("select EGRE_ID from ANTICIPOS_PROVEEDOR where ANPR_ID = 310")).toInt(), 0);
    // The voucher window then drops advances left without a voucher.
    run(QStringLiteral("delete from ANTICIPOS_PROVEEDOR where EGRE_ID = 0 and ANPR_ID = 310"));
    EXPECT_EQ(guardado(55, 310), QStringLiteral("sin fila"));
}

TEST_F(LibroTest, SaldoEnMonedaExtranjera) {
    factura(400, QStringLiteral("000400"), kTransportes, kSep1, QStringLiteral("400000"), QStringLiteral("0"),
            QStringLiteral("0"), 2, QStringLiteral("4000"));
    egreso(400, QStringLiteral("000400"), kTransportes, kSep10);
    pago(400, 1, 21, 400, QStringLiteral("100000"));
    EXPECT_EQ(saldo(21, 400, kSep1, 2), QStringLiteral("100.00"));
    EXPECT_EQ(saldo(21, 400, kHoy, 2), QStringLiteral("75.00"));
    EXPECT_EQ(saldo(21, 400, kHoy, 0), QStringLiteral("300000.00"));
    EXPECT_EQ(busca(21, QStringLiteral("000400"), kTransportes, kHoy, 2).saldo, QStringLiteral("75.00"));
}

TEST_F(LibroTest, CodigosDeErrorDeLaBusqueda) {
    factura(500, QStringLiteral("000500"), kTransportes, kSep10, QStringLiteral("100"));
    EXPECT_EQ(busca(21, QStringLiteral("999999"), kTransportes, kHoy).error, 1);
    EXPECT_EQ(busca(51, QStringLiteral("000500"), kTransportes, kHoy).error, 1) << "same number, other type";
    Busqueda otro = busca(21, QStringLiteral("000500"), kPapeleria, kHoy);
    EXPECT_EQ(otro.error, 2);
    EXPECT_EQ(otro.id, 0);
    EXPECT_EQ(busca(21, QStringLiteral("000500"), kTransportes, kSep1).error, 3);
    egreso(500, QStringLiteral("000500"), kTransportes, kSep15);
    pago(500, 1, 21, 500, QStringLiteral("100"));
    EXPECT_EQ(busca(21, QStringLiteral("000500"), kTransportes, kHoy).error, 4);
}

TEST_F(LibroTest, ChequeoEncuentraYReparaSaldosAlterados) {
    factura(600, QStringLiteral("000600"), kTransportes, kSep1, QStringLiteral("1000"));
    cargo(600, QStringLiteral("000600"), kTransportes, kSep1, QStringLiteral("200"));
    egreso(600, QStringLiteral("000600"), kTransportes, kSep10);
    pago(600, 1, 21, 600, QStringLiteral("400"));
    pago(600, 2, 51, 600, QStringLiteral("50"));
    auto filas = [this] {
        QStringList r;
        auto q = dm->sql().select(QStringLiteral("select TIPO, ID, PREFIJO, NUMERO, cast(GUARDADO as varchar(24)) GUARDADO, "
                                                   "cast(CALCULADO as varchar(24)) CALCULADO from CHEQUEO_SALDOS_DOC_CXPAGAR"));
        while (q && q->next())
            r << QStringLiteral("%1/%2 %3%4 %5 -> %6")
                     .arg(q->value(QStringLiteral("TIPO")).toInt())
                     .arg(q->value(QStringLiteral("ID")).toInt())
                     .arg(q->value(QStringLiteral("PREFIJO")).toString(), q->value(QStringLiteral("NUMERO")).toString(),
                          q->value(QStringLiteral("GUARDADO")).toString(),
                          q->value(QStringLiteral("CALCULADO")).toString());
        return r;
    };
    EXPECT_TRUE(filas().isEmpty());

    run(QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_SALDO = 7 where MVPR_TIPOREF = 21 and MVPR_IDREF = 600"));
    // A lost movement is rebuilt from its voucher line.
    run(QStringLiteral("delete from ABONOS_PROVEEDOR where ABPR_TIPOREF = 51 and ABPR_IDREF = 600"));
    EXPECT_EQ(filas(), (QStringList{QStringLiteral("21/600 0000000600 7.00 -> 600.00"),
                                    QStringLiteral("51/600 0000000600 100.00 -> 150.00")}));
    EXPECT_EQ(guardado(21, 600), QStringLiteral("600.00"));
    EXPECT_EQ(saldo(51, 600, kHoy), QStringLiteral("150.00"));
    EXPECT_TRUE(filas().isEmpty());
}

}  // namespace
