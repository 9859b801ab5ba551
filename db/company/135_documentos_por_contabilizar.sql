/* Documents stored but not yet in the ledger.

   A document window stores a document and posts it in one transaction, so a
   crash leaves either both or neither. Two paths commit the document before
   its ledger voucher exists: the review window (the user looks at the
   staging voucher after the document is safe) and a posting that produced
   no voucher. Those documents are written here in the same transaction as
   the document; the row goes away when the ledger voucher is written, and
   the document window finishes what it finds here the next time it opens. */

CREATE TABLE DOCUMENTOS_POR_CONTABILIZAR (
    DOPC_TIPO      INTEGER NOT NULL,
    DOPC_ID        INTEGER NOT NULL,
    DOPC_PREFIJO   VARCHAR(4),
    DOPC_INTERFAZ  INTEGER,
    DOPC_FECHA     TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
    CONSTRAINT PK_DOCUMENTOS_POR_CONTABILIZAR PRIMARY KEY (DOPC_TIPO, DOPC_ID)
);

SET TERM ^ ;

CREATE TRIGGER COMPROBANTE_ENCABEZADO_POSTEADO FOR COMPROBANTE_ENCABEZADO
ACTIVE AFTER INSERT POSITION 50
AS
BEGIN
    DELETE FROM DOCUMENTOS_POR_CONTABILIZAR WHERE DOPC_TIPO = NEW.ENCO_TIPOREF AND DOPC_ID = NEW.ENCO_IDREF;
END^

SET TERM ; ^
