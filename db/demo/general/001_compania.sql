/* The demo company's identity for printed headers. Its row exists already:
   creating the company database writes it with the code and the name. */

UPDATE COMPANIA SET
    COMP_NIT = '901456789-8',
    COMP_DIR = 'Carrera 7 No. 71-21 Oficina 502, Bogotá D.C.',
    COMP_TELS = '(601) 345 6789 - 310 555 0123',
    COMP_ENCABEZADO = 'Régimen común - No somos grandes contribuyentes - Actividad económica 4690'
WHERE COMP_COD = '001';

COMMIT;
