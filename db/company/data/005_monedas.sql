/* Currencies; code 1 is the local one, the others are quoted against it in
   TASA_CAMBIO_MONEDA. */

INSERT INTO TIPOS_MONEDA VALUES (1, 'Peso colombiano', 'COP');
INSERT INTO TIPOS_MONEDA VALUES (2, 'Dólar estadounidense', 'USD');
INSERT INTO TIPOS_MONEDA VALUES (3, 'Euro', 'EUR');

COMMIT;
