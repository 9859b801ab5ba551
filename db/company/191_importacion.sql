/* Layouts of the data import: for each kind of file (14 suppliers, 15
   supplier groups, 16 opening balances) the column of the file where each
   data item is found and, for fixed-width files, how many characters it
   takes. The wizard proposes them and the user may change them before
   importing; what is imported is decided per run, not stored. */

CREATE TABLE IMPORTACION_INVENTARIO (
    IMIN_TIPO    INTEGER NOT NULL,
    IMIN_DATO    VARCHAR(31) NOT NULL,
    IMIN_COLUMNA INTEGER NOT NULL,
    IMIN_ANCHO   INTEGER DEFAULT 0 NOT NULL,
    CONSTRAINT PK_IMPORTACION_INVENTARIO PRIMARY KEY (IMIN_TIPO, IMIN_DATO),
    CONSTRAINT CK_IMPORTACION_INVENTARIO CHECK (IMIN_TIPO IN (14, 15, 16) AND IMIN_COLUMNA > 0
        AND IMIN_ANCHO >= 0)
);
