/* A few messages so the inbox and the message history have something to
   show on first login. */

INSERT INTO MENSAJERIA (MENS_AUTOR, MENS_MENSAJE, MENS_NIVEL, MENS_DESTINO, MENS_LEIDO, MENS_RESPUESTA)
VALUES ('AUXILIAR', 'Bienvenido a la compañía de demostración. Las series 0000 ya están listas para cargos, descuentos y egresos.', 3, 'ADMIN', 'N', 0);
INSERT INTO MENSAJERIA (MENS_AUTOR, MENS_MENSAJE, MENS_NIVEL, MENS_DESTINO, MENS_LEIDO, MENS_RESPUESTA)
VALUES ('ADMIN', 'Recuerden registrar la tasa del dólar antes de causar facturas de importación.', 2, 'Todos', 'N', 0);

COMMIT;
