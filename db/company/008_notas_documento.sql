/* Notes users add to a stored document after the fact (a call made, a
   promise of payment): one row per note, never changed. Who wrote it and
   when are the server's word, as in AUDITORIA. */

CREATE SEQUENCE GEN_NOTAS_DOCUMENTO;

CREATE TABLE NOTAS_DOCUMENTO (
    TIDO_COD     INTEGER NOT NULL,
    NODO_IDDOC   INTEGER NOT NULL,
    /* From the sequence: two stations adding a note to the same document at
       once never take the same item, and items still read in order. */
    NODO_ITEM    INTEGER NOT NULL,
    NODO_FECHA   DATE NOT NULL,
    NODO_HORA    TIME NOT NULL,
    NODO_USUARIO VARCHAR(31) NOT NULL,
    NODO_TEXTO   VARCHAR(1000) NOT NULL,
    CONSTRAINT PK_NOTAS_DOCUMENTO PRIMARY KEY (TIDO_COD, NODO_IDDOC, NODO_ITEM),
    CONSTRAINT CK_NOTAS_DOCUMENTO CHECK (NODO_IDDOC > 0 AND TRIM(NODO_TEXTO) <> '')
);

SET TERM ^ ;

CREATE TRIGGER NOTAS_DOCUMENTO_BI FOR NOTAS_DOCUMENTO
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
    NEW.NODO_ITEM = NEXT VALUE FOR GEN_NOTAS_DOCUMENTO;
    NEW.NODO_FECHA = CURRENT_DATE;
    NEW.NODO_HORA = CURRENT_TIME;
    NEW.NODO_USUARIO = CURRENT_USER;
END^

/* A note is a record of what was said: it is not rewritten afterwards. */
CREATE EXCEPTION E_NOTA_DOCUMENTO_FIJA 'Las notas de un documento no se modifican.'^

CREATE TRIGGER NOTAS_DOCUMENTO_BU FOR NOTAS_DOCUMENTO
ACTIVE BEFORE UPDATE POSITION 0
AS
BEGIN
    EXCEPTION E_NOTA_DOCUMENTO_FIJA;
END^

SET TERM ; ^
