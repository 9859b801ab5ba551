/* Date of the schema these scripts build; shown in the status bar so support
   can tell which scripts a database came from. */

INSERT INTO REVISION (REVI_FECHA, REVI_VERSION, REVI_DESCRIPCION)
VALUES ('2024-06-01', '1', 'Núcleo: usuarios, configuración, numeración, auditoría, mensajería');

COMMIT;
