/* Two agencies, so agency filters and the agency label have something to show. */

INSERT INTO SUCURSALES (SUCU_ID, SUCU_NOMBRE, SUCU_DIRECCION, SUCU_TELEFONOS)
VALUES (1, 'Principal Bogotá', 'Carrera 7 No. 71-21, Bogotá D.C.', '(601) 345 6789');
INSERT INTO SUCURSALES (SUCU_ID, SUCU_NOMBRE, SUCU_DIRECCION, SUCU_TELEFONOS)
VALUES (2, 'Medellín', 'Calle 10 No. 43E-31, Medellín', '(604) 444 1020');

COMMIT;
