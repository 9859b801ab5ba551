/* Month by month movement of the payables (MOVIMIENTO_CXPAGAR_MESES), for
   the chart of the monthly summary: of every supplier (NIT '') or of one.

   One row per calendar month that meets FECHA_DESDE..FECHA_HASTA, the
   first and last months cut at those dates (DESDE, HASTA the month's own
   limits; MES its first day). Each row's INICIAL, DEBITOS, CREDITOS,
   ABONOS and FINAL are those MOVIMIENTO_CXPAGAR_MES (171_movimiento_cxp.sql)
   gives for DESDE..HASTA, added over the suppliers asked: the same
   documents and settling movements by the same rules (a movement dated
   before its own document counts in the document's month), all agencies,
   the currency asked. FINAL = INICIAL + DEBITOS - CREDITOS - ABONOS and
   each month's INICIAL is the previous month's FINAL.

   Speed: the balance is read once, at FECHA_HASTA (for every supplier, as
   the summary reads it for that day; for one, its positions at that date),
   and each earlier month's end is reached going back by the months'
   own movements, read by the date indexes (by the (NIT, date) ones for one
   supplier). No supplier's positions are walked at a month's end. The rows
   therefore come out from the last month back to the first: callers order
   by MES. */

SET TERM ^ ;

/* What the period's documents and settling movements of every supplier
   moved the balances by, as MOVIMIENTO_CXPAGAR_MES splits them. */
CREATE OR ALTER PROCEDURE CXP_MOVIMIENTO_TOTAL_PERIODO (DESDE DATE, HASTA DATE, MONEDA INTEGER)
RETURNS (
    DEBITOS  NUMERIC(15,2),
    CREDITOS NUMERIC(15,2),
    ABONOS   NUMERIC(15,2)
)
AS
BEGIN
    SELECT COALESCE(SUM(X.DEBITOS), 0), COALESCE(SUM(X.CREDITOS), 0), COALESCE(SUM(X.ABONOS), 0)
    FROM CXP_PERIODO_PROVEEDORES(:DESDE, :HASTA, :MONEDA) X
    /* The summary lists suppliers only. */
    WHERE EXISTS(SELECT 1 FROM PROVEEDORES P WHERE P.TERC_NIT = X.NIT)
    INTO :DEBITOS, :CREDITOS, :ABONOS;
    SUSPEND;
END^

CREATE OR ALTER PROCEDURE MOVIMIENTO_CXPAGAR_MESES (FECHA_DESDE DATE, FECHA_HASTA DATE, MONEDA INTEGER,
    NIT VARCHAR(20))
RETURNS (
    MES      DATE,
    DESDE    DATE,
    HASTA    DATE,
    INICIAL  NUMERIC(15,2),
    DEBITOS  NUMERIC(15,2),
    CREDITOS NUMERIC(15,2),
    ABONOS   NUMERIC(15,2),
    FINAL    NUMERIC(15,2)
)
AS
DECLARE TODOS INTEGER;
BEGIN
    IF (FECHA_DESDE IS NULL OR FECHA_HASTA IS NULL OR FECHA_DESDE > FECHA_HASTA) THEN
        EXIT;
    MONEDA = COALESCE(MONEDA, 0);
    NIT = TRIM(COALESCE(NIT, ''));
    TODOS = IIF(NIT = '', 1, 0);
    IF (TODOS = 1) THEN
        /* The summary's own end balance, so that both agree whatever way it reads it. */
        SELECT COALESCE(SUM(FINAL), 0) FROM MOVIMIENTO_CXPAGAR_MES(:FECHA_HASTA, :FECHA_HASTA, :MONEDA)
        INTO :FINAL;
    ELSE
        SELECT SALDO FROM CXP_SALDO_PROVEEDOR_CORTE(:NIT, :FECHA_HASTA, 0, :MONEDA) INTO :FINAL;
    HASTA = FECHA_HASTA;
    WHILE (HASTA >= FECHA_DESDE) DO
    BEGIN
        MES = DATEADD(1 - EXTRACT(DAY FROM HASTA) DAY TO HASTA);
        DESDE = MAXVALUE(MES, FECHA_DESDE);
        IF (TODOS = 1) THEN
            SELECT DEBITOS, CREDITOS, ABONOS FROM CXP_MOVIMIENTO_TOTAL_PERIODO(:DESDE, :HASTA, :MONEDA)
            INTO :DEBITOS, :CREDITOS, :ABONOS;
        ELSE
            SELECT COALESCE(SUM(IIF(ES_ABONO = 0 AND VALOR > 0, VALOR, 0)), 0),
                   COALESCE(SUM(IIF(ES_ABONO = 0 AND VALOR < 0, -VALOR, 0)), 0),
                   COALESCE(SUM(IIF(ES_ABONO = 1, VALOR, 0)), 0)
            FROM CXP_MOVIMIENTOS_PERIODO(:NIT, :DESDE, :HASTA, 0, :MONEDA)
            INTO :DEBITOS, :CREDITOS, :ABONOS;
        INICIAL = FINAL - DEBITOS + CREDITOS + ABONOS;
        SUSPEND;
        FINAL = INICIAL;
        HASTA = DESDE - 1;
    END
END^

SET TERM ; ^
