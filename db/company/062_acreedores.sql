/* Supplier master: the trail of third-party changes and the yearly purchases
   the supplier list shows. */

SET TERM ^ ;

/* Third parties are keyed by NIT, not by an id: the trail names them in
   AUDI_COD under type 104, "I" when stored and "U" when changed. */
CREATE TRIGGER TERCEROS_AUDITORIA FOR TERCEROS
ACTIVE AFTER INSERT OR UPDATE POSITION 10
AS
BEGIN
    INSERT INTO AUDITORIA (TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD)
    VALUES (104, 0, IIF(INSERTING, 'I', 'U'), NEW.TERC_NIT);
END^

/* One row per month of the year, empty months included, from the payables
   ledger: what the supplier billed (purchase invoices and charges) and what
   it took back (purchase returns and discounts), both as positive totals
   with VAT; annulled documents count for nothing. */
CREATE PROCEDURE COMPRAS_ANUALES_PROVEEDOR (NIT VARCHAR(20), ANO INTEGER)
RETURNS (MES INTEGER, COMPRAS NUMERIC(15,2), DEVOLUCIONES NUMERIC(15,2), NETO NUMERIC(15,2))
AS
DECLARE DESDE DATE;
DECLARE HASTA DATE;
BEGIN
    MES = 1;
    WHILE (MES <= 12) DO
    BEGIN
        DESDE = CAST(ANO || '-' || MES || '-1' AS DATE);
        HASTA = DATEADD(1 MONTH TO DESDE);
        SELECT COALESCE(SUM(IIF(MVPR_TIPOREF IN (21, 51), MVPR_TOTAL, 0)), 0),
               COALESCE(SUM(IIF(MVPR_TIPOREF IN (24, 52), -MVPR_TOTAL, 0)), 0)
        FROM MOVIMIENTO_PROVEEDOR
        WHERE TERC_NIT = :NIT AND MVPR_FECHA >= :DESDE AND MVPR_FECHA < :HASTA
          AND MVPR_ANULADO = 'N' AND MVPR_TIPOREF IN (21, 51, 24, 52)
        INTO :COMPRAS, :DEVOLUCIONES;
        NETO = COMPRAS - DEVOLUCIONES;
        SUSPEND;
        MES = MES + 1;
    END
END^

SET TERM ; ^
