#include <gtest/gtest.h>

#include <QStringList>

#include "tests/support/documentos_fixture.h"

namespace {

using CuadreTest = ledgrix::test::DocumentosTest;

// One batch of generated documents, each posted (NIIF mode mostly, local
// mode for every fifth document of each kind: see modo()) and moved into the
// ledger in the same statement. The
// numbers come from a seeded generator so a failure can be replayed. Kinds in
// turn: charge, discount, application of a charge against a discount or an
// advance, payment voucher of a charge with discount, withholding, excess,
// receivables cross, free lines, cash and bank. Faults on purpose: an
// interface that leaves VAT out, cost-centre shares that miss the base, a bank
// line one peso off.
QString lote(int desde, int cantidad, int semilla) {
    return QStringLiteral(R"(
EXECUTE BLOCK AS
DECLARE FUNCTION AZAR(N INTEGER) RETURNS INTEGER AS
    DECLARE S BIGINT;
    DECLARE X VARCHAR(20);
BEGIN
    S = MOD(CAST(RDB$GET_CONTEXT('USER_TRANSACTION', 'AZAR') AS BIGINT) * 1103515245 + 12345, 2147483648);
    X = RDB$SET_CONTEXT('USER_TRANSACTION', 'AZAR', S);
    RETURN MOD(S / 65536, N);
END
DECLARE FUNCTION IMPORTE(MILES INTEGER, PESOS INTEGER, CENTAVOS INTEGER, N INTEGER) RETURNS NUMERIC(15,2) AS
    DECLARE F NUMERIC(18,2);
BEGIN
    F = DECODE(N, -2, 0.01, -1, 0.1, 0, 1, 1, 10, 2, 100, 1000);
    RETURN ROUND((MILES * 1000 + PESOS + CENTAVOS / 100.00) / F, 0) * F;
END
DECLARE I INTEGER;
DECLARE ID INTEGER; DECLARE ID2 INTEGER;
DECLARE N INTEGER;
DECLARE NIT VARCHAR(20);
DECLARE MONTO NUMERIC(15,2); DECLARE IVA NUMERIC(15,2); DECLARE RTFTE NUMERIC(15,2);
DECLARE RTIVA NUMERIC(15,2); DECLARE RTICA NUMERIC(15,2); DECLARE RCREE NUMERIC(15,2);
DECLARE EXTRA NUMERIC(15,2); DECLARE DTOF NUMERIC(15,2); DECLARE ABONO NUMERIC(15,2);
DECLARE EXCE NUMERIC(15,2); DECLARE CRUCE NUMERIC(15,2); DECLARE CAJA NUMERIC(15,2);
DECLARE PIVA NUMERIC(15,2); DECLARE PFTE NUMERIC(15,2); DECLARE PICA NUMERIC(15,2); DECLARE PCREE NUMERIC(15,4);
DECLARE MONEDA INTEGER; DECLARE TRM NUMERIC(15,2);
DECLARE INTERFAZ INTEGER;
DECLARE NIIF INTEGER;
DECLARE IDC INTEGER;
DECLARE X VARCHAR(20);
BEGIN
    X = RDB$SET_CONTEXT('USER_TRANSACTION', 'AZAR', %3);
    I = %1;
    WHILE (I < %1 + %2) DO
    BEGIN
        ID = 20000 + I; ID2 = 40000 + I;
        N = AZAR(6) - 2;
        NIT = DECODE(AZAR(3), 0, '900123456', 1, '860045678', '800987654');
        MONTO = IMPORTE(AZAR(20000), AZAR(1000), AZAR(100), N);
        PIVA = DECODE(AZAR(3), 0, 0, 1, 5, 19);
        IVA = ROUND(MONTO * PIVA / 100, 2);
        PFTE = DECODE(AZAR(5), 0, 0, 1, 1, 2, 2.5, 3, 4, 11);
        RTFTE = ROUND(MONTO * PFTE / 100, 2);
        RTIVA = IIF(AZAR(2) = 0, ROUND(IVA * 0.15, 2), 0);
        PICA = DECODE(AZAR(4), 0, 0, 1, 4.14, 2, 9.66, 11.04);
        RTICA = ROUND(MONTO * PICA / 1000, 2);
        PCREE = DECODE(AZAR(3), 0, 0.4, 0);
        RCREE = ROUND(MONTO * PCREE / 100, 2);
        EXTRA = IIF(AZAR(4) = 0, IMPORTE(AZAR(50), AZAR(1000), AZAR(100), N), 0);
        MONEDA = IIF(AZAR(4) = 0, 2, 1);
        TRM = IIF(MONEDA = 2, 3948.10, 1);
        NIIF = IIF(MOD(I / 4, 5) = 0, 0, 1);

        IF (MOD(I, 4) = 0) THEN
        BEGIN
            INSERT INTO NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, NDPR_VENCE, TERC_NIT,
                NDPR_MONTO, NDPR_IVAPORC, NDPR_IVAMONTO, NDPR_RTFTEPORC, NDPR_RTFTEMONTO, NDPR_RTIVAPORC,
                NDPR_RTIVAMONTO, NDPR_RTICAPORC, NDPR_RTICAMONTO, NDPR_RTCREE, NDPR_RTCREEM, NDPR_EXTRA,
                NDPR_MONEDA, NDPR_TRM, NDPR_PROY, NDPR_CENTRO, NDPR_SUBC)
            VALUES (:ID, '0000', LPAD(:ID, 6, '0'), '2022-09-10', '2022-10-10', :NIT, :MONTO, :PIVA, :IVA,
                :PFTE, :RTFTE, 15, :RTIVA, :PICA, :RTICA, :PCREE, :RCREE, :EXTRA, :MONEDA, :TRM,
                IIF(AZAR(2) = 0, '0001', NULL), IIF(AZAR(2) = 0, '0100', NULL), '0001');
            IF (AZAR(5) = 0) THEN
            BEGIN
                CAJA = ROUND(MONTO * AZAR(100) / 100, 2);
                INSERT INTO CENTROS_DOCUMENTO VALUES (51, :ID, 1, '0001', '0100', '0001', :CAJA);
                INSERT INTO CENTROS_DOCUMENTO VALUES (51, :ID, 2, '0001', '0200', '0001',
                    :MONTO - :CAJA + IIF(AZAR(4) = 0, 1, 0));
            END
            INTERFAZ = (SELECT MIN(INCP_ID) FROM INTERFAZ_CXPAGAR WHERE TIDO_COD = 51);
            IF (AZAR(8) = 0) THEN
                INTERFAZ = (SELECT MAX(INCP_ID) FROM INTERFAZ_CXPAGAR WHERE TIDO_COD = 51);
            IF (NIIF = 1) THEN
                SELECT IDC FROM CONTABIL_NOTADBPR_NIIF(:ID, :INTERFAZ, 0) INTO :IDC;
            ELSE
                SELECT IDC FROM CONTABIL_NOTADBPR(:ID, :INTERFAZ, 0) INTO :IDC;
            EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(:IDC);
        END
        ELSE IF (MOD(I, 4) = 1) THEN
        BEGIN
            INSERT INTO NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, TERC_NIT, NCPR_MONTO,
                NCPR_IVAPORC, NCPR_IVAMONTO, NCPR_RTFTEPORC, NCPR_RTFTEMONTO, NCPR_RTIVAMONTO, NCPR_RTICAPORC,
                NCPR_RTICAMONTO, NCPR_EXTRA, NCPR_MONEDA, NCPR_TRM)
            VALUES (:ID, '0000', LPAD(:ID, 6, '0'), '2022-09-10', :NIT, :MONTO, :PIVA, :IVA, :PFTE, :RTFTE,
                :RTIVA, :PICA, :RTICA, :EXTRA, :MONEDA, :TRM);
            INTERFAZ = (SELECT INCP_ID FROM INTERFAZ_CXPAGAR WHERE TIDO_COD = 52);
            IF (NIIF = 1) THEN
                SELECT IDC FROM CONTABIL_NOTACRPR_NIIF(:ID, :INTERFAZ, 0) INTO :IDC;
            ELSE
                SELECT IDC FROM CONTABIL_NOTACRPR(:ID, :INTERFAZ, 0) INTO :IDC;
            EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(:IDC);
        END
        ELSE IF (MOD(I, 4) = 2) THEN
        BEGIN
            INSERT INTO NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, TERC_NIT, NDPR_MONTO,
                NDPR_IVAMONTO) VALUES (:ID2, '0000', LPAD(:ID2, 6, '0'), '2022-09-01', :NIT, :MONTO, :IVA);
            ABONO = ROUND(MONTO * (AZAR(90) + 10) / 100, 2);
            IF (AZAR(2) = 0) THEN
                INSERT INTO NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, TERC_NIT, NCPR_MONTO)
                VALUES (:ID2, '0000', LPAD(:ID2, 6, '0'), '2022-09-01', :NIT, :ABONO);
            ELSE
                INSERT INTO ANTICIPOS_PROVEEDOR (ANPR_ID, PREF_PRE, ANPR_NUMERO, ANPR_FECHA, TERC_NIT, ANPR_BASE, EGRE_ID)
                VALUES (:ID2, '0000', LPAD(:ID2, 6, '0'), '2022-09-01', :NIT, :ABONO, 0);
            RTFTE = ROUND(ABONO * PFTE / 100, 2);
            INSERT INTO APLICACION_PROVEDOR (APPR_ID, PREF_PRE, APPR_NUMERO, APPR_FECHA, TERC_NIT, APPR_MONEDA, APPR_TRM)
            VALUES (:ID, '0000', LPAD(:ID, 6, '0'), '2022-09-10', :NIT, :MONEDA, :TRM);
            INSERT INTO APLICACION_PROVEEDOR_DETALLE (APPR_ID, APPD_ITEM, APPD_TIPODOC, APPD_IDDOC, APPD_APLICADO, APPD_RTFTE)
            VALUES (:ID, 1, 51, :ID2, :ABONO - :RTFTE, :RTFTE);
            INSERT INTO APLICACION_PROVEEDOR_DETALLE (APPR_ID, APPD_ITEM, APPD_TIPODOC, APPD_IDDOC, APPD_APLICADO)
            SELECT :ID, 2, IIF(EXISTS(SELECT 1 FROM ANTICIPOS_PROVEEDOR WHERE ANPR_ID = :ID2), 55, 52), :ID2,
                -(:ABONO - :RTFTE) FROM RDB$DATABASE;
            INTERFAZ = (SELECT INCP_ID FROM INTERFAZ_CXPAGAR WHERE TIDO_COD = 53);
            IF (NIIF = 1) THEN
                SELECT IDC FROM CONTABIL_APLICAPR_NIIF(:ID, :INTERFAZ, 0) INTO :IDC;
            ELSE
                SELECT IDC FROM CONTABIL_APLICAPR(:ID, :INTERFAZ, 0) INTO :IDC;
            EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(:IDC);
        END
        ELSE
        BEGIN
            INSERT INTO NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, TERC_NIT, NDPR_MONTO,
                NDPR_IVAMONTO) VALUES (:ID2, '0000', LPAD(:ID2, 6, '0'), '2022-09-01', :NIT, :MONTO, :IVA);
            DTOF = IIF(AZAR(3) = 0, ROUND(MONTO * 0.02, 2), 0);
            ABONO = MONTO + IVA - DTOF - RTFTE - RTICA;
            EXCE = IIF(AZAR(6) = 0, IMPORTE(AZAR(10), AZAR(1000), AZAR(100), N), 0);
            CRUCE = IIF(AZAR(6) = 0, ROUND(ABONO * AZAR(50) / 100, 2), 0);
            INSERT INTO EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT, EGRE_MONTO, EGRE_EXCEDENTE,
                EGRE_MONEDA, EGRE_TRM1)
            VALUES (:ID, '0000', LPAD(:ID, 6, '0'), '2022-09-15', :NIT, :ABONO + :EXCE - :CRUCE, :EXCE, :MONEDA, :TRM);
            INSERT INTO EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, EGDE_ABONO, EGDE_DTOF,
                EGDE_RTFTE, EGDE_RTICA) VALUES (:ID, 1, 51, :ID2, :ABONO, :DTOF, :RTFTE, :RTICA);
            IF (CRUCE <> 0) THEN
            BEGIN
                INSERT INTO FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, FACT_MONTO)
                VALUES (:ID, '0000', LPAD(:ID, 8, '0'), '2022-09-01', :NIT, :CRUCE + 100);
                INSERT INTO EGRECRUCES (EGRE_ID, EGCC_ITEM, EGCC_TIPODOC, EGCC_IDDOC, EGCC_PREFIJO, EGCC_NUMERO,
                    EGCC_ABONO, EGCC_RTFTE) VALUES (:ID, 1, 31, :ID, '0000', LPAD(:ID, 8, '0'), :CRUCE, 100);
            END
            IF (AZAR(5) = 0) THEN
            BEGIN
                INSERT INTO EGRECONTA (EGRE_ID, EGCO_ITEM, CUEN_COD, EGCO_DEBITOS) VALUES (:ID, 1, '53053501', 1234.56);
                INSERT INTO EGRECONTA (EGRE_ID, EGCO_ITEM, CUEN_COD, EGCO_CREDITOS) VALUES (:ID, 2, '11050501', 1234.56);
            END
            CAJA = ROUND((ABONO + EXCE - CRUCE) * AZAR(3) / 2, 2);
            IF (CAJA <> 0) THEN
                INSERT INTO EGRECAJA (EGRE_ID, EGCA_ITEM, CAJA_ID, FOPA_ID, EGCA_MONTO) VALUES (:ID, 1, 1, 1, :CAJA);
            IF (ABONO + EXCE - CRUCE - CAJA <> 0) THEN
                INSERT INTO EGREBANCO (EGRE_ID, EGBC_TIPOBCO, CUBA_COD, PRBA_PREF, EGBC_NUMERO, EGBC_MONTO)
                VALUES (:ID, 72, 'BOGCTE', 'CH', LPAD(:ID, 6, '0'),
                    :ABONO + :EXCE - :CRUCE - :CAJA + IIF(AZAR(20) = 0, 1, 0));
            INTERFAZ = (SELECT INCJ_ID FROM INTERFAZ_CAJA WHERE TIDO_COD = 62);
            IF (NIIF = 1) THEN
                SELECT IDC FROM CONTABIL_EGRESO_NIIF(:ID, :INTERFAZ, 0) INTO :IDC;
            ELSE
                SELECT IDC FROM CONTABIL_EGRESO(:ID, :INTERFAZ, 0) INTO :IDC;
            EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(:IDC);
        END
        I = I + 1;
    END
END)")
        .arg(desde)
        .arg(cantidad)
        .arg(semilla);
}

// Vouchers where whether a book balances and whether the posting said it does
// not disagree: "TYPE/ID" of the first ten.
QString desacuerdos(const ledgrix::SqlRunner& sql, bool niif) {
    const QString tabla =
        niif ? QStringLiteral("COMPROBANTE_DETALLE_NIIF") : QStringLiteral("COMPROBANTE_DETALLE");
    const QString filtro =
        niif ? QStringLiteral("containing 'NIIF'") : QStringLiteral("not containing 'NIIF'");
    auto q = sql.select(
        QStringLiteral(
            "select first 10 h.ENCO_TIPOREF || '/' || h.ENCO_IDREF from COMPROBANTE_ENCABEZADO h "
            "where iif((select coalesce(sum(d.CODE_DEBITOS - d.CODE_CREDITOS), 0) from %1 d "
            "           where d.ENCO_CONSEC = h.ENCO_CONSEC) <> 0, 1, 0) "
            "   <> iif(exists(select 1 from ERRORES e where e.ERRO_IDDOC = h.ENCO_IDREF "
            "        and e.ERRO_TIPODOC in (h.ENCO_TIPOREF, h.ENCO_TIPOREF + 1000) and "
            "e.ERRO_CODIGO = 'DESC' "
            "        and e.ERRO_CADENA %2 and e.ERRO_CADENA containing 'no cuadra'), 1, 0)")
            .arg(tabla, filtro));
    QStringList malos;
    while (q && q->next())
        malos << q->value(0).toString();
    return malos.join(QLatin1Char(' '));
}

// The kind of a generated document's ledger voucher and the mode it was
// posted in, as lote() chose them.
const QString kTipoYModo = QStringLiteral(
    "h.ENCO_TIPOREF || iif(mod((h.ENCO_IDREF - 20000) / 4, 5) = 0, ' local', ' NIIF')");

// Vouchers that have lines in one book and none in the other: "TYPE/ID" of
// the first ten.
QString un_solo_libro(const ledgrix::SqlRunner& sql) {
    auto q = sql.select(QStringLiteral(
        "select first 10 h.ENCO_TIPOREF || '/' || h.ENCO_IDREF from COMPROBANTE_ENCABEZADO h "
        "where exists(select 1 from COMPROBANTE_DETALLE d where d.ENCO_CONSEC = h.ENCO_CONSEC) "
        "   <> exists(select 1 from COMPROBANTE_DETALLE_NIIF n where n.ENCO_CONSEC = "
        "h.ENCO_CONSEC)"));
    QStringList malos;
    while (q && q->next())
        malos << q->value(0).toString();
    return malos.join(QLatin1Char(' '));
}

TEST_F(CuadreTest, NingunComprobanteDescuadradoSinReporte) {
    // A charge interface that leaves VAT out (NIIF by equivalence), and
    // additional lines that move 1.5% of the base between two accounts.
    run(QStringLiteral(
        "insert into INTERFAZ_CXPAGAR (INCP_ID, TIDO_COD, PREF_PRE, TICO_COD, PRCO_PRE, "
        "INCP_NOMBRE, "
        "INCP_BASE, INCP_IVA, INCP_RTFTE, INCP_RTIVA, INCP_RTICA, INCP_RTCREE, INCP_PROV, "
        "INCP_EXTRA, "
        "INCP_CTABASE, INCP_CTARTCREE, INCP_CTAEXTRA, INCP_CONFIRMAR, INCP_EQUIVALENCIA) "
        "select 90, 51, '0000', 'CXP', '0001', 'Sin IVA', 'K', 'N', 'T', 'T', 'T', 'K', 'T', 'K', "
        "'51355001', '23657501', '51355001', 'N', 'S' from RDB$DATABASE"));
    run(QStringLiteral(
        "insert into INTERFAZ_CXPAGAR_CTAS select INCP_ID, 1, '51953001', 'BASE', 0, 1.5, 'S' "
        "from INTERFAZ_CXPAGAR where TIDO_COD = 51"));
    run(QStringLiteral(
        "insert into INTERFAZ_CXPAGAR_CTAS select INCP_ID, 2, '22050501', 'BASE', 0, 1.5, 'N' "
        "from INTERFAZ_CXPAGAR where TIDO_COD = 51"));
    run(
        QStringLiteral("update CONFIGURACION set CONF_VALOR = '2' where CONF_PROPIEDAD = "
                       "'REDONDEO AL MULTIPLO DE DIEZ EN COMPROBANTES'"));

    constexpr int kLote = 500;
    constexpr int kDocumentos = 6000;
    for (int desde = 0; desde < kDocumentos; desde += kLote)
        run(lote(desde, kLote, 7919 + desde));

    EXPECT_EQ(dm->sql()
                  .scalar(QStringLiteral(
                      "select count(*) from COMPROBANTE_ENCABEZADO where ENCO_IDREF >= 20000 "
                      "and ENCO_IDREF < 40000"))
                  .toInt(),
              kDocumentos);
    EXPECT_EQ(desacuerdos(dm->sql(), false), QString());
    EXPECT_EQ(desacuerdos(dm->sql(), true), QString());

    // Both books, whatever the mode: every kind in every mode reached both.
    EXPECT_EQ(un_solo_libro(dm->sql()), QString());
    auto q =
        dm->sql().select(QStringLiteral("select %1, count(*) from COMPROBANTE_ENCABEZADO h where "
                                        "exists(select 1 from COMPROBANTE_DETALLE_NIIF n where "
                                        "n.ENCO_CONSEC = h.ENCO_CONSEC) group by 1")
                             .arg(kTipoYModo));
    QStringList combinaciones;
    while (q && q->next())
        if (q->value(1).toInt() > 0)
            combinaciones << q->value(0).toString();
    EXPECT_EQ(combinaciones.size(), 8) << combinaciones.join(QLatin1Char(',')).toStdString();

    // The faults planted did happen and were reported; most vouchers balance.
    const int descuadrados =
        dm->sql()
            .scalar(QStringLiteral("select count(distinct ERRO_IDDOC) from ERRORES "
                                   "where ERRO_CODIGO = 'DESC'"))
            .toInt();
    EXPECT_GT(descuadrados, kDocumentos / 100);
    EXPECT_LT(descuadrados, kDocumentos / 5);
    EXPECT_GT(
        dm->sql()
            .scalar(QStringLiteral("select count(*) from ERRORES where ERRO_CODIGO = 'CENTROS'"))
            .toInt(),
        0);
    EXPECT_EQ(dm->sql()
                  .scalar(QStringLiteral("select count(*) from ERRORES where ERRO_CODIGO not in "
                                         "('DESC', 'CENTROS', 'CENTRO')"))
                  .toInt(),
              0)
        << dm->sql()
               .scalar(QStringLiteral(
                   "select first 1 ERRO_CADENA from ERRORES where ERRO_CODIGO not in "
                   "('DESC', 'CENTROS', 'CENTRO')"))
               .toString()
               .toStdString();
}

}  // namespace
