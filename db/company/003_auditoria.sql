/* Audit trail: entries to and exits from the module, insertions and
   annulments of documents, with the reason of each annulment. */

CREATE TABLE MOTIVO_ANULACION (
    MOAN_ID  INTEGER NOT NULL,
    MOAN_NOM VARCHAR(60) NOT NULL,
    CONSTRAINT PK_MOTIVO_ANULACION PRIMARY KEY (MOAN_ID)
);

CREATE SEQUENCE GEN_AUDITORIA;

CREATE TABLE AUDITORIA (
    AUDI_ID      INTEGER NOT NULL,
    TIDO_COD     INTEGER NOT NULL,
    AUDI_IDDOC   INTEGER DEFAULT 0 NOT NULL,
    AUDI_OPER    VARCHAR(1) NOT NULL,
    AUDI_COD     VARCHAR(30),
    AUDI_RAZON   VARCHAR(255),
    /* Wide enough for any engine user name, not only our user codes. */
    AUDI_USUARIO VARCHAR(31) NOT NULL,
    AUDI_MOTIVO  INTEGER,
    AUDI_FECHA   DATE NOT NULL,
    AUDI_HORA    TIME NOT NULL,
    CONSTRAINT PK_AUDITORIA PRIMARY KEY (AUDI_ID)
);

/* The annulment text of a document is looked up by type, id and operation. */
CREATE INDEX IX_AUDITORIA_DOC ON AUDITORIA (TIDO_COD, AUDI_IDDOC, AUDI_OPER);

SET TERM ^ ;

/* The program gives only what happened; who and when are the server's word,
   so a workstation with a wrong clock cannot falsify the trail. */
CREATE TRIGGER AUDITORIA_BI FOR AUDITORIA
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
    IF (NEW.AUDI_ID IS NULL OR NEW.AUDI_ID = 0) THEN
        NEW.AUDI_ID = NEXT VALUE FOR GEN_AUDITORIA;
    IF (NEW.AUDI_FECHA IS NULL) THEN
        NEW.AUDI_FECHA = CURRENT_DATE;
    IF (NEW.AUDI_HORA IS NULL) THEN
        NEW.AUDI_HORA = CURRENT_TIME;
    IF (NEW.AUDI_USUARIO IS NULL OR NEW.AUDI_USUARIO = '') THEN
        NEW.AUDI_USUARIO = CURRENT_USER;
END^

SET TERM ; ^
