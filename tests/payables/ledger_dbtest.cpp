#include <gtest/gtest.h>

#include <QDate>

#include "core/money/currency.h"
#include "core/sql/sqltext.h"
#include "tests/support/documentos_fixture.h"

using namespace ledgrix;

using ledgrix::test::Busqueda;
using ledgrix::test::kPapeleria;
using ledgrix::test::kTransportes;

namespace {

using LibroTest = ledgrix::test::DocumentosTest;

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
        auto q = dm->sql().select(
            QStringLiteral("select TIPO, ID, PREF, NUMERO, ERROR from "
                           "CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')"));
        while (q && q->next())
            r << QStringLiteral("%1/%2 %3%4 %5")
                     .arg(q->value(QStringLiteral("TIPO")).toInt())
                     .arg(q->value(QStringLiteral("ID")).toInt())
                     .arg(q->value(QStringLiteral("PREF")).toString(),
                          q->value(QStringLiteral("NUMERO")).toString(),
                          q->value(QStringLiteral("ERROR")).toString());
        return r;
    };
    EXPECT_TRUE(filas().isEmpty());

    run(QStringLiteral("update MOVIMIENTO_PROVEEDOR set MVPR_SALDO = 7 where MVPR_TIPOREF = 21 and MVPR_IDREF = 600"));
    // A lost movement is rebuilt from its voucher line.
    run(QStringLiteral("delete from ABONOS_PROVEEDOR where ABPR_TIPOREF = 51 and ABPR_IDREF = 600"));
    EXPECT_EQ(
        filas(),
        (QStringList{QStringLiteral("21/600 0000000600 Saldo guardado 7,00; recalculado 600,00"),
                     QStringLiteral("51/600 0000000600 Movimiento faltante creado (pago del egreso "
                                    "0000000600, línea 2): 50,00")}));
    EXPECT_EQ(guardado(21, 600), QStringLiteral("600.00"));
    EXPECT_EQ(saldo(51, 600, kHoy), QStringLiteral("150.00"));
    EXPECT_TRUE(filas().isEmpty());
}

}  // namespace
