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

   Speed: one supplier's period is two date-ordered reads of the (NIT,
   date) indexes of the ledger and of its movements, merged, with one read
   by key of each row's document or voucher; its balances in local
   currency are sums over the same indexes, back from today's open
   positions or forward from its first document, whichever is nearer.
   The summary and the analysis read the period by
   IX_MOVIMIENTO_PROVEEDOR_FECHA and IX_ABONOS_PROVEEDOR_FECHA;
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

/* One supplier's balance at the end of CORTE in local currency over every
   agency, straight from the ledger (rules in the header), by whichever way
   reads less of it: forward ('D') over what was recorded and settled up to
   CORTE, or back ('A') from today's open positions over what was recorded
   and settled after it. Both give the balance the relation adds up
   position by position; SENTIDO forces one, NULL chooses by how far CORTE
   lies from the supplier's first document and from today. */
CREATE OR ALTER PROCEDURE CXP_SALDO_LOCAL_PROVEEDOR (NIT VARCHAR(20), CORTE DATE, SENTIDO VARCHAR(1))
RETURNS (SALDO NUMERIC(15,2))
AS
DECLARE PRIMERA DATE;
BEGIN
    IF (SENTIDO IS NULL) THEN
    BEGIN
        SELECT MIN(MVPR_FECHA) FROM MOVIMIENTO_PROVEEDOR WHERE TERC_NIT = :NIT INTO :PRIMERA;
        SENTIDO = IIF(CORTE - COALESCE(PRIMERA, CORTE) >= CURRENT_DATE - CORTE, 'A', 'D');
    END
    IF (SENTIDO = 'A') THEN
        SELECT (SELECT COALESCE(SUM(P.MVPR_SALDO), 0) FROM POSICIONES_ABIERTAS P
                WHERE P.TERC_NIT = :NIT AND P.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57))
             - (SELECT COALESCE(SUM(M.MVPR_SALDO), 0) FROM MOVIMIENTO_PROVEEDOR M
                WHERE M.TERC_NIT = :NIT AND M.MVPR_FECHA > :CORTE AND M.MVPR_SALDO <> 0
                  AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57))
             + (SELECT COALESCE(SUM(A.ABPR_VALOR), 0) FROM ABONOS_PROVEEDOR A
                JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
                WHERE A.TERC_NIT = :NIT AND A.ABPR_FECHA > :CORTE AND M.MVPR_FECHA + 0 <= :CORTE
                  AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57))
        FROM RDB$DATABASE INTO :SALDO;
    ELSE
        SELECT (SELECT COALESCE(SUM(M.MVPR_VALOR), 0) FROM MOVIMIENTO_PROVEEDOR M
                WHERE M.TERC_NIT = :NIT AND M.MVPR_FECHA <= :CORTE AND M.MVPR_ANULADO = 'N'
                  AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57))
             - (SELECT COALESCE(SUM(A.ABPR_VALOR), 0) FROM ABONOS_PROVEEDOR A
                JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
                WHERE A.TERC_NIT = :NIT AND A.ABPR_FECHA <= :CORTE AND M.MVPR_FECHA + 0 <= :CORTE
                  AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57))
        FROM RDB$DATABASE INTO :SALDO;
    SUSPEND;
END^

/* One supplier's balance at the end of CORTE, as the relation adds it up.
   In local currency over every agency the ledger's sums give it without
   going through each position; an agency or a foreign currency needs each
   position's series and rate. */
CREATE OR ALTER PROCEDURE CXP_SALDO_PROVEEDOR_CORTE (NIT VARCHAR(20), CORTE DATE, AGENCIA INTEGER,
    MONEDA INTEGER)
RETURNS (SALDO NUMERIC(15,2))
AS
BEGIN
    IF (COALESCE(AGENCIA, 0) = 0 AND COALESCE(MONEDA, 0) IN (0, 1)) THEN
        SELECT SALDO FROM CXP_SALDO_LOCAL_PROVEEDOR(:NIT, :CORTE, NULL) INTO :SALDO;
    ELSE
        SELECT COALESCE(SUM(SALDO), 0) FROM CXP_POSICIONES_CORTE(:NIT, :CORTE, :AGENCIA, :MONEDA)
        INTO :SALDO;
    SUSPEND;
END^

/* What moved one supplier's balance in DESDE..HASTA, in date order (rules
   in the header). ES_ABONO 0: a document, VALOR its MVPR_VALOR and
   RTFTE..RTICA the withholdings its recording took; 1: a settling movement,
   VALOR its ABPR_VALOR and RTFTE..RTICA what it withheld. Amounts in the
   currency asked.
   A year of a busy supplier is tens of thousands of rows, so nothing is
   sorted and nothing is joined that the row does not need: the documents
   and the period's settling movements come in date order through the
   (NIT, date) indexes and are merged here (a day's documents before its
   movements), after the few movements dated before their own document;
   each row then reads its one document or voucher by key. Joining every
   row to all six document tables probed each table for every row whatever
   its type, and sorting the period cost as much as reading it. */
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
DECLARE TIPO INTEGER;
DECLARE ID INTEGER;
DECLARE PREF_DOC VARCHAR(4);
DECLARE NUM_DOC VARCHAR(8);
DECLARE MONEDADOC INTEGER;
DECLARE TRM NUMERIC(15,4);
DECLARE ORIGEN VARCHAR(1);
DECLARE RETUVO INTEGER;
DECLARE RTCREE NUMERIC(15,2);
DECLARE SIGNO INTEGER;
DECLARE TODO INTEGER;
/* The next row of each stream; HAY_* 0 once it is exhausted. */
DECLARE HAY_ANTES INTEGER;
DECLARE HAY_DOC INTEGER;
DECLARE HAY_PAGO INTEGER;
DECLARE D_TIPO INTEGER;
DECLARE D_ID INTEGER;
DECLARE D_PREF VARCHAR(4);
DECLARE D_NUM VARCHAR(8);
DECLARE D_FECHA DATE;
DECLARE D_MONEDA INTEGER;
DECLARE D_TRM NUMERIC(15,4);
DECLARE D_VALOR NUMERIC(15,2);
DECLARE D_RETUVO INTEGER;
DECLARE P_TIPO INTEGER;
DECLARE P_ID INTEGER;
DECLARE P_PREF VARCHAR(4);
DECLARE P_NUM VARCHAR(8);
DECLARE P_FECHA DATE;
DECLARE P_MONEDA INTEGER;
DECLARE P_TRM NUMERIC(15,4);
DECLARE P_VALOR NUMERIC(15,2);
DECLARE P_ORIGEN VARCHAR(1);
DECLARE P_RTFTE NUMERIC(15,2);
DECLARE P_RTIVA NUMERIC(15,2);
DECLARE P_RTICA NUMERIC(15,2);
DECLARE ANTES CURSOR FOR (
    SELECT M.MVPR_TIPOREF, A.ABPR_IDORI, M.MVPR_PREFIJO, M.MVPR_NUMERO, A.ABPR_FECHA, M.MVPR_MONEDA, M.MVPR_TRM,
           A.ABPR_VALOR, A.ABPR_ORIGEN, A.ABPR_RTFTE, A.ABPR_RTIVA, A.ABPR_RTICA + A.ABPR_RCREE AS RTICA
    FROM MOVIMIENTO_PROVEEDOR M
    JOIN ABONOS_PROVEEDOR A ON A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF
    WHERE M.TERC_NIT = :NIT AND M.MVPR_FECHA BETWEEN :DESDE AND :HASTA AND A.ABPR_FECHA + 0 < :DESDE
      AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
    ORDER BY A.ABPR_FECHA);
DECLARE DOCS CURSOR FOR (
    SELECT M.MVPR_TIPOREF, M.MVPR_IDREF, M.MVPR_PREFIJO, M.MVPR_NUMERO, M.MVPR_FECHA, M.MVPR_MONEDA, M.MVPR_TRM,
           M.MVPR_VALOR, IIF(M.MVPR_RETCAUSA = 'S' AND M.MVPR_TOTAL <> M.MVPR_VALOR, 1, 0) AS RETUVO
    FROM MOVIMIENTO_PROVEEDOR M
    WHERE M.TERC_NIT = :NIT AND M.MVPR_FECHA BETWEEN :DESDE AND :HASTA AND M.MVPR_ANULADO = 'N'
      AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
    ORDER BY M.TERC_NIT, M.MVPR_FECHA);
DECLARE PAGOS CURSOR FOR (
    SELECT M.MVPR_TIPOREF, A.ABPR_IDORI, M.MVPR_PREFIJO, M.MVPR_NUMERO, A.ABPR_FECHA, M.MVPR_MONEDA, M.MVPR_TRM,
           A.ABPR_VALOR, A.ABPR_ORIGEN, A.ABPR_RTFTE, A.ABPR_RTIVA, A.ABPR_RTICA + A.ABPR_RCREE AS RTICA
    FROM ABONOS_PROVEEDOR A
    JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
    WHERE A.TERC_NIT = :NIT AND A.ABPR_FECHA BETWEEN :DESDE AND :HASTA AND M.MVPR_FECHA + 0 <= :HASTA
      AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
    ORDER BY A.TERC_NIT, A.ABPR_FECHA);
BEGIN
    AGENCIA = COALESCE(AGENCIA, 0);
    MONEDA = COALESCE(MONEDA, 0);
    /* Every agency in local currency: nothing to choose among the rows. */
    TODO = IIF(AGENCIA = 0 AND MONEDA IN (0, 1), 1, 0);
    OPEN ANTES;
    OPEN DOCS;
    OPEN PAGOS;
    FETCH ANTES INTO :P_TIPO, :P_ID, :P_PREF, :P_NUM, :P_FECHA, :P_MONEDA, :P_TRM, :P_VALOR, :P_ORIGEN, :P_RTFTE,
                     :P_RTIVA, :P_RTICA;
    HAY_ANTES = ROW_COUNT;
    HAY_PAGO = HAY_ANTES;
    IF (HAY_ANTES = 0) THEN
    BEGIN
        FETCH PAGOS INTO :P_TIPO, :P_ID, :P_PREF, :P_NUM, :P_FECHA, :P_MONEDA, :P_TRM, :P_VALOR, :P_ORIGEN,
                         :P_RTFTE, :P_RTIVA, :P_RTICA;
        HAY_PAGO = ROW_COUNT;
    END
    FETCH DOCS INTO :D_TIPO, :D_ID, :D_PREF, :D_NUM, :D_FECHA, :D_MONEDA, :D_TRM, :D_VALOR, :D_RETUVO;
    HAY_DOC = ROW_COUNT;
    WHILE (HAY_DOC = 1 OR HAY_PAGO = 1) DO
    BEGIN
        IF (HAY_ANTES = 0 AND HAY_DOC = 1 AND (HAY_PAGO = 0 OR D_FECHA <= P_FECHA)) THEN
        BEGIN
            ES_ABONO = 0; TIPO = D_TIPO; ID = D_ID; PREF_DOC = D_PREF; NUM_DOC = D_NUM; FECHA = D_FECHA;
            MONEDADOC = D_MONEDA; TRM = D_TRM; VALOR = D_VALOR; RETUVO = D_RETUVO;
            FETCH DOCS INTO :D_TIPO, :D_ID, :D_PREF, :D_NUM, :D_FECHA, :D_MONEDA, :D_TRM, :D_VALOR, :D_RETUVO;
            HAY_DOC = ROW_COUNT;
        END
        ELSE
        BEGIN
            ES_ABONO = 1; TIPO = P_TIPO; ID = P_ID; PREF_DOC = P_PREF; NUM_DOC = P_NUM; FECHA = P_FECHA;
            MONEDADOC = P_MONEDA; TRM = P_TRM; VALOR = P_VALOR; ORIGEN = P_ORIGEN;
            RTFTE = P_RTFTE; RTIVA = P_RTIVA; RTICA = P_RTICA;
            IF (HAY_ANTES = 1) THEN
            BEGIN
                FETCH ANTES INTO :P_TIPO, :P_ID, :P_PREF, :P_NUM, :P_FECHA, :P_MONEDA, :P_TRM, :P_VALOR, :P_ORIGEN,
                                 :P_RTFTE, :P_RTIVA, :P_RTICA;
                HAY_ANTES = ROW_COUNT;
            END
            IF (HAY_ANTES = 0) THEN
            BEGIN
                FETCH PAGOS INTO :P_TIPO, :P_ID, :P_PREF, :P_NUM, :P_FECHA, :P_MONEDA, :P_TRM, :P_VALOR, :P_ORIGEN,
                                 :P_RTFTE, :P_RTIVA, :P_RTICA;
                HAY_PAGO = ROW_COUNT;
            END
        END
        IF (TODO = 1 OR CXP_DOC_EN_SELECCION(TIPO, PREF_DOC, MONEDADOC, AGENCIA, MONEDA) = 1) THEN
        BEGIN
            IF (ES_ABONO = 0) THEN
            BEGIN
                TIPODOC = TIPO; IDDOC = ID; PREFIJO = PREF_DOC; NUMERO = NUM_DOC;
                CONCEPTO = NULL; RTCREE = 0;
                /* A credit payable withholds nothing of its own. */
                IF (TIPO = 21) THEN
                    SELECT FACO_CONC, FACO_RTFTEMONTO, FACO_RTIVAMONTO, FACO_RTICAMONTO, FACO_RTCREEM
                    FROM FACTURAS_COMPRA WHERE FACO_ID = :ID
                    INTO :CONCEPTO, :RTFTE, :RTIVA, :RTICA, :RTCREE;
                ELSE IF (TIPO = 24) THEN
                    SELECT DECO_CONC, DECO_RTFTEMONTO, DECO_RTIVAMONTO, DECO_RTICAMONTO, DECO_RTCREEM
                    FROM DEVOLUCIONES_COMPRAS WHERE DECO_ID = :ID
                    INTO :CONCEPTO, :RTFTE, :RTIVA, :RTICA, :RTCREE;
                ELSE IF (TIPO = 51) THEN
                    SELECT NDPR_CONC, NDPR_RTFTEMONTO, NDPR_RTIVAMONTO, NDPR_RTICAMONTO, NDPR_RTCREEM
                    FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = :ID
                    INTO :CONCEPTO, :RTFTE, :RTIVA, :RTICA, :RTCREE;
                ELSE IF (TIPO = 52) THEN
                    SELECT NCPR_CONC, NCPR_RTFTEMONTO, NCPR_RTIVAMONTO, NCPR_RTICAMONTO, NCPR_RTCREEM
                    FROM NOTAS_CREDITO_PROVEEDOR WHERE NCPR_ID = :ID
                    INTO :CONCEPTO, :RTFTE, :RTIVA, :RTICA, :RTCREE;
                ELSE IF (TIPO = 55) THEN
                    SELECT ANPR_CONC, ANPR_RTFTEMONTO, ANPR_RTIVAMONTO, ANPR_RTICAMONTO
                    FROM ANTICIPOS_PROVEEDOR WHERE ANPR_ID = :ID
                    INTO :CONCEPTO, :RTFTE, :RTIVA, :RTICA;
                ELSE
                    SELECT CRCX_CONC FROM CREDITO_CXPAGAR WHERE CRCX_ID = :ID INTO :CONCEPTO;
                IF (RETUVO = 1) THEN
                BEGIN
                    /* Signed like the document. */
                    SIGNO = IIF(TIPO IN (24, 52, 55), -1, 1);
                    RTFTE = SIGNO * COALESCE(RTFTE, 0);
                    RTIVA = SIGNO * COALESCE(RTIVA, 0);
                    RTICA = SIGNO * (COALESCE(RTICA, 0) + COALESCE(RTCREE, 0));
                END
                ELSE
                BEGIN
                    RTFTE = 0; RTIVA = 0; RTICA = 0;
                END
            END
            ELSE
            BEGIN
                TIPODOC = IIF(ORIGEN IN ('E', 'C'), 54, IIF(ORIGEN = 'A', 53, 57));
                IDDOC = ID; PREFIJO = NULL; NUMERO = NULL;
                IF (TIPODOC = 54) THEN
                    SELECT PREF_PRE, EGRE_NUMERO FROM EGRESOS WHERE EGRE_ID = :ID INTO :PREFIJO, :NUMERO;
                ELSE IF (TIPODOC = 53) THEN
                    SELECT PREF_PRE, APPR_NUMERO FROM APLICACION_PROVEDOR WHERE APPR_ID = :ID
                    INTO :PREFIJO, :NUMERO;
                ELSE
                    SELECT CRCX_PREF, CRCX_NUMERO FROM CREDITO_CXPAGAR WHERE CRCX_ID = :ID INTO :PREFIJO, :NUMERO;
                CONCEPTO = CAST('Abono a ' || COALESCE(TRIM(PREF_DOC), '') || '-' || COALESCE(NUM_DOC, '')
                                AS VARCHAR(60));
            END
            IF (TODO = 0) THEN
            BEGIN
                VALOR = CXP_MONTO_EN(VALOR, TRM, MONEDA);
                RTFTE = CXP_MONTO_EN(RTFTE, TRM, MONEDA);
                RTIVA = CXP_MONTO_EN(RTIVA, TRM, MONEDA);
                RTICA = CXP_MONTO_EN(RTICA, TRM, MONEDA);
            END
            SUSPEND;
        END
    END
    CLOSE ANTES;
    CLOSE DOCS;
    CLOSE PAGOS;
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
        TIPODOC = NULL; IDDOC = NULL; PREFIJO = NULL; NUMERO = NULL; FECHA = NULL; CONCEPTO = NULL;
        DEBITO = 0; CREDITO = 0; RTFTE = 0; RTIVA = 0; RTICA = 0;
        ABONO = 0; ARTFTE = 0; ARTIVA = 0; ARTICA = 0;
        IF (DETALLE = 'S') THEN
            /* Each row's figures are worked out by the statement itself:
               a year of a busy supplier is tens of thousands of rows, and
               every assignment made here per row counts. A row always has
               a date, so FECHA left NULL says no row came. */
            FOR SELECT P.TIPODOC, P.IDDOC, P.PREFIJO, P.NUMERO, P.FECHA, P.CONCEPTO,
                       IIF(P.MOVIDO >= 0, P.MOVIDO, 0), IIF(P.MOVIDO < 0, -P.MOVIDO, 0),
                       IIF(P.ES_ABONO = 0, P.RTFTE, 0), IIF(P.ES_ABONO = 0, P.RTIVA, 0),
                       IIF(P.ES_ABONO = 0, P.RTICA, 0), IIF(P.ES_ABONO = 1, P.VALOR, 0),
                       IIF(P.ES_ABONO = 1, P.RTFTE, 0), IIF(P.ES_ABONO = 1, P.RTIVA, 0),
                       IIF(P.ES_ABONO = 1, P.RTICA, 0)
                FROM (SELECT ES_ABONO, TIPODOC, IDDOC, PREFIJO, NUMERO, FECHA, CONCEPTO, VALOR, RTFTE, RTIVA, RTICA,
                             /* What a document moved the balance by, before the
                                withholdings the window takes off it. */
                             IIF(ES_ABONO = 0, VALOR + IIF(:CAUSADAS = 1, RTFTE + RTIVA + RTICA, 0), 0) AS MOVIDO
                      FROM CXP_MOVIMIENTOS_PERIODO(:NIT, :FECHA_DESDE, :FECHA_HASTA, :AGENCIA, :MONEDA)) P
                INTO :TIPODOC, :IDDOC, :PREFIJO, :NUMERO, :FECHA, :CONCEPTO, :DEBITO, :CREDITO, :RTFTE, :RTIVA,
                     :RTICA, :ABONO, :ARTFTE, :ARTIVA, :ARTICA
            DO
                SUSPEND;
        ELSE
            FOR SELECT ES_ABONO, VALOR, RTFTE, RTIVA, RTICA
                FROM CXP_MOVIMIENTOS_PERIODO(:NIT, :FECHA_DESDE, :FECHA_HASTA, :AGENCIA, :MONEDA)
                INTO :ES_ABONO, :VALOR, :W_RTFTE, :W_RTIVA, :W_RTICA
            DO
            BEGIN
                IF (ES_ABONO = 1) THEN
                BEGIN
                    ABONO = ABONO + VALOR; ARTFTE = ARTFTE + W_RTFTE; ARTIVA = ARTIVA + W_RTIVA;
                    ARTICA = ARTICA + W_RTICA;
                END
                ELSE IF (VALOR >= 0) THEN
                    DEBITO = DEBITO + VALOR;
                ELSE
                    CREDITO = CREDITO - VALOR;
            END
        /* A supplier with nothing in the period still gets its balances;
           without detail, the one row of sums is dated at the period's end. */
        IF (DETALLE IS DISTINCT FROM 'S') THEN
        BEGIN
            FECHA = FECHA_HASTA;
            SUSPEND;
        END
        ELSE IF (FECHA IS NULL) THEN
            SUSPEND;
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
   MONTO, whether taken when recorded or left for the payment, as the
   ledger holds it; IDDOC its row in its own table, for opening it. */
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
               /* Taken when recorded, the withholdings are what the total
                  lost on the way to the balance; left for the payment, the
                  ledger keeps them whole. */
               IIF(M.MVPR_RETCAUSA = 'S', M.MVPR_TOTAL - M.MVPR_VALOR,
                   M.MVPR_RTFTE + M.MVPR_RTIVA + M.MVPR_RTICA + M.MVPR_RCREE),
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
