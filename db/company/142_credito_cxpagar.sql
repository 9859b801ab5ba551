/* Credits payable (type 57): the balance of a purchase invoice (21) or a
   charge (51) turned into a credit paid in monthly instalments.

   Ledger. A stored live credit settles the document it defers: one movement
   of origin 'R' in ABONOS_PROVEEDOR (ABPR_IDORI = the credit, ABPR_ITEMORI
   0) takes CRCX_TOTAL off the document, which is left at 0, while the
   credit's own position (CREDITO_CXPAGAR_LIBRO) carries the same amount
   from then on. The supplier's total debt does not move. Annulling or
   deleting the credit removes the movement and gives the document its
   balance back; a credit already paid cannot be annulled (the position's
   own rule). CHEQUEO_SALDOS_DOC_CXPAGAR compares that movement with the
   credit, like every other document's, and repairs a difference.

   Posting (CONTABIL_CAUSACRED[_NIIF], through CNT_CONTABILICE with type 57
   and the interface of the credit's series in INTERFAZ_CXPAGAR): the
   deferred document's payable is debited (concept PROV, naming that
   document: source 'T' gives the charge's own payable account or the
   supplier's, its group's or the third party's), and the credit's account
   is credited (concept BASE, naming the credit and its first due date).
   There is no supplier column for credits, so a credit interface gives its
   obligations account as a fixed one (source 'K').

   CUOTAS_CREDITO: the plan. The effective annual rate (percent) becomes the
   equivalent monthly rate i = (1 + a)^(1/12) - 1; instalments are equal
   (French amortisation), rounded to the cent; the last one absorbs what
   rounding left so that the principal repaid adds up to the total exactly.
   At rate 0 the total is split in equal parts. Due dates are monthly from
   the first one, each counted from it (a 31st stays on the last day of
   shorter months and comes back to the 31st). */

CREATE EXCEPTION E_CREDITO_CUOTAS 'El número de cuotas debe estar entre 1 y 360.';
CREATE EXCEPTION E_CREDITO_INTERES 'La tasa de interés efectiva anual debe estar entre 0 y 200 %.';
CREATE EXCEPTION E_CREDITO_TOTAL 'El valor a diferir debe ser mayor que cero.';
CREATE EXCEPTION E_CREDITO_SALDO 'El crédito supera el saldo del documento a diferir.';
CREATE EXCEPTION E_CREDITO_PROVEEDOR 'El documento a diferir es de otro proveedor.';

ALTER TABLE ABONOS_PROVEEDOR DROP CONSTRAINT CK_ABONOS_PROVEEDOR_ORIGEN;
ALTER TABLE ABONOS_PROVEEDOR ADD CONSTRAINT CK_ABONOS_PROVEEDOR_ORIGEN
    CHECK (ABPR_ORIGEN IN ('E', 'C', 'A', 'R'));

SET TERM ^ ;

CREATE PROCEDURE CUOTAS_CREDITO (TOTAL NUMERIC(15,2), FECHA DATE, CUOTAS INTEGER,
    INTERES NUMERIC(15,4), OPCION INTEGER)
RETURNS (
    CUOTA    INTEGER,
    SALDO    NUMERIC(15,2),
    INTERESM NUMERIC(15,4),
    INTEREST NUMERIC(15,2),
    CUOTAM   NUMERIC(15,2),
    MONTORC  NUMERIC(15,2),
    FECHARC  DATE
)
AS
DECLARE TASA DOUBLE PRECISION;
DECLARE FIJA NUMERIC(15,2);
BEGIN
    IF (CUOTAS IS NULL OR CUOTAS < 1 OR CUOTAS > 360) THEN
        EXCEPTION E_CREDITO_CUOTAS;
    IF (INTERES IS NULL OR INTERES < 0 OR INTERES > 200) THEN
        EXCEPTION E_CREDITO_INTERES;
    IF (TOTAL IS NULL OR TOTAL <= 0) THEN
        EXCEPTION E_CREDITO_TOTAL;
    TASA = POWER(1 + CAST(INTERES AS DOUBLE PRECISION) / 100, CAST(1 AS DOUBLE PRECISION) / 12) - 1;
    INTERESM = ROUND(TASA * 100, 4);
    IF (TASA = 0) THEN
        FIJA = ROUND(TOTAL / CUOTAS, 2);
    ELSE
        FIJA = ROUND(TOTAL * TASA / (1 - POWER(1 + TASA, -CUOTAS)), 2);
    SALDO = TOTAL;
    CUOTA = 1;
    WHILE (CUOTA <= CUOTAS) DO
    BEGIN
        INTEREST = ROUND(SALDO * TASA, 2);
        IF (CUOTA = CUOTAS) THEN
            MONTORC = SALDO;
        ELSE
            /* A short plan with a tiny total cannot repay more than is owed. */
            MONTORC = MINVALUE(FIJA - INTEREST, SALDO);
        CUOTAM = MONTORC + INTEREST;
        SALDO = SALDO - MONTORC;
        FECHARC = DATEADD(CUOTA - 1 MONTH TO FECHA);
        SUSPEND;
        CUOTA = CUOTA + 1;
    END
END^

/* Keeps the deferred document's movement (see the top of the file). */
CREATE TRIGGER CREDITO_CXPAGAR_DIFIERE FOR CREDITO_CXPAGAR
ACTIVE AFTER INSERT OR UPDATE OR DELETE POSITION 20
AS
DECLARE SALDO NUMERIC(15,2);
DECLARE NIT VARCHAR(20);
BEGIN
    IF (UPDATING OR DELETING) THEN
        EXECUTE PROCEDURE CXP_QUITE_ABONOS('R', OLD.CRCX_ID, 0);
    IF (DELETING) THEN
        EXIT;
    IF (NEW.CRCX_ANULADO = 'S' OR COALESCE(NEW.CRCX_IDDOC, 0) = 0
        OR COALESCE(NEW.CRCX_TIPODOC, 0) NOT IN (21, 51)) THEN
        EXIT;
    SELECT MVPR_SALDO, TERC_NIT FROM MOVIMIENTO_PROVEEDOR
    WHERE MVPR_TIPOREF = NEW.CRCX_TIPODOC AND MVPR_IDREF = NEW.CRCX_IDDOC
    INTO :SALDO, :NIT;
    IF (ROW_COUNT = 0) THEN
        EXCEPTION E_CXP_DOC_INEXISTENTE;
    IF (NIT IS DISTINCT FROM NEW.CRCX_NIT) THEN
        EXCEPTION E_CREDITO_PROVEEDOR;
    IF (COALESCE(NEW.CRCX_TOTAL, 0) <= 0) THEN
        EXCEPTION E_CREDITO_TOTAL;
    IF (NEW.CRCX_TOTAL > SALDO) THEN
        EXCEPTION E_CREDITO_SALDO;
    EXECUTE PROCEDURE CXP_REGISTRE_ABONO('R', NEW.CRCX_ID, 0, NEW.CRCX_TIPODOC, NEW.CRCX_IDDOC,
        NEW.CRCX_FECHA, NEW.CRCX_TOTAL, 0, 0, 0, 0, 0);
END^

CREATE PROCEDURE CONTABIL_CAUSACRED (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(57, :ID, :INTERFAZ, 'L') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_CAUSACRED_NIIF (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(57, :ID, :INTERFAZ, 'N') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

SET TERM ; ^
