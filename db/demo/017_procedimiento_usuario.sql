/* A query of the installation's own, as installations add them: per
   supplier, what it invoiced, charged and discounted in the period (totals
   with VAT, annulled documents left out), what payment vouchers paid it in
   the period and its balance at the period's end. The supplier's NIT is the
   one parameter; "*" (or nothing, when called by hand) lists every supplier
   that moved in the period. Created after the grants of the schema, so it
   grants itself. */

SET TERM ^ ;

CREATE OR ALTER PROCEDURE CXP_COMPRAS_PROVEEDOR (DESDE DATE, HASTA DATE, PROVEEDOR VARCHAR(20))
RETURNS (
    NIT        VARCHAR(20),
    NOMBRE     VARCHAR(60),
    COMPRAS    NUMERIC(15,2),
    CARGOS     NUMERIC(15,2),
    DESCUENTOS NUMERIC(15,2),
    PAGOS      NUMERIC(15,2),
    SALDO      NUMERIC(15,2)
)
AS
DECLARE TODOS INTEGER;
DECLARE DOCUMENTOS INTEGER;
BEGIN
    PROVEEDOR = TRIM(COALESCE(PROVEEDOR, ''));
    TODOS = IIF(PROVEEDOR IN ('', '*'), 1, 0);
    FOR SELECT T.TERC_NIT, T.TERC_NOM FROM TERCEROS T
        WHERE T.TERC_PROV = 'S' AND (:TODOS = 1 OR T.TERC_NIT = :PROVEEDOR)
        ORDER BY T.TERC_NOM
        INTO :NIT, :NOMBRE
    DO BEGIN
        SELECT COALESCE(SUM(IIF(M.MVPR_TIPOREF = 21, M.MVPR_TOTAL, 0)), 0),
               COALESCE(SUM(IIF(M.MVPR_TIPOREF = 51, M.MVPR_TOTAL, 0)), 0),
               COALESCE(SUM(IIF(M.MVPR_TIPOREF = 52, -M.MVPR_TOTAL, 0)), 0),
               COUNT(*)
        FROM MOVIMIENTO_PROVEEDOR M
        WHERE M.TERC_NIT = :NIT AND M.MVPR_FECHA BETWEEN :DESDE AND :HASTA
          AND M.MVPR_TIPOREF IN (21, 51, 52) AND M.MVPR_ANULADO = 'N'
        INTO :COMPRAS, :CARGOS, :DESCUENTOS, :DOCUMENTOS;
        SELECT COALESCE(SUM(A.ABPR_VALOR), 0) FROM ABONOS_PROVEEDOR A
        WHERE A.TERC_NIT = :NIT AND A.ABPR_FECHA BETWEEN :DESDE AND :HASTA AND A.ABPR_ORIGEN = 'E'
        INTO :PAGOS;
        SELECT SALDO FROM SALDO_TERCERO_CXPAGAR(:NIT, :HASTA) INTO :SALDO;
        IF (DOCUMENTOS > 0 OR PAGOS <> 0) THEN
            SUSPEND;
    END
END^

SET TERM ; ^

GRANT EXECUTE ON PROCEDURE CXP_COMPRAS_PROVEEDOR TO PUBLIC;

INSERT INTO PROCEDIMIENTOS_USUARIO (PRUS_COD, PRUS_NOMBRE, PRUS_SP, PRUS_PARAM1, PRUS_MODULO)
VALUES (1, 'Compras por proveedor', 'CXP_COMPRAS_PROVEEDOR', 'NIT del proveedor (* = todos)', 'C. X PAGAR');

/* The sequence goes past the row numbered by hand. */
ALTER SEQUENCE GEN_PROCEDIMIENTOS_USUARIO RESTART WITH 1;

COMMIT;
