/* Reasons offered when a document is annulled; "Otro" leaves the
   explanation to the user's text. */

INSERT INTO MOTIVO_ANULACION VALUES (1, 'Digitación');
INSERT INTO MOTIVO_ANULACION VALUES (2, 'Devolución del proveedor');
INSERT INTO MOTIVO_ANULACION VALUES (3, 'Documento duplicado');
INSERT INTO MOTIVO_ANULACION VALUES (4, 'Error en valores');
INSERT INTO MOTIVO_ANULACION VALUES (5, 'Proveedor equivocado');
INSERT INTO MOTIVO_ANULACION VALUES (6, 'Otro');

COMMIT;
