/* Kinds of adjustment note a discount (52) may be. NCTI_ID is the
   correction concept the support document's adjustment note carries, so the
   rows of type 52 keep the authority's numbering (1 to 5); other modules
   list their own kinds under their document type. NCTI_CRED tells a credit
   kind ('S') from a debit one; NCTI_TIPO is the module's own grouping. */

CREATE TABLE NOTAS_CARTERA_TIPOS (
    NCTI_ID     INTEGER NOT NULL,
    NCTI_NOMBRE VARCHAR(60) NOT NULL,
    NCTI_CRED   VARCHAR(1) DEFAULT 'S' NOT NULL,
    NCTI_TIPO   VARCHAR(2),
    TIDO_COD    INTEGER NOT NULL,
    CONSTRAINT PK_NOTAS_CARTERA_TIPOS PRIMARY KEY (NCTI_ID, TIDO_COD),
    CONSTRAINT CK_NOTAS_CARTERA_TIPOS CHECK (NCTI_CRED IN ('S', 'N'))
);

INSERT INTO NOTAS_CARTERA_TIPOS (NCTI_ID, NCTI_NOMBRE, NCTI_CRED, NCTI_TIPO, TIDO_COD)
VALUES (1, 'Devolución parcial de los bienes o servicios', 'S', 'DS', 52);
INSERT INTO NOTAS_CARTERA_TIPOS (NCTI_ID, NCTI_NOMBRE, NCTI_CRED, NCTI_TIPO, TIDO_COD)
VALUES (2, 'Anulación del documento soporte', 'S', 'DS', 52);
INSERT INTO NOTAS_CARTERA_TIPOS (NCTI_ID, NCTI_NOMBRE, NCTI_CRED, NCTI_TIPO, TIDO_COD)
VALUES (3, 'Rebaja o descuento parcial o total', 'S', 'DS', 52);
INSERT INTO NOTAS_CARTERA_TIPOS (NCTI_ID, NCTI_NOMBRE, NCTI_CRED, NCTI_TIPO, TIDO_COD)
VALUES (4, 'Ajuste de precio', 'S', 'DS', 52);
INSERT INTO NOTAS_CARTERA_TIPOS (NCTI_ID, NCTI_NOMBRE, NCTI_CRED, NCTI_TIPO, TIDO_COD)
VALUES (5, 'Otros', 'S', 'DS', 52);

COMMIT;
