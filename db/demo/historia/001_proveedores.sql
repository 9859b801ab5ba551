/* Suppliers that only the demo with history has: a hardware store, a
   cleaning-services firm, an IT integrator that sells on credit in large
   amounts and a tax consultant who is a natural person not obliged to
   invoice (so every purchase from her is a support document). Check digits
   are right; withholding profiles follow what each one sells: goods at
   2.5 %, services at 4 %, fees at 10 %. */

INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TERC_TIPOID, TERC_NOM, TERC_DIR, CIUD_COD, TERC_CIU, PAIS_ID, TERC_TEL, TERC_EMAIL, TERC_PROV, TERC_CLIE, TERC_ESTADO)
VALUES ('901345672', '9', 'J', 'Ferretería y Suministros El Cóndor S.A.S.', 'Carrera 15 No. 34-18', '68001', 'Bucaramanga', '170', '(607) 555 0404', 'facturacion@elcondor.example', 'S', 'N', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TERC_TIPOID, TERC_NOM, TERC_DIR, CIUD_COD, TERC_CIU, PAIS_ID, TERC_TEL, TERC_EMAIL, TERC_PROV, TERC_CLIE, TERC_ESTADO)
VALUES ('890112233', '1', 'J', 'Servicios de Aseo Integral del Caribe Ltda.', 'Calle 72 No. 54-30', '08001', 'Barranquilla', '170', '(605) 555 0505', 'cartera@aseocaribe.example', 'S', 'N', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TERC_TIPOID, TERC_NOM, TERC_DIR, CIUD_COD, TERC_CIU, PAIS_ID, TERC_TEL, TERC_EMAIL, TERC_PROV, TERC_CLIE, TERC_ESTADO)
VALUES ('830078945', '1', 'J', 'Tecnología y Redes Andinas S.A.S.', 'Avenida Calle 26 No. 68C-61', '11001', 'Bogotá D.C.', '170', '(601) 555 0606', 'cobranzas@redesandinas.example', 'S', 'N', 'S');
INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TERC_TIPOID, TERC_NOM, TERC_NOMBRE1, TERC_NOMBRE2, TERC_APELLIDO1, TERC_APELLIDO2, TERC_DIR, CIUD_COD, TERC_CIU, PAIS_ID, TERC_CEL, TERC_EMAIL, TERC_PROV, TERC_CLIE, TERC_ESTADO)
VALUES ('52381907', '8', 'C', 'López Castaño María Fernanda', 'María', 'Fernanda', 'López', 'Castaño', 'Calle 65 No. 23-40', '17001', 'Manizales', '170', '310 555 0707', 'mflopez.asesorias@example.com', 'S', 'N', 'S');

INSERT INTO PROVEEDORES (TERC_NIT, GRPR_COD, PROV_COD, PROV_RETEFTE, PROV_RTFTEBASE, PROV_RTEIVA, PROV_RTEICA, PROV_RTICABASE, PROV_DIASPAGO)
VALUES ('901345672', '01', 'ELCONDOR', 2.50, 1000000.00, 15.00, 6.90, 1000000.00, 30);
INSERT INTO PROVEEDORES (TERC_NIT, GRPR_COD, PROV_COD, PROV_RETEFTE, PROV_RTFTEBASE, PROV_RTEIVA, PROV_RTEICA, PROV_RTICABASE, PROV_DIASPAGO)
VALUES ('890112233', '01', 'ASEOCARIBE', 4.00, 152000.00, 15.00, 8.00, 152000.00, 30);
INSERT INTO PROVEEDORES (TERC_NIT, GRPR_COD, PROV_COD, PROV_RETEFTE, PROV_RTFTEBASE, PROV_RTEIVA, PROV_RTEICA, PROV_RTICABASE, PROV_DIASPAGO)
VALUES ('830078945', '01', 'REDESANDINAS', 4.00, 152000.00, 15.00, 9.66, 152000.00, 45);
INSERT INTO PROVEEDORES (TERC_NIT, GRPR_COD, PROV_COD, PROV_RETEFTE, PROV_RTFTEBASE, PROV_RTEICA, PROV_RTICABASE, PROV_DIASPAGO)
VALUES ('52381907', '01', 'MFLOPEZ', 10.00, 0, 9.66, 152000.00, 15);

COMMIT;
