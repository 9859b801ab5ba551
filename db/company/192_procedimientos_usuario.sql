/* The installation's own queries: a selectable procedure written in this
   database and registered here with a name people read and the captions of
   its text parameters. It is called with the date range first (from, to),
   then one text argument for each caption that is not empty, in order; its
   result may have any columns. Each module lists only its own procedures
   (PRUS_MODULO is the module's name, 'C. X PAGAR' here); the maintenance
   module lists them all. */

CREATE SEQUENCE GEN_PROCEDIMIENTOS_USUARIO;

CREATE TABLE PROCEDIMIENTOS_USUARIO (
    PRUS_COD    INTEGER NOT NULL,
    PRUS_NOMBRE VARCHAR(60) NOT NULL,
    PRUS_SP     VARCHAR(250) NOT NULL,
    /* Empty or null: the procedure does not take that parameter. */
    PRUS_PARAM1 VARCHAR(60),
    PRUS_PARAM2 VARCHAR(60),
    PRUS_PARAM3 VARCHAR(60),
    PRUS_PARAM4 VARCHAR(60),
    PRUS_PARAM5 VARCHAR(60),
    PRUS_MODULO VARCHAR(30) DEFAULT 'C. X PAGAR' NOT NULL,
    CONSTRAINT PK_PROCEDIMIENTOS_USUARIO PRIMARY KEY (PRUS_COD)
);

CREATE INDEX IX_PROCEDIMIENTOS_USUARIO_MOD ON PROCEDIMIENTOS_USUARIO (PRUS_MODULO);

SET TERM ^ ;

/* Rows registered by hand need no code of their own. */
CREATE TRIGGER PROCEDIMIENTOS_USUARIO_BI FOR PROCEDIMIENTOS_USUARIO
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
    IF (NEW.PRUS_COD IS NULL OR NEW.PRUS_COD = 0) THEN
        NEW.PRUS_COD = NEXT VALUE FOR GEN_PROCEDIMIENTOS_USUARIO;
END^

SET TERM ; ^
