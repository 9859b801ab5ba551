/* What a payment voucher asks of the receivables it crosses: a client
   document by reference, with what is still open on it and the branch it
   was issued at. Sales invoices (31) keep their position in the payables
   ledger (060_libro_cxp.sql), so their balance at a date is
   SALDO_DOC_CXPAGAR's, and a cross settles them there. */

SET TERM ^ ;

/* Always one row. ERROR: 0 found; 1 no such live receivables document;
   2 it belongs to another client; 3 the voucher is dated before it;
   4 nothing is left to pay on it. The balance is today's, like the
   payables registry's, and ABONO the part of it paid in money once the
   withholdings and discount still attached are taken. */
CREATE PROCEDURE BUSCA_ID_DOC_CARTERA (TIPO INTEGER, PREFIJO VARCHAR(4), NUMERO VARCHAR(8),
                                       NIT VARCHAR(20), FECHA DATE, MONEDA INTEGER)
RETURNS (
    ID       INTEGER,
    SALDO    NUMERIC(15,2),
    RTFTE    NUMERIC(15,2),
    RTIVA    NUMERIC(15,2),
    RTICA    NUMERIC(15,2),
    RCREE    NUMERIC(15,2),
    DTOF     NUMERIC(15,2),
    ABONO    NUMERIC(15,2),
    SUCURSAL INTEGER,
    ERROR    INTEGER
)
AS
DECLARE DOC_ID INTEGER;
DECLARE DOC_NIT VARCHAR(20);
DECLARE DOC_FECHA DATE;
DECLARE DOC_SALDO NUMERIC(15,2);
BEGIN
    ID = 0; SALDO = 0; RTFTE = 0; RTIVA = 0; RTICA = 0; RCREE = 0; DTOF = 0; ABONO = 0; SUCURSAL = 0;
    ERROR = 1;
    SELECT FIRST 1 M.MVPR_IDREF, M.TERC_NIT, M.MVPR_FECHA, M.MVPR_SALDO
    FROM MOVIMIENTO_PROVEEDOR M JOIN TIPO_DOCUMENTO T ON T.TIDO_COD = M.MVPR_TIPOREF
    WHERE M.MVPR_TIPOREF = :TIPO AND M.MVPR_PREFIJO = :PREFIJO AND M.MVPR_NUMERO = :NUMERO
      AND M.MVPR_ANULADO = 'N' AND T.TIDO_CART = 'S'
    ORDER BY IIF(M.TERC_NIT = :NIT, 0, 1)
    INTO :DOC_ID, :DOC_NIT, :DOC_FECHA, :DOC_SALDO;
    IF (ROW_COUNT = 0) THEN
    BEGIN
        SUSPEND;
        EXIT;
    END
    ERROR = IIF(DOC_NIT IS DISTINCT FROM NIT, 2, IIF(FECHA < DOC_FECHA, 3, IIF(DOC_SALDO = 0, 4, 0)));
    IF (ERROR <> 0) THEN
    BEGIN
        SUSPEND;
        EXIT;
    END
    ID = DOC_ID;
    IF (TIPO = 31) THEN
        SELECT SUCU_ID FROM FACTURAS WHERE FACT_ID = :DOC_ID INTO :SUCURSAL;
    SELECT SALDO, RTFTE, RTIVA, RTICA, RCREE, DTOF FROM CXP_CIFRAS_ABIERTAS(:TIPO, :DOC_ID, :FECHA, :MONEDA)
    INTO :SALDO, :RTFTE, :RTIVA, :RTICA, :RCREE, :DTOF;
    ABONO = SALDO - RTFTE - RTIVA - RTICA - RCREE - DTOF;
    SUSPEND;
END^

SET TERM ; ^
