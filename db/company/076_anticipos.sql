/* Supplier advances: their search, the guard on annulling them, and the
   payment history of any payables document.

   BUSQUEDA_ANTICIPOS_PROVEEDOR(SUCURSAL): every stored advance (id > 0) of
   the series the agency may use (SUCURSAL 0: every series), one row each:
     ID, PREFIJO, NUMERO, FECHA, NIT, NOMBRE (the supplier's), CONCEPTO,
     BASE, IVA, RETENCIONES (income tax + VAT + ICA), NETO (base + VAT -
     withholdings), SALDO (what applications have not yet set against
     invoices, as a positive credit), EGRE_ID, EGRESO (prefix and number of
     the voucher that paid it out; empty while none did), ANULADO.

   ABONOS_DOCUMENTO_CXPAGAR(TIPO, ID): every live line that settled the
   document, from the ledger's movements (FK_ABONOS_PROVEEDOR_MVPR), with
   the source document that holds the line:
     FECHA, ORIGEN ('E' voucher line, 'C' cross, 'A' application line,
     'R' credit payable), TIPO_ORIGEN (62 voucher, 53 application, 57
     credit), NOMBRE_ORIGEN (short type name), PREFIJO, NUMERO, ID_ORIGEN,
     ITEM, ABONO, DTOF, RTFTE, RTIVA, RTICA, RCREE (the line's figures as
     typed; a credit takes the whole amount it defers, without discount or
     withholdings).
   An advance's voucher does not settle it but pays it out; it is listed
   too, as the advance's first movement. */

CREATE EXCEPTION E_CXP_ANTICIPO_CON_EGRESO
    'El anticipo fue pagado por un egreso vigente. Anule primero el egreso.';

SET TERM ^ ;

/* Annulling the voucher annuls its advances (the money never left), so an
   advance a live voucher paid out is annulled only through that voucher. */
CREATE TRIGGER ANTICIPOS_PROVEEDOR_ANULA FOR ANTICIPOS_PROVEEDOR
ACTIVE BEFORE UPDATE POSITION 5
AS
BEGIN
    IF (NEW.ANPR_ANULADO = 'S' AND OLD.ANPR_ANULADO = 'N' AND NEW.EGRE_ID <> 0
        AND EXISTS(SELECT 1 FROM EGRESOS WHERE EGRE_ID = NEW.EGRE_ID AND EGRE_ANULADO = 'N')) THEN
        EXCEPTION E_CXP_ANTICIPO_CON_EGRESO;
END^

CREATE PROCEDURE BUSQUEDA_ANTICIPOS_PROVEEDOR (SUCURSAL INTEGER)
RETURNS (ID INTEGER, PREFIJO VARCHAR(4), NUMERO VARCHAR(8), FECHA DATE, NIT VARCHAR(20),
         NOMBRE VARCHAR(60), CONCEPTO VARCHAR(60), BASE NUMERIC(15,2), IVA NUMERIC(15,2),
         RETENCIONES NUMERIC(15,2), NETO NUMERIC(15,2), SALDO NUMERIC(15,2), EGRE_ID INTEGER,
         EGRESO VARCHAR(12), ANULADO VARCHAR(1))
AS
BEGIN
    FOR SELECT a.ANPR_ID, a.PREF_PRE, a.ANPR_NUMERO, a.ANPR_FECHA, a.TERC_NIT, t.TERC_NOM,
               a.ANPR_CONC, COALESCE(a.ANPR_BASE, 0), COALESCE(a.ANPR_IVAMONTO, 0),
               COALESCE(a.ANPR_RTFTEMONTO, 0) + COALESCE(a.ANPR_RTIVAMONTO, 0)
                   + COALESCE(a.ANPR_RTICAMONTO, 0),
               -COALESCE(m.MVPR_SALDO, 0), a.EGRE_ID, COALESCE(e.PREF_PRE || e.EGRE_NUMERO, ''),
               a.ANPR_ANULADO
        FROM ANTICIPOS_PROVEEDOR a
        JOIN PREFIJOS p ON p.TIDO_COD = 55 AND p.PREF_PRE = a.PREF_PRE
        LEFT JOIN TERCEROS t ON t.TERC_NIT = a.TERC_NIT
        LEFT JOIN MOVIMIENTO_PROVEEDOR m ON m.MVPR_TIPOREF = 55 AND m.MVPR_IDREF = a.ANPR_ID
        LEFT JOIN EGRESOS e ON e.EGRE_ID = a.EGRE_ID AND a.EGRE_ID <> 0
        WHERE a.ANPR_ID > 0 AND (:SUCURSAL = 0 OR p.SUCU_ID = :SUCURSAL OR p.SUCU_ID = 0)
        INTO :ID, :PREFIJO, :NUMERO, :FECHA, :NIT, :NOMBRE, :CONCEPTO, :BASE, :IVA,
             :RETENCIONES, :SALDO, :EGRE_ID, :EGRESO, :ANULADO
    DO
    BEGIN
        NETO = BASE + IVA - RETENCIONES;
        SUSPEND;
    END
END^

CREATE PROCEDURE ABONOS_DOCUMENTO_CXPAGAR (TIPO INTEGER, ID INTEGER)
RETURNS (FECHA DATE, ORIGEN VARCHAR(1), TIPO_ORIGEN INTEGER, NOMBRE_ORIGEN VARCHAR(20),
         PREFIJO VARCHAR(4), NUMERO VARCHAR(8), ID_ORIGEN INTEGER, ITEM INTEGER,
         ABONO NUMERIC(15,2), DTOF NUMERIC(15,2), RTFTE NUMERIC(15,2), RTIVA NUMERIC(15,2),
         RTICA NUMERIC(15,2), RCREE NUMERIC(15,2))
AS
DECLARE VALOR NUMERIC(15,2);
BEGIN
    IF (TIPO = 55) THEN
        FOR SELECT e.EGRE_FECHA, e.PREF_PRE, e.EGRE_NUMERO, e.EGRE_ID, d.EGDE_ITEM,
                   COALESCE(d.EGDE_ABONO, 0)
            FROM ANTICIPOS_PROVEEDOR a
            JOIN EGRESOS e ON e.EGRE_ID = a.EGRE_ID AND e.EGRE_ID <> 0 AND e.EGRE_ANULADO = 'N'
            JOIN EGRESODETALLE d ON d.EGRE_ID = e.EGRE_ID AND d.EGDE_TIPODOC = 55
                 AND d.EGDE_IDDOC = a.ANPR_ID
            WHERE a.ANPR_ID = :ID
            INTO :FECHA, :PREFIJO, :NUMERO, :ID_ORIGEN, :ITEM, :ABONO
        DO
        BEGIN
            ORIGEN = 'E';
            TIPO_ORIGEN = 62;
            DTOF = 0; RTFTE = 0; RTIVA = 0; RTICA = 0; RCREE = 0;
            SELECT TIDO_NOMCORTO FROM TIPO_DOCUMENTO WHERE TIDO_COD = 62 INTO :NOMBRE_ORIGEN;
            SUSPEND;
        END

    FOR SELECT ABPR_FECHA, ABPR_ORIGEN, ABPR_IDORI, ABPR_ITEMORI, ABPR_VALOR
        FROM ABONOS_PROVEEDOR
        WHERE ABPR_TIPOREF = :TIPO AND ABPR_IDREF = :ID
        ORDER BY ABPR_FECHA
        INTO :FECHA, :ORIGEN, :ID_ORIGEN, :ITEM, :VALOR
    DO
    BEGIN
        PREFIJO = NULL; NUMERO = NULL;
        ABONO = 0; DTOF = 0; RTFTE = 0; RTIVA = 0; RTICA = 0; RCREE = 0;
        IF (ORIGEN = 'R') THEN
        BEGIN
            TIPO_ORIGEN = 57;
            ABONO = VALOR;
            SELECT CRCX_PREF, CRCX_NUMERO FROM CREDITO_CXPAGAR WHERE CRCX_ID = :ID_ORIGEN
            INTO :PREFIJO, :NUMERO;
        END
        ELSE IF (ORIGEN = 'A') THEN
        BEGIN
            TIPO_ORIGEN = 53;
            SELECT h.PREF_PRE, h.APPR_NUMERO, d.APPD_APLICADO, d.APPD_RTFTE, d.APPD_RTIVA,
                   d.APPD_RTICA, d.APPD_RCREE
            FROM APLICACION_PROVEEDOR_DETALLE d JOIN APLICACION_PROVEDOR h ON h.APPR_ID = d.APPR_ID
            WHERE d.APPR_ID = :ID_ORIGEN AND d.APPD_ITEM = :ITEM
            INTO :PREFIJO, :NUMERO, :ABONO, :RTFTE, :RTIVA, :RTICA, :RCREE;
        END
        ELSE
        BEGIN
            TIPO_ORIGEN = 62;
            SELECT PREF_PRE, EGRE_NUMERO FROM EGRESOS WHERE EGRE_ID = :ID_ORIGEN
            INTO :PREFIJO, :NUMERO;
            IF (ORIGEN = 'E') THEN
                SELECT EGDE_ABONO, EGDE_DTOF, EGDE_RTFTE, EGDE_RTIVA, EGDE_RTICA, EGDE_RCREE
                FROM EGRESODETALLE WHERE EGRE_ID = :ID_ORIGEN AND EGDE_ITEM = :ITEM
                INTO :ABONO, :DTOF, :RTFTE, :RTIVA, :RTICA, :RCREE;
            ELSE
                SELECT EGCC_ABONO, EGCC_DTOF, EGCC_RTFTE, EGCC_RTIVA, EGCC_RTICA, EGCC_RCREE
                FROM EGRECRUCES WHERE EGRE_ID = :ID_ORIGEN AND EGCC_ITEM = :ITEM
                INTO :ABONO, :DTOF, :RTFTE, :RTIVA, :RTICA, :RCREE;
        END
        SELECT TIDO_NOMCORTO FROM TIPO_DOCUMENTO WHERE TIDO_COD = :TIPO_ORIGEN INTO :NOMBRE_ORIGEN;
        SUSPEND;
    END
END^

SET TERM ; ^
