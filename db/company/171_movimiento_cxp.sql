/* Payables movement over a period: each supplier's movement with its running
   balance and the statement of account (REP_MOVIMIENTO_PROVEEDOR), the
   monthly summary of every supplier (MOVIMIENTO_CXPAGAR_MES) and the
   period's documents for the multidimensional analysis (ANALISIS_CXPAGAR).

   The balances are those of 170_reportes_cxp.sql at a cut-off, so a
   movement report, a relation and an aging of the same day agree:
   - INICIAL is the balance at the day before "date from", SALDO (movement)
     and FINAL (monthly) the balance at "date to", both as the consolidated
     relation gives them: the same document types, agency of the series,
     currency, and suppliers and groups as PROVEEDORES holds them.
   - Between the two, the balance moves by the period's documents (live
     ones of types 21, 24, 51, 52, 55, 57 dated in the period, by their
     MVPR_VALOR, signed as the ledger signs it) and the period's settling
     movements (ABONOS_PROVEEDOR dated in the period, by ABPR_VALOR: amount,
     prompt-payment discount and withholdings, signed like the document
     they settle). A movement counts under the agency and currency of the
     document it settles, and only when that document is dated up to "date
     to"; one dated before its own document (a back-dated entry) counts in
     the period of the document. Annulled documents count nowhere.
   - Amounts in a foreign currency are each converted over the document's
     rate and rounded on their own, so there the sum of the rows may miss
     the balances by the cents of rounding; in local currency it is exact.

   Movement rows (REP_MOVIMIENTO_PROVEEDOR, detail 'S'): every row of a
   supplier carries its INICIAL and SALDO. A document's row has ABONO 0 and
   its RTFTE, RTIVA, RTICA (ICA with CREE) are the withholdings its own
   recording took off the balance (MVPR_RETCAUSA 'S'), signed like the
   document; 0 when they wait for the payment. The window runs the balance
   as INICIAL + DEBITO - CREDITO - ABONO, and when ("CXPAGAR", "SALDOS",
   "DESCONTAR RETENCIONES POR CAUSACION") reads exactly "SI" (a missing or
   any other value counts as no, as the window reads it) it also subtracts
   a document row's withholdings; so DEBITO (positive) or CREDITO (negative,
   as a magnitude) is the document's total before withholdings under that
   setting, and what it moved the balance by otherwise. Either way
   DEBITO - CREDITO - (withholdings the window subtracts) = MVPR_VALOR.
   A settling movement's row has DEBITO and CREDITO 0, ABONO = ABPR_VALOR,
   RTFTE, RTIVA, RTICA 0 (nothing for the window to add back) and the
   withholdings it took in ARTFTE, ARTIVA, ARTICA; TIPODOC/IDDOC/PREFIJO/
   NUMERO are those of the voucher (54), application (53) or credit payable
   (57) that holds it. With this, the running balance of the last row of a
   supplier is its SALDO.
   A supplier with no row in the period gets one row with zeros besides
   INICIAL and SALDO; the window drops it when both are 0 too.
   Without detail: one row per supplier, DEBITO and CREDITO what the
   documents moved the balance by, ABONO the movements, the withholdings 0
   (on such a row the window's rule would subtract them or not depending on
   ABONO) and ARTFTE, ARTIVA, ARTICA the movements' sums; INICIAL + DEBITO -
   CREDITO - ABONO = SALDO.

   Monthly summary: every supplier with a balance or movement in the period,
   all agencies. DEBITOS are the documents that raised the balance (charges,
   invoices, credits payable), CREDITOS the magnitude of those that lowered
   it (discounts, returns, advances), both by what they moved it, net of
   withholdings taken when recorded; ABONOS the settling movements (those
   against a credit document are negative). FINAL = INICIAL + DEBITOS -
   CREDITOS - ABONOS.

   Speed: one supplier's period is two probes of the (NIT, date) indexes of
   the ledger and of its movements. The summary and the analysis read the
   period by IX_MOVIMIENTO_PROVEEDOR_FECHA and IX_ABONOS_PROVEEDOR_FECHA;
   the summary takes today's per-supplier totals of the relation (one
   grouped read of the open book), goes back to "date to" through what was
   recorded or settled after it (the same two indexes), and to the day
   before "date from" through the period: a past month costs what came
   after it, never a walk of every supplier's positions. */

/* The period's documents of every supplier. One more entry per document
   stored, in date order, so it grows at its end. */
CREATE INDEX IX_MOVIMIENTO_PROVEEDOR_FECHA ON MOVIMIENTO_PROVEEDOR (MVPR_FECHA);

SET TERM ^ ;

/* 1 when a document of the ledger falls under the agency and the currency
   asked, as the positions at a cut-off choose them. */
CREATE OR ALTER FUNCTION CXP_DOC_EN_SELECCION (TIPO INTEGER, PREFIJO VARCHAR(4), MONEDADOC INTEGER,
    AGENCIA INTEGER, MONEDA INTEGER)
RETURNS INTEGER
AS
DECLARE SUCU INTEGER;
BEGIN
    IF (COALESCE(MONEDA, 0) NOT IN (0, 1) AND MONEDADOC IS DISTINCT FROM MONEDA) THEN
        RETURN 0;
    IF (COALESCE(AGENCIA, 0) = 0) THEN
        RETURN 1;
    SELECT SUCU_ID FROM PREFIJOS WHERE TIDO_COD = :TIPO AND PREF_PRE = :PREFIJO INTO :SUCU;
    RETURN IIF(SUCU IS NOT DISTINCT FROM AGENCIA, 1, 0);
END^

/* An amount of a document in the currency asked: local, or over the
   document's own rate when a foreign currency is asked (the document is
   then in that currency). */
CREATE OR ALTER FUNCTION CXP_MONTO_EN (VALOR NUMERIC(15,2), TRM NUMERIC(15,4), MONEDA INTEGER)
RETURNS NUMERIC(15,2)
AS
BEGIN
    IF (COALESCE(MONEDA, 0) IN (0, 1) OR TRM IS NULL OR TRM <= 0 OR TRM = 1) THEN
        RETURN VALOR;
    RETURN ROUND(VALOR / TRM, 2);
END^

/* One supplier's balance at the end of CORTE, as the relation adds it up. */
CREATE OR ALTER PROCEDURE CXP_SALDO_PROVEEDOR_CORTE (NIT VARCHAR(20), CORTE DATE, AGENCIA INTEGER,
    MONEDA INTEGER)
RETURNS (SALDO NUMERIC(15,2))
AS
BEGIN
    SELECT COALESCE(SUM(SALDO), 0) FROM CXP_POSICIONES_CORTE(:NIT, :CORTE, :AGENCIA, :MONEDA)
    INTO :SALDO;
    SUSPEND;
END^

/* What moved one supplier's balance in DESDE..HASTA, in date order (rules
   in the header). ES_ABONO 0: a document, VALOR its MVPR_VALOR and
   RTFTE..RTICA the withholdings its recording took; 1: a settling movement,
   VALOR its ABPR_VALOR and RTFTE..RTICA what it withheld. Amounts in the
   currency asked. The documents' texts and figures and the settling
   vouchers' numbers come by joins, not a call per row: a year of a busy
   supplier is tens of thousands of rows. */
CREATE OR ALTER PROCEDURE CXP_MOVIMIENTOS_PERIODO (NIT VARCHAR(20), DESDE DATE, HASTA DATE,
    AGENCIA INTEGER, MONEDA INTEGER)
RETURNS (
    ES_ABONO INTEGER,
    TIPODOC  INTEGER,
    IDDOC    INTEGER,
    PREFIJO  VARCHAR(4),
    NUMERO   VARCHAR(8),
    FECHA    DATE,
    CONCEPTO VARCHAR(60),
    VALOR    NUMERIC(15,2),
    RTFTE    NUMERIC(15,2),
    RTIVA    NUMERIC(15,2),
    RTICA    NUMERIC(15,2)
)
AS
DECLARE PREF_DOC VARCHAR(4);
DECLARE TIPO INTEGER;
DECLARE MONEDADOC INTEGER;
DECLARE TRM NUMERIC(15,4);
DECLARE TODO INTEGER;
DECLARE LOCAL INTEGER;
BEGIN
    AGENCIA = COALESCE(AGENCIA, 0);
    MONEDA = COALESCE(MONEDA, 0);
    LOCAL = IIF(MONEDA IN (0, 1), 1, 0);
    /* Every agency in local currency: nothing to choose among the rows. */
    TODO = IIF(AGENCIA = 0 AND LOCAL = 1, 1, 0);
    FOR SELECT 0, M.MVPR_TIPOREF, M.MVPR_IDREF, M.MVPR_PREFIJO, M.MVPR_NUMERO, M.MVPR_TIPOREF, M.MVPR_PREFIJO,
               M.MVPR_FECHA, M.MVPR_MONEDA, M.MVPR_TRM, M.MVPR_VALOR,
               COALESCE(F.FACO_CONC, D.DECO_CONC, ND.NDPR_CONC, NC.NCPR_CONC, AN.ANPR_CONC, CR.CRCX_CONC),
               /* The withholdings its recording took, signed like the document. */
               IIF(M.MVPR_RETCAUSA = 'S' AND M.MVPR_TOTAL <> M.MVPR_VALOR, IIF(M.MVPR_TIPOREF IN (24, 52, 55), -1, 1) *
                   COALESCE(F.FACO_RTFTEMONTO, D.DECO_RTFTEMONTO, ND.NDPR_RTFTEMONTO, NC.NCPR_RTFTEMONTO,
                            AN.ANPR_RTFTEMONTO, 0), 0),
               IIF(M.MVPR_RETCAUSA = 'S' AND M.MVPR_TOTAL <> M.MVPR_VALOR, IIF(M.MVPR_TIPOREF IN (24, 52, 55), -1, 1) *
                   COALESCE(F.FACO_RTIVAMONTO, D.DECO_RTIVAMONTO, ND.NDPR_RTIVAMONTO, NC.NCPR_RTIVAMONTO,
                            AN.ANPR_RTIVAMONTO, 0), 0),
               IIF(M.MVPR_RETCAUSA = 'S' AND M.MVPR_TOTAL <> M.MVPR_VALOR, IIF(M.MVPR_TIPOREF IN (24, 52, 55), -1, 1) *
                   (COALESCE(F.FACO_RTICAMONTO, D.DECO_RTICAMONTO, ND.NDPR_RTICAMONTO, NC.NCPR_RTICAMONTO,
                             AN.ANPR_RTICAMONTO, 0) +
                    COALESCE(F.FACO_RTCREEM, D.DECO_RTCREEM, ND.NDPR_RTCREEM, NC.NCPR_RTCREEM, 0)), 0)
        FROM MOVIMIENTO_PROVEEDOR M
        LEFT JOIN FACTURAS_COMPRA F ON M.MVPR_TIPOREF = 21 AND F.FACO_ID = M.MVPR_IDREF
        LEFT JOIN DEVOLUCIONES_COMPRAS D ON M.MVPR_TIPOREF = 24 AND D.DECO_ID = M.MVPR_IDREF
        LEFT JOIN NOTAS_DEBITO_PROVEEDOR ND ON M.MVPR_TIPOREF = 51 AND ND.NDPR_ID = M.MVPR_IDREF
        LEFT JOIN NOTAS_CREDITO_PROVEEDOR NC ON M.MVPR_TIPOREF = 52 AND NC.NCPR_ID = M.MVPR_IDREF
        LEFT JOIN ANTICIPOS_PROVEEDOR AN ON M.MVPR_TIPOREF = 55 AND AN.ANPR_ID = M.MVPR_IDREF
        LEFT JOIN CREDITO_CXPAGAR CR ON M.MVPR_TIPOREF = 57 AND CR.CRCX_ID = M.MVPR_IDREF
        WHERE M.TERC_NIT = :NIT AND M.MVPR_FECHA BETWEEN :DESDE AND :HASTA AND M.MVPR_ANULADO = 'N'
          AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
        UNION ALL
        SELECT 1, IIF(X.ABPR_ORIGEN IN ('E', 'C'), 54, IIF(X.ABPR_ORIGEN = 'A', 53, 57)), X.ABPR_IDORI,
               COALESCE(E.PREF_PRE, AP.PREF_PRE, CR.CRCX_PREF),
               COALESCE(E.EGRE_NUMERO, AP.APPR_NUMERO, CR.CRCX_NUMERO), X.MVPR_TIPOREF, X.MVPR_PREFIJO,
               X.ABPR_FECHA, X.MVPR_MONEDA, X.MVPR_TRM, X.ABPR_VALOR,
               CAST('Abono a ' || COALESCE(TRIM(X.MVPR_PREFIJO), '') || '-' || COALESCE(X.MVPR_NUMERO, '')
                    AS VARCHAR(60)),
               X.ABPR_RTFTE, X.ABPR_RTIVA, X.ABPR_RTICA + X.ABPR_RCREE
        FROM (SELECT A.ABPR_ORIGEN, A.ABPR_IDORI, A.ABPR_FECHA, A.ABPR_VALOR, A.ABPR_RTFTE, A.ABPR_RTIVA,
                     A.ABPR_RTICA, A.ABPR_RCREE, M.MVPR_TIPOREF, M.MVPR_PREFIJO, M.MVPR_NUMERO,
                     M.MVPR_MONEDA, M.MVPR_TRM
              FROM ABONOS_PROVEEDOR A
              JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
              WHERE A.TERC_NIT = :NIT AND A.ABPR_FECHA BETWEEN :DESDE AND :HASTA AND M.MVPR_FECHA + 0 <= :HASTA
                AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
              UNION ALL
              /* Entered with a date before the document it settles. */
              SELECT A.ABPR_ORIGEN, A.ABPR_IDORI, A.ABPR_FECHA, A.ABPR_VALOR, A.ABPR_RTFTE, A.ABPR_RTIVA,
                     A.ABPR_RTICA, A.ABPR_RCREE, M.MVPR_TIPOREF, M.MVPR_PREFIJO, M.MVPR_NUMERO,
                     M.MVPR_MONEDA, M.MVPR_TRM
              FROM MOVIMIENTO_PROVEEDOR M
              JOIN ABONOS_PROVEEDOR A ON A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF
              WHERE M.TERC_NIT = :NIT AND M.MVPR_FECHA BETWEEN :DESDE AND :HASTA AND A.ABPR_FECHA + 0 < :DESDE
                AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)) X
        LEFT JOIN EGRESOS E ON X.ABPR_ORIGEN IN ('E', 'C') AND E.EGRE_ID = X.ABPR_IDORI
        LEFT JOIN APLICACION_PROVEDOR AP ON X.ABPR_ORIGEN = 'A' AND AP.APPR_ID = X.ABPR_IDORI
        LEFT JOIN CREDITO_CXPAGAR CR ON X.ABPR_ORIGEN NOT IN ('E', 'C', 'A') AND CR.CRCX_ID = X.ABPR_IDORI
        ORDER BY 8, 1
        INTO :ES_ABONO, :TIPODOC, :IDDOC, :PREFIJO, :NUMERO, :TIPO, :PREF_DOC, :FECHA, :MONEDADOC, :TRM, :VALOR,
             :CONCEPTO, :RTFTE, :RTIVA, :RTICA
    DO
    BEGIN
        IF (TODO = 1) THEN
            SUSPEND;
        ELSE IF (CXP_DOC_EN_SELECCION(TIPO, PREF_DOC, MONEDADOC, AGENCIA, MONEDA) = 1) THEN
        BEGIN
            VALOR = CXP_MONTO_EN(VALOR, TRM, MONEDA);
            RTFTE = CXP_MONTO_EN(RTFTE, TRM, MONEDA);
            RTIVA = CXP_MONTO_EN(RTIVA, TRM, MONEDA);
            RTICA = CXP_MONTO_EN(RTICA, TRM, MONEDA);
            SUSPEND;
        END
    END
END^

CREATE OR ALTER PROCEDURE REP_MOVIMIENTO_PROVEEDOR (PROV_DESDE VARCHAR(60), PROV_HASTA VARCHAR(60),
    GRUPO_DESDE VARCHAR(20), GRUPO_HASTA VARCHAR(20), FECHA_DESDE DATE, FECHA_HASTA DATE,
    DETALLE VARCHAR(1), ORDEN VARCHAR(1), AGRUPA VARCHAR(1), MONEDA INTEGER, AGENCIA INTEGER)
RETURNS (
    NIT      VARCHAR(20),
    NOMBRE   VARCHAR(60),
    TELEFONO VARCHAR(40),
    CIUDAD   VARCHAR(40),
    CODZONA  VARCHAR(2),
    NOMZONA  VARCHAR(60),
    DV       VARCHAR(2),
    CODCIUD  VARCHAR(5),
    NOMCIUD  VARCHAR(40),
    INICIAL  NUMERIC(15,2),
    TIPODOC  INTEGER,
    IDDOC    INTEGER,
    PREFIJO  VARCHAR(4),
    NUMERO   VARCHAR(8),
    FECHA    DATE,
    CONCEPTO VARCHAR(60),
    DEBITO   NUMERIC(15,2),
    CREDITO  NUMERIC(15,2),
    SALDO    NUMERIC(15,2),
    RTFTE    NUMERIC(15,2),
    RTIVA    NUMERIC(15,2),
    RTICA    NUMERIC(15,2),
    ABONO    NUMERIC(15,2),
    ARTFTE   NUMERIC(15,2),
    ARTIVA   NUMERIC(15,2),
    ARTICA   NUMERIC(15,2)
)
AS
DECLARE CAUSADAS INTEGER;
DECLARE ES_ABONO INTEGER;
DECLARE VALOR NUMERIC(15,2);
DECLARE W_RTFTE NUMERIC(15,2);
DECLARE W_RTIVA NUMERIC(15,2);
DECLARE W_RTICA NUMERIC(15,2);
DECLARE MOVIDO NUMERIC(15,2);
DECLARE FILAS INTEGER;
BEGIN
    AGENCIA = COALESCE(AGENCIA, 0);
    MONEDA = COALESCE(MONEDA, 0);
    /* The window's reading of the setting, not the ledger's (which takes
       anything but "NO" as yes): the rows must add up the way it adds them. */
    CAUSADAS = 0;
    SELECT 1 FROM CONFIGURACION
    WHERE CONF_MODULO = 'CXPAGAR' AND CONF_CATEGORIA = 'SALDOS'
      AND CONF_PROPIEDAD = 'DESCONTAR RETENCIONES POR CAUSACION'
      AND CHAR_LENGTH(CONF_VALOR) = 2 AND CONF_VALOR = 'SI'
    INTO :CAUSADAS;
    FOR SELECT NIT, NOMBRE, TELEFONO, CIUDAD, CODZONA, NOMZONA, DV, CODCIUD, NOMCIUD
        FROM CXP_PROVEEDORES_RANGO(:PROV_DESDE, :PROV_HASTA, :GRUPO_DESDE, :GRUPO_HASTA, 'N')
        INTO :NIT, :NOMBRE, :TELEFONO, :CIUDAD, :CODZONA, :NOMZONA, :DV, :CODCIUD, :NOMCIUD
    DO
    BEGIN
        SELECT SALDO FROM CXP_SALDO_PROVEEDOR_CORTE(:NIT, :FECHA_DESDE - 1, :AGENCIA, :MONEDA) INTO :INICIAL;
        SELECT SALDO FROM CXP_SALDO_PROVEEDOR_CORTE(:NIT, :FECHA_HASTA, :AGENCIA, :MONEDA) INTO :SALDO;
        FILAS = 0;
        TIPODOC = NULL; IDDOC = NULL; PREFIJO = NULL; NUMERO = NULL; FECHA = NULL; CONCEPTO = NULL;
        DEBITO = 0; CREDITO = 0; RTFTE = 0; RTIVA = 0; RTICA = 0;
        ABONO = 0; ARTFTE = 0; ARTIVA = 0; ARTICA = 0;
        FOR SELECT ES_ABONO, TIPODOC, IDDOC, PREFIJO, NUMERO, FECHA, CONCEPTO, VALOR, RTFTE, RTIVA, RTICA
            FROM CXP_MOVIMIENTOS_PERIODO(:NIT, :FECHA_DESDE, :FECHA_HASTA, :AGENCIA, :MONEDA)
            INTO :ES_ABONO, :TIPODOC, :IDDOC, :PREFIJO, :NUMERO, :FECHA, :CONCEPTO, :VALOR, :W_RTFTE,
                 :W_RTIVA, :W_RTICA
        DO
        BEGIN
            IF (DETALLE = 'S') THEN
            BEGIN
                DEBITO = 0; CREDITO = 0; RTFTE = 0; RTIVA = 0; RTICA = 0;
                ABONO = 0; ARTFTE = 0; ARTIVA = 0; ARTICA = 0;
                IF (ES_ABONO = 1) THEN
                BEGIN
                    ABONO = VALOR; ARTFTE = W_RTFTE; ARTIVA = W_RTIVA; ARTICA = W_RTICA;
                END
                ELSE
                BEGIN
                    RTFTE = W_RTFTE; RTIVA = W_RTIVA; RTICA = W_RTICA;
                    MOVIDO = VALOR + IIF(CAUSADAS = 1, RTFTE + RTIVA + RTICA, 0);
                    IF (MOVIDO >= 0) THEN DEBITO = MOVIDO; ELSE CREDITO = -MOVIDO;
                END
                FILAS = FILAS + 1;
                SUSPEND;
            END
            ELSE IF (ES_ABONO = 1) THEN
            BEGIN
                ABONO = ABONO + VALOR; ARTFTE = ARTFTE + W_RTFTE; ARTIVA = ARTIVA + W_RTIVA;
                ARTICA = ARTICA + W_RTICA;
            END
            ELSE IF (VALOR >= 0) THEN
                DEBITO = DEBITO + VALOR;
            ELSE
                CREDITO = CREDITO - VALOR;
        END
        IF (DETALLE IS DISTINCT FROM 'S' OR FILAS = 0) THEN
        BEGIN
            IF (DETALLE = 'S') THEN
            BEGIN
                TIPODOC = NULL; IDDOC = NULL; PREFIJO = NULL; NUMERO = NULL; FECHA = NULL; CONCEPTO = NULL;
            END
            ELSE
            BEGIN
                TIPODOC = NULL; IDDOC = NULL; PREFIJO = NULL; NUMERO = NULL; CONCEPTO = NULL;
                FECHA = FECHA_HASTA;
            END
            SUSPEND;
        END
    END
END^

/* Every supplier's balance at the end of CORTE, in the currency asked,
   as the relation adds it up, by whichever way reads less of the ledger:
   from today's open book back over what was recorded and settled after
   CORTE, or, for a day in the older half of the ledger, forward from its
   start over the live documents and their settlements up to CORTE. Both
   give the same balances; in a foreign currency each amount is converted
   on its own, so the two ways may differ by cents of rounding. SENTIDO
   'A' (back) or 'D' (forward) forces one way; NULL chooses. */
CREATE OR ALTER PROCEDURE CXP_SALDOS_FINALES (CORTE DATE, MONEDA INTEGER, SENTIDO VARCHAR(1))
RETURNS (NIT VARCHAR(20), FINAL NUMERIC(15,2))
AS
DECLARE LOCAL INTEGER;
DECLARE PRIMERA DATE;
BEGIN
    MONEDA = COALESCE(MONEDA, 0);
    LOCAL = IIF(MONEDA IN (0, 1), 1, 0);
    IF (SENTIDO IS NULL) THEN
    BEGIN
        SELECT MIN(MVPR_FECHA) FROM MOVIMIENTO_PROVEEDOR INTO :PRIMERA;
        SENTIDO = IIF(CORTE - COALESCE(PRIMERA, CORTE) >= CURRENT_DATE - CORTE, 'A', 'D');
    END
    IF (SENTIDO = 'A') THEN
        FOR SELECT X.NIT, SUM(X.FINAL)
            FROM (SELECT P.TERC_NIT || '' AS NIT,
                         IIF(:LOCAL = 1 OR P.MVPR_TRM <= 0, P.MVPR_SALDO, ROUND(P.MVPR_SALDO / P.MVPR_TRM, 2)) AS FINAL
                  FROM POSICIONES_ABIERTAS P
                  WHERE P.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                    AND (:LOCAL = 1 OR P.MVPR_MONEDA = :MONEDA)
                  UNION ALL
                  SELECT M.TERC_NIT, -IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, M.MVPR_SALDO, ROUND(M.MVPR_SALDO / M.MVPR_TRM, 2))
                  FROM MOVIMIENTO_PROVEEDOR M
                  WHERE M.MVPR_FECHA > :CORTE AND M.MVPR_SALDO <> 0
                    AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                    AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)
                  UNION ALL
                  SELECT A.TERC_NIT, IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, A.ABPR_VALOR, ROUND(A.ABPR_VALOR / M.MVPR_TRM, 2))
                  FROM ABONOS_PROVEEDOR A
                  JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
                  WHERE A.ABPR_FECHA > :CORTE AND M.MVPR_FECHA + 0 <= :CORTE
                    AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                    AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)) X
            GROUP BY X.NIT
            INTO :NIT, :FINAL
        DO
            SUSPEND;
    ELSE
        FOR SELECT X.NIT, SUM(X.FINAL)
            FROM (SELECT M.TERC_NIT || '' AS NIT,
                         IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, M.MVPR_VALOR, ROUND(M.MVPR_VALOR / M.MVPR_TRM, 2)) AS FINAL
                  FROM MOVIMIENTO_PROVEEDOR M
                  WHERE M.MVPR_FECHA <= :CORTE AND M.MVPR_ANULADO = 'N'
                    AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                    AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)
                  UNION ALL
                  SELECT A.TERC_NIT, -IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, A.ABPR_VALOR, ROUND(A.ABPR_VALOR / M.MVPR_TRM, 2))
                  FROM ABONOS_PROVEEDOR A
                  JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
                  WHERE A.ABPR_FECHA <= :CORTE AND M.MVPR_FECHA + 0 <= :CORTE
                    AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                    AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)) X
            GROUP BY X.NIT
            INTO :NIT, :FINAL
        DO
            SUSPEND;
END^

/* What each supplier's documents and settling movements of a period moved
   its balance by: DEBITOS the documents that raised it, CREDITOS those that
   lowered it, ABONOS the settling movements (a movement dated before its
   own document counts in the document's period). */
CREATE OR ALTER PROCEDURE CXP_PERIODO_PROVEEDORES (DESDE DATE, HASTA DATE, MONEDA INTEGER)
RETURNS (
    NIT      VARCHAR(20),
    DEBITOS  NUMERIC(15,2),
    CREDITOS NUMERIC(15,2),
    ABONOS   NUMERIC(15,2)
)
AS
DECLARE LOCAL INTEGER;
BEGIN
    MONEDA = COALESCE(MONEDA, 0);
    LOCAL = IIF(MONEDA IN (0, 1), 1, 0);
    FOR SELECT X.NIT, SUM(X.DEBITOS), SUM(X.CREDITOS), SUM(X.ABONOS)
        FROM (SELECT M.TERC_NIT || '' AS NIT,
                     IIF(M.MVPR_VALOR > 0, IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, M.MVPR_VALOR, ROUND(M.MVPR_VALOR / M.MVPR_TRM, 2)), 0) AS DEBITOS,
                     IIF(M.MVPR_VALOR < 0, -IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, M.MVPR_VALOR, ROUND(M.MVPR_VALOR / M.MVPR_TRM, 2)), 0) AS CREDITOS,
                     CAST(0 AS NUMERIC(15,2)) AS ABONOS
              FROM MOVIMIENTO_PROVEEDOR M
              WHERE M.MVPR_FECHA BETWEEN :DESDE AND :HASTA AND M.MVPR_ANULADO = 'N'
                AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)
              UNION ALL
              SELECT A.TERC_NIT, 0, 0, IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, A.ABPR_VALOR, ROUND(A.ABPR_VALOR / M.MVPR_TRM, 2))
              FROM ABONOS_PROVEEDOR A
              JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
              WHERE A.ABPR_FECHA BETWEEN :DESDE AND :HASTA AND M.MVPR_FECHA + 0 <= :HASTA
                AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)
              UNION ALL
              SELECT A.TERC_NIT, 0, 0, IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, A.ABPR_VALOR, ROUND(A.ABPR_VALOR / M.MVPR_TRM, 2))
              FROM MOVIMIENTO_PROVEEDOR M
              JOIN ABONOS_PROVEEDOR A ON A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF
              WHERE M.MVPR_FECHA BETWEEN :DESDE AND :HASTA AND A.ABPR_FECHA + 0 < :DESDE
                AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
                AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)) X
        GROUP BY X.NIT
        INTO :NIT, :DEBITOS, :CREDITOS, :ABONOS
    DO
        SUSPEND;
END^

CREATE OR ALTER PROCEDURE MOVIMIENTO_CXPAGAR_MES (FECHA_DESDE DATE, FECHA_HASTA DATE, MONEDA INTEGER)
RETURNS (
    NIT      VARCHAR(20),
    NOMBRE   VARCHAR(60),
    GRUPO    VARCHAR(2),
    INICIAL  NUMERIC(15,2),
    DEBITOS  NUMERIC(15,2),
    CREDITOS NUMERIC(15,2),
    ABONOS   NUMERIC(15,2),
    FINAL    NUMERIC(15,2)
)
AS
BEGIN
    FOR SELECT X.NIT, SUM(X.FINAL), SUM(X.DEBITOS), SUM(X.CREDITOS), SUM(X.ABONOS)
        FROM (SELECT NIT, FINAL, CAST(0 AS NUMERIC(15,2)) AS DEBITOS,
                     CAST(0 AS NUMERIC(15,2)) AS CREDITOS, CAST(0 AS NUMERIC(15,2)) AS ABONOS
              FROM CXP_SALDOS_FINALES(:FECHA_HASTA, :MONEDA, NULL)
              UNION ALL
              SELECT NIT, 0, DEBITOS, CREDITOS, ABONOS
              FROM CXP_PERIODO_PROVEEDORES(:FECHA_DESDE, :FECHA_HASTA, :MONEDA)) X
        GROUP BY X.NIT
        INTO :NIT, :FINAL, :DEBITOS, :CREDITOS, :ABONOS
    DO
    BEGIN
        INICIAL = FINAL - DEBITOS + CREDITOS + ABONOS;
        IF (INICIAL <> 0 OR DEBITOS <> 0 OR CREDITOS <> 0 OR ABONOS <> 0 OR FINAL <> 0) THEN
        BEGIN
            GRUPO = NULL;
            SELECT P.GRPR_COD, T.TERC_NOM FROM PROVEEDORES P JOIN TERCEROS T ON T.TERC_NIT = P.TERC_NIT
            WHERE P.TERC_NIT = :NIT INTO :GRUPO, :NOMBRE;
            IF (ROW_COUNT > 0) THEN
                SUSPEND;
        END
    END
END^

/* The period's live documents, MONTO their signed total and SALDO their
   balance at the end of FECHA_HASTA, in local currency. RETENCION is what
   the document itself withholds (source, VAT, ICA and CREE), signed like
   MONTO, whether taken when recorded or left for the payment; IDDOC its row
   in its own table, for opening it. */
CREATE OR ALTER PROCEDURE ANALISIS_CXPAGAR (FECHA_DESDE DATE, FECHA_HASTA DATE)
RETURNS (
    FECHA        DATE,
    PREFIJO      VARCHAR(4),
    NUMERO       VARCHAR(8),
    TERCERO      VARCHAR(20),
    NOMBRETERC   VARCHAR(60),
    MUNICIPIO    VARCHAR(5),
    NOMMUNICIPIO VARCHAR(40),
    GRUPO        VARCHAR(2),
    NOMGRUPO     VARCHAR(60),
    TIPODOC      INTEGER,
    NOMTIPODOC   VARCHAR(30),
    MONTO        NUMERIC(15,2),
    SALDO        NUMERIC(15,2),
    RETENCION    NUMERIC(15,2),
    IDDOC        INTEGER
)
AS
BEGIN
    FOR SELECT M.MVPR_FECHA, M.MVPR_PREFIJO, M.MVPR_NUMERO, M.TERC_NIT, T.TERC_NOM, T.CIUD_COD, C.CIUD_NOM,
               P.GRPR_COD, G.GRPR_NOM, M.MVPR_TIPOREF, D.TIDO_NOMLARGO, M.MVPR_TOTAL,
               M.MVPR_SALDO + COALESCE((SELECT SUM(A.ABPR_VALOR) FROM ABONOS_PROVEEDOR A
                                        WHERE A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF
                                          AND A.ABPR_FECHA > :FECHA_HASTA), 0),
               CXP_SIGNO(M.MVPR_TIPOREF) *
                   COALESCE((SELECT F.RTFTE + F.RTIVA + F.RTICA + F.RCREE
                             FROM CXP_FIGURAS_DOCUMENTO(M.MVPR_TIPOREF, M.MVPR_IDREF) F), 0),
               M.MVPR_IDREF
        FROM MOVIMIENTO_PROVEEDOR M
        LEFT JOIN TERCEROS T ON T.TERC_NIT = M.TERC_NIT
        LEFT JOIN CIUDADES C ON C.CIUD_COD = T.CIUD_COD
        LEFT JOIN PROVEEDORES P ON P.TERC_NIT = M.TERC_NIT
        LEFT JOIN GRUPOS_PROVEEDORES G ON G.GRPR_COD = P.GRPR_COD
        LEFT JOIN TIPO_DOCUMENTO D ON D.TIDO_COD = M.MVPR_TIPOREF
        WHERE M.MVPR_FECHA BETWEEN :FECHA_DESDE AND :FECHA_HASTA AND M.MVPR_ANULADO = 'N'
          AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
        INTO :FECHA, :PREFIJO, :NUMERO, :TERCERO, :NOMBRETERC, :MUNICIPIO, :NOMMUNICIPIO, :GRUPO, :NOMGRUPO,
             :TIPODOC, :NOMTIPODOC, :MONTO, :SALDO, :RETENCION, :IDDOC
    DO
        SUSPEND;
END^

SET TERM ; ^
