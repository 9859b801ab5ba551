/* Crossing history of a payables document: every live line that settled it,
   newest first when the caller orders by FECHA desc.

   The rows come from the ledger's settlements (ABONOS_PROVEEDOR, see
   060_libro_cxp.sql), so an annulled application or voucher no longer
   appears, exactly as it no longer lowers the balance. Columns:
     FECHA     date of the application or voucher that settled the document;
     TIPODOC   type of that document: 53 for an application line, 62 for a
               voucher line or a voucher's cross, 57 for a credit payable
               that took the document's balance over;
     IDDOC     its id (APPR_ID, EGRE_ID or CRCX_ID), to open it for
               consultation;
     NOMBRE    the type's short name;
     PREFIJO, NUMERO  its prefix and number;
     ORIGEN    'A' application line, 'E' voucher line, 'C' voucher cross,
               'R' credit payable;
     ITEM      the line's item inside that document;
     VALOR     what the line took off the balance (amount, prompt-payment
               discount and withholdings), signed like the balance;
     ABONO     the amount alone, without discount and withholdings;
     RETENCIONES  the four withholdings together;
     DTOF      the prompt-payment discount. */

SET TERM ^ ;

CREATE PROCEDURE CRUCES_DOCUMENTOS (TIPO INTEGER, ID INTEGER)
RETURNS (
    FECHA DATE,
    TIPODOC INTEGER,
    IDDOC INTEGER,
    NOMBRE VARCHAR(8),
    PREFIJO VARCHAR(4),
    NUMERO VARCHAR(8),
    ORIGEN VARCHAR(1),
    ITEM INTEGER,
    VALOR NUMERIC(15,2),
    ABONO NUMERIC(15,2),
    RETENCIONES NUMERIC(15,2),
    DTOF NUMERIC(15,2))
AS
BEGIN
    FOR SELECT ABPR_FECHA, ABPR_ORIGEN, ABPR_IDORI, ABPR_ITEMORI, ABPR_VALOR, ABPR_DTOF,
               ABPR_RTFTE + ABPR_RTIVA + ABPR_RTICA + ABPR_RCREE
        FROM ABONOS_PROVEEDOR
        WHERE ABPR_TIPOREF = :TIPO AND ABPR_IDREF = :ID
        ORDER BY ABPR_FECHA, ABPR_ID
        INTO :FECHA, :ORIGEN, :IDDOC, :ITEM, :VALOR, :DTOF, :RETENCIONES
    DO BEGIN
        ABONO = VALOR - DTOF - RETENCIONES;
        PREFIJO = NULL;
        NUMERO = NULL;
        IF (ORIGEN = 'R') THEN
        BEGIN
            TIPODOC = 57;
            SELECT CRCX_PREF, CRCX_NUMERO FROM CREDITO_CXPAGAR WHERE CRCX_ID = :IDDOC
            INTO :PREFIJO, :NUMERO;
        END
        ELSE IF (ORIGEN = 'A') THEN
        BEGIN
            TIPODOC = 53;
            SELECT PREF_PRE, APPR_NUMERO FROM APLICACION_PROVEDOR WHERE APPR_ID = :IDDOC
            INTO :PREFIJO, :NUMERO;
        END
        ELSE
        BEGIN
            TIPODOC = 62;
            SELECT PREF_PRE, EGRE_NUMERO FROM EGRESOS WHERE EGRE_ID = :IDDOC
            INTO :PREFIJO, :NUMERO;
        END
        SELECT TIDO_NOMCORTO FROM TIPO_DOCUMENTO WHERE TIDO_COD = :TIPODOC INTO :NOMBRE;
        SUSPEND;
    END
END^


SET TERM ; ^
