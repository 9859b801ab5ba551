/* Bank disbursement files of a payment schedule. Each bank wants its own
   flat file, and most do not publish the layout: the banks hand it to the
   customer, and change it now and then. So a layout is data, not code:
   ARCHIVO_BANCO_FORMATOS names the formats offered in "Formato:" and
   ARCHIVO_BANCO_CAMPOS lists, per format and record, the fields in order
   with their position, length, filling and where the value comes from. A
   technician fixes a bank's file with an UPDATE; one engine writes them all.

   What is paid: the live lines paid from a bank ('B', PRPG_IDCAJA is the
   company's account in CUENTAS_BANCOS) of a live schedule. A file holds one
   batch per paying account (ordered by account code): its control record,
   one detail per supplier with the sum of that supplier's lines (a bank
   moves one credit per beneficiary and account; several documents of one
   supplier are one transfer), ordered by name, then its footer. A format
   without rows of a record kind simply has no such record. Cash lines are
   not in the file; an annulled schedule gives no lines at all.

   Every supplier paid must carry bank, account type and number in the
   supplier master (PROV_BANCO, PROV_TIPOCTA 'A' savings or 'C' current,
   PROV_CUENTA); otherwise nothing is written and the exception names them
   all, so the user fixes the master once, not one supplier per attempt. A
   number that does not fit its field refuses the file the same way:
   a cut amount or account would pay the wrong money. */

CREATE EXCEPTION E_ARCHIVO_BANCO 'No se puede generar el archivo del banco.';

CREATE TABLE ARCHIVO_BANCO_FORMATOS (
    ARBF_FORMATO   VARCHAR(20) NOT NULL,
    /* Every line is blank-filled to this length; 0 leaves each line as
       long as its fields. */
    ARBF_LONGITUD  INTEGER DEFAULT 0 NOT NULL,
    /* Between the fields of a delimited format, whose positions are then
       ignored; NULL for fixed positions. */
    ARBF_SEPARADOR VARCHAR(1),
    CONSTRAINT PK_ARCHIVO_BANCO_FORMATOS PRIMARY KEY (ARBF_FORMATO),
    CONSTRAINT CK_ARCHIVO_BANCO_FORMATOS CHECK (ARBF_LONGITUD >= 0)
);

/* ARBC_REGISTRO: 'C' control (before the details of a paying account),
   'D' detail (one per supplier paid), 'P' footer (after them).
   ARBC_POSICION: first column of the field, from 1; 0 right after the
   previous field. A field that would start before the end of the previous
   one is a layout error.
   ARBC_RELLENO: 'I' text left-aligned, blank-filled and cut to length;
   'D' number right-aligned and zero-filled, refused when too long;
   'N' as it is (delimited formats), cut to the length when one is given.
   ARBC_FUENTE, and what ARBC_TEXTO means for it:
     TEXTO              the text itself
     NIT EMPRESA        company NIT ("NIT EMISOR" of the configuration)
     FECHA              the day the file is made   } ARBC_TEXTO the mask,
     FECHA APLICACION   the dispersal date         } AAAA AA MM DD, default AAAAMMDD
     SECUENCIA          the sequence the user typed
     REGISTROS          details in the batch
     TOTAL, VALOR       batch total, supplier's amount: ARBC_TEXTO '' or '2'
                        two implied decimals, '0' whole pesos, '.' with a point
     CUENTA EMPRESA     paying account's number, digits only
     TIPO CUENTA EMPRESA, TIPO CUENTA   ARBC_TEXTO 'savings code/current code'
     BANCO EMPRESA, BANCO   bank code, after ARBC_TEXTO as a prefix
     NOMBRE BANCO       supplier's bank name
     NIT, NOMBRE        supplier's NIT and name (upper case, no accents)
     CUENTA             supplier's account number, digits only
     REFERENCIA         schedule prefix and number
     CONCEPTO           schedule concept
     ITEM               number of the detail within the batch */
CREATE TABLE ARCHIVO_BANCO_CAMPOS (
    ARBF_FORMATO  VARCHAR(20) NOT NULL,
    ARBC_REGISTRO VARCHAR(1) NOT NULL,
    ARBC_ORDEN    INTEGER NOT NULL,
    ARBC_POSICION INTEGER DEFAULT 0 NOT NULL,
    ARBC_LONGITUD INTEGER DEFAULT 0 NOT NULL,
    ARBC_RELLENO  VARCHAR(1) DEFAULT 'I' NOT NULL,
    ARBC_FUENTE   VARCHAR(20) NOT NULL,
    ARBC_TEXTO    VARCHAR(100),
    /* The bank's name for the field, for whoever checks the layout. */
    ARBC_NOMBRE   VARCHAR(40),
    CONSTRAINT PK_ARCHIVO_BANCO_CAMPOS PRIMARY KEY (ARBF_FORMATO, ARBC_REGISTRO, ARBC_ORDEN),
    CONSTRAINT FK_ARCHIVO_BANCO_CAMPOS FOREIGN KEY (ARBF_FORMATO)
        REFERENCES ARCHIVO_BANCO_FORMATOS (ARBF_FORMATO) ON DELETE CASCADE ON UPDATE CASCADE,
    CONSTRAINT CK_ARCHIVO_BANCO_CAMPOS CHECK (ARBC_REGISTRO IN ('C', 'D', 'P')
        AND ARBC_RELLENO IN ('I', 'D', 'N') AND ARBC_POSICION >= 0 AND ARBC_LONGITUD >= 0
        AND ARBC_FUENTE IN ('TEXTO', 'NIT EMPRESA', 'FECHA', 'FECHA APLICACION', 'SECUENCIA',
            'REGISTROS', 'TOTAL', 'CUENTA EMPRESA', 'TIPO CUENTA EMPRESA', 'BANCO EMPRESA',
            'NIT', 'NOMBRE', 'BANCO', 'NOMBRE BANCO', 'TIPO CUENTA', 'CUENTA', 'VALOR',
            'REFERENCIA', 'CONCEPTO', 'ITEM'))
);

SET TERM ^ ;

/* Banks take plain upper-case letters only. */
CREATE OR ALTER FUNCTION ARCHIVO_BANCO_TEXTO (T VARCHAR(200)) RETURNS VARCHAR(200)
AS
BEGIN
    T = UPPER(COALESCE(T, ''));
    T = REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(T, 'á', 'A'), 'é', 'E'), 'í', 'I'), 'ó', 'O'), 'ú', 'U');
    T = REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(T, 'Á', 'A'), 'É', 'E'), 'Í', 'I'), 'Ó', 'O'), 'Ú', 'U');
    T = REPLACE(REPLACE(REPLACE(REPLACE(T, 'ñ', 'N'), 'Ñ', 'N'), 'ü', 'U'), 'Ü', 'U');
    RETURN T;
END^

/* Account numbers are typed with dashes and spaces; banks want digits. */
CREATE OR ALTER FUNCTION ARCHIVO_BANCO_DIGITOS (T VARCHAR(40)) RETURNS VARCHAR(40)
AS
BEGIN
    RETURN REPLACE(REPLACE(REPLACE(COALESCE(T, ''), '-', ''), ' ', ''), '.', '');
END^

/* An amount as the field wants it (see ARBC_TEXTO of TOTAL and VALOR). */
CREATE OR ALTER FUNCTION ARCHIVO_BANCO_MONTO (V NUMERIC(15,2), FORMA VARCHAR(100)) RETURNS VARCHAR(40)
AS
BEGIN
    IF (FORMA = '0') THEN
        RETURN CAST(CAST(ROUND(V, 0) AS BIGINT) AS VARCHAR(40));
    IF (FORMA = '.') THEN
        RETURN CAST(V AS VARCHAR(40));
    RETURN CAST(CAST(V * 100 AS BIGINT) AS VARCHAR(40));
END^

CREATE OR ALTER FUNCTION ARCHIVO_BANCO_FECHA (D DATE, MASCARA VARCHAR(100)) RETURNS VARCHAR(40)
AS
DECLARE Y VARCHAR(4);
BEGIN
    IF (COALESCE(MASCARA, '') = '') THEN
        MASCARA = 'AAAAMMDD';
    Y = LPAD(CAST(EXTRACT(YEAR FROM D) AS VARCHAR(4)), 4, '0');
    RETURN REPLACE(REPLACE(REPLACE(REPLACE(MASCARA, 'AAAA', Y), 'AA', RIGHT(Y, 2)), 'MM',
        LPAD(CAST(EXTRACT(MONTH FROM D) AS VARCHAR(2)), 2, '0')), 'DD',
        LPAD(CAST(EXTRACT(DAY FROM D) AS VARCHAR(2)), 2, '0'));
END^

/* Savings or current code of a 'savings/current' pair: 'A'/'AH' savings. */
CREATE OR ALTER FUNCTION ARCHIVO_BANCO_TIPO (TIPO VARCHAR(2), CODIGOS VARCHAR(100)) RETURNS VARCHAR(100)
AS
DECLARE BARRA INTEGER;
BEGIN
    BARRA = POSITION('/' IN COALESCE(CODIGOS, ''));
    IF (BARRA = 0) THEN
        RETURN COALESCE(CODIGOS, '');
    IF (LEFT(TIPO, 1) = 'A') THEN
        RETURN LEFT(CODIGOS, BARRA - 1);
    RETURN SUBSTRING(CODIGOS FROM BARRA + 1);
END^

/* One record of FORMATO of kind REGISTRO, from the layout rows; NULL when
   the format has no such record. NIT is the supplier of a detail (NULL for
   control and footer). */
CREATE OR ALTER PROCEDURE ARCHIVO_BANCO_REGISTRO (FORMATO VARCHAR(20), REGISTRO VARCHAR(1), HOY DATE,
    FECHA DATE, SECUENCIA VARCHAR(10), CUENTA_PAGO VARCHAR(10), NIT VARCHAR(20), VALOR NUMERIC(15,2),
    REGISTROS INTEGER, TOTAL NUMERIC(15,2), ITEM INTEGER, REFERENCIA VARCHAR(20), CONCEPTO VARCHAR(60))
RETURNS (DATOS VARCHAR(2000))
AS
DECLARE LONGITUD_LINEA INTEGER;
DECLARE SEPARADOR VARCHAR(1);
DECLARE POSICION INTEGER;
DECLARE LONGITUD INTEGER;
DECLARE RELLENO VARCHAR(1);
DECLARE FUENTE VARCHAR(20);
DECLARE TEXTO VARCHAR(100);
DECLARE V VARCHAR(200);
DECLARE QUIEN VARCHAR(60);
DECLARE NIT_EMPRESA VARCHAR(100);
DECLARE NOMBRE VARCHAR(60);
DECLARE BANCO VARCHAR(2);
DECLARE NOMBRE_BANCO VARCHAR(60);
DECLARE TIPOCTA VARCHAR(1);
DECLARE CUENTA VARCHAR(20);
DECLARE BANCO_EMPRESA VARCHAR(2);
DECLARE TIPO_EMPRESA VARCHAR(2);
DECLARE CUENTA_EMPRESA VARCHAR(20);
BEGIN
    SELECT ARBF_LONGITUD, ARBF_SEPARADOR FROM ARCHIVO_BANCO_FORMATOS WHERE ARBF_FORMATO = :FORMATO
        INTO :LONGITUD_LINEA, :SEPARADOR;
    SELECT COALESCE(MAX(CONF_VALOR), '') FROM CONFIGURACION WHERE CONF_MODULO = 'CXPAGAR'
        AND CONF_CATEGORIA = 'DOCUMENTO SOPORTE' AND CONF_PROPIEDAD = 'NIT EMISOR' INTO :NIT_EMPRESA;
    SELECT BANC_COD, CUBA_CODCTA, CUBA_NUMERO FROM CUENTAS_BANCOS WHERE CUBA_COD = :CUENTA_PAGO
        INTO :BANCO_EMPRESA, :TIPO_EMPRESA, :CUENTA_EMPRESA;
    QUIEN = 'la empresa';
    IF (NIT IS NOT NULL) THEN
        SELECT t.TERC_NOM, p.PROV_BANCO, b.BANC_NOMBRE, p.PROV_TIPOCTA, p.PROV_CUENTA
        FROM TERCEROS t JOIN PROVEEDORES p ON p.TERC_NIT = t.TERC_NIT
            LEFT JOIN BANCOS b ON b.BANC_COD = p.PROV_BANCO
        WHERE t.TERC_NIT = :NIT
        INTO :QUIEN, :BANCO, :NOMBRE_BANCO, :TIPOCTA, :CUENTA;
    NOMBRE = QUIEN;
    FOR SELECT ARBC_POSICION, ARBC_LONGITUD, ARBC_RELLENO, ARBC_FUENTE, COALESCE(ARBC_TEXTO, '')
        FROM ARCHIVO_BANCO_CAMPOS WHERE ARBF_FORMATO = :FORMATO AND ARBC_REGISTRO = :REGISTRO
        ORDER BY ARBC_ORDEN
        INTO :POSICION, :LONGITUD, :RELLENO, :FUENTE, :TEXTO
    DO BEGIN
        IF (FUENTE = 'NIT EMPRESA' AND NIT_EMPRESA = '') THEN
            EXCEPTION E_ARCHIVO_BANCO
                'Falta el NIT de la empresa en la configuración (CXPAGAR, DOCUMENTO SOPORTE, NIT EMISOR).';
        V = CASE FUENTE
            WHEN 'TEXTO' THEN TEXTO
            WHEN 'NIT EMPRESA' THEN NIT_EMPRESA
            WHEN 'FECHA' THEN ARCHIVO_BANCO_FECHA(HOY, TEXTO)
            WHEN 'FECHA APLICACION' THEN ARCHIVO_BANCO_FECHA(FECHA, TEXTO)
            WHEN 'SECUENCIA' THEN COALESCE(SECUENCIA, '')
            WHEN 'REGISTROS' THEN CAST(REGISTROS AS VARCHAR(20))
            WHEN 'TOTAL' THEN ARCHIVO_BANCO_MONTO(TOTAL, TEXTO)
            WHEN 'CUENTA EMPRESA' THEN ARCHIVO_BANCO_DIGITOS(CUENTA_EMPRESA)
            WHEN 'TIPO CUENTA EMPRESA' THEN ARCHIVO_BANCO_TIPO(TIPO_EMPRESA, TEXTO)
            WHEN 'BANCO EMPRESA' THEN TEXTO || COALESCE(BANCO_EMPRESA, '')
            WHEN 'NIT' THEN COALESCE(NIT, '')
            WHEN 'NOMBRE' THEN ARCHIVO_BANCO_TEXTO(NOMBRE)
            WHEN 'BANCO' THEN TEXTO || COALESCE(BANCO, '')
            WHEN 'NOMBRE BANCO' THEN ARCHIVO_BANCO_TEXTO(NOMBRE_BANCO)
            WHEN 'TIPO CUENTA' THEN ARCHIVO_BANCO_TIPO(TIPOCTA, TEXTO)
            WHEN 'CUENTA' THEN ARCHIVO_BANCO_DIGITOS(CUENTA)
            WHEN 'VALOR' THEN ARCHIVO_BANCO_MONTO(VALOR, TEXTO)
            WHEN 'REFERENCIA' THEN COALESCE(REFERENCIA, '')
            WHEN 'CONCEPTO' THEN ARCHIVO_BANCO_TEXTO(CONCEPTO)
            WHEN 'ITEM' THEN CAST(ITEM AS VARCHAR(20))
            END;
        V = COALESCE(V, '');
        IF (RELLENO = 'D') THEN
        BEGIN
            IF (CHAR_LENGTH(V) > LONGITUD) THEN
                EXCEPTION E_ARCHIVO_BANCO 'El dato ' || FUENTE || ' de ' || QUIEN || ' (' || V
                    || ') no cabe en las ' || LONGITUD || ' posiciones del formato ' || FORMATO || '.';
            V = LPAD(V, LONGITUD, '0');
        END
        ELSE IF (RELLENO = 'I') THEN
            V = RPAD(V, LONGITUD);
        ELSE IF (LONGITUD > 0) THEN
            V = LEFT(V, LONGITUD);
        IF (SEPARADOR IS NOT NULL) THEN
            DATOS = IIF(DATOS IS NULL, '', DATOS || SEPARADOR) || V;
        ELSE
        BEGIN
            DATOS = COALESCE(DATOS, '');
            IF (POSICION > 0) THEN
            BEGIN
                IF (CHAR_LENGTH(DATOS) > POSICION - 1) THEN
                    EXCEPTION E_ARCHIVO_BANCO 'El campo ' || FUENTE || ' del formato ' || FORMATO
                        || ' empieza en la posición ' || POSICION || ', dentro del campo anterior.';
                DATOS = RPAD(DATOS, POSICION - 1);
            END
            DATOS = DATOS || V;
        END
    END
    IF (DATOS IS NOT NULL AND LONGITUD_LINEA > 0) THEN
    BEGIN
        IF (CHAR_LENGTH(DATOS) > LONGITUD_LINEA) THEN
            EXCEPTION E_ARCHIVO_BANCO 'Los campos del formato ' || FORMATO || ' pasan de '
                || LONGITUD_LINEA || ' posiciones.';
        DATOS = RPAD(DATOS, LONGITUD_LINEA);
    END
END^

/* The finished lines of the file of schedule ID in FORMATO, in order.
   REGISTRO and VALOR let the caller count the payments and add them up. */
CREATE OR ALTER PROCEDURE ARCHIVO_BANCO_CXP (ID INTEGER, HOY DATE, FECHA DATE, SECUENCIA VARCHAR(10),
    FORMATO VARCHAR(20))
RETURNS (DATOS VARCHAR(2000), REGISTRO VARCHAR(1), VALOR NUMERIC(15,2))
AS
DECLARE FALTAN VARCHAR(8000);
DECLARE CUENTA_PAGO VARCHAR(10);
DECLARE REGISTROS INTEGER;
DECLARE TOTAL NUMERIC(15,2);
DECLARE NIT VARCHAR(20);
DECLARE ITEM INTEGER;
DECLARE REFERENCIA VARCHAR(20);
DECLARE CONCEPTO VARCHAR(60);
BEGIN
    IF (NOT EXISTS (SELECT 1 FROM ARCHIVO_BANCO_FORMATOS WHERE ARBF_FORMATO = :FORMATO)) THEN
        EXCEPTION E_ARCHIVO_BANCO 'El formato ' || COALESCE(FORMATO, '') || ' no está definido.';
    SELECT PRPG_PREF || PRPG_NUMERO, PRPG_CONC FROM PROGRAMACION_PAGOS_ENC
    WHERE PRPG_ID = :ID AND PRPG_ANULADO = 'N'
    INTO :REFERENCIA, :CONCEPTO;
    IF (REFERENCIA IS NULL) THEN
        EXIT;

    SELECT LIST(DISTINCT COALESCE(t.TERC_NOM, m.TERC_NIT), ', ')
    FROM PROGRAMACION_PAGOS l
        JOIN MOVIMIENTO_PROVEEDOR m ON m.MVPR_TIPOREF = l.PRPG_TIPODOC AND m.MVPR_IDREF = l.PRPG_IDDOC
        LEFT JOIN TERCEROS t ON t.TERC_NIT = m.TERC_NIT
        LEFT JOIN PROVEEDORES p ON p.TERC_NIT = m.TERC_NIT
    WHERE l.PRPG_ID = :ID AND l.PRPG_ANULADO = 'N' AND l.PRPG_COB = 'B'
        AND (COALESCE(p.PROV_BANCO, '') = '' OR ARCHIVO_BANCO_DIGITOS(p.PROV_CUENTA) = ''
            OR COALESCE(p.PROV_TIPOCTA, '') NOT IN ('A', 'C'))
    INTO :FALTAN;
    IF (FALTAN IS NOT NULL) THEN
        EXCEPTION E_ARCHIVO_BANCO 'Registre banco, tipo y número de cuenta de: ' || FALTAN || '.';

    SELECT LIST(DISTINCT COALESCE(l.PRPG_IDCAJA, ''), ', ')
    FROM PROGRAMACION_PAGOS l LEFT JOIN CUENTAS_BANCOS c ON c.CUBA_COD = l.PRPG_IDCAJA
    WHERE l.PRPG_ID = :ID AND l.PRPG_ANULADO = 'N' AND l.PRPG_COB = 'B' AND c.CUBA_COD IS NULL
    INTO :FALTAN;
    IF (FALTAN IS NOT NULL) THEN
        EXCEPTION E_ARCHIVO_BANCO 'No existe la cuenta bancaria de pago: ' || FALTAN || '.';

    FOR SELECT DISTINCT l.PRPG_IDCAJA
        FROM PROGRAMACION_PAGOS l
        WHERE l.PRPG_ID = :ID AND l.PRPG_ANULADO = 'N' AND l.PRPG_COB = 'B'
        ORDER BY l.PRPG_IDCAJA
        INTO :CUENTA_PAGO
    DO
        /* The batch of one paying account: control (ITEM 0), the suppliers
           by name, footer last. Suppliers whose lines add up to nothing
           are no transfer. */
        FOR WITH PAGOS AS (
                SELECT m.TERC_NIT NIT, MAX(t.TERC_NOM) NOMBRE, SUM(l.PRPG_ABONO) VALOR
                FROM PROGRAMACION_PAGOS l
                    JOIN MOVIMIENTO_PROVEEDOR m ON m.MVPR_TIPOREF = l.PRPG_TIPODOC
                        AND m.MVPR_IDREF = l.PRPG_IDDOC
                    LEFT JOIN TERCEROS t ON t.TERC_NIT = m.TERC_NIT
                WHERE l.PRPG_ID = :ID AND l.PRPG_ANULADO = 'N' AND l.PRPG_COB = 'B'
                    AND l.PRPG_IDCAJA = :CUENTA_PAGO
                GROUP BY m.TERC_NIT
                HAVING SUM(l.PRPG_ABONO) > 0),
            LOTE AS (
                SELECT NIT, VALOR, COUNT(*) OVER () REGISTROS, SUM(VALOR) OVER () TOTAL,
                    ROW_NUMBER() OVER (ORDER BY NOMBRE, NIT) ITEM
                FROM PAGOS)
            SELECT 'D', ITEM, NIT, VALOR, REGISTROS, TOTAL FROM LOTE
            UNION ALL
            SELECT DISTINCT 'C', 0, CAST(NULL AS VARCHAR(20)), TOTAL, REGISTROS, TOTAL FROM LOTE
            UNION ALL
            SELECT DISTINCT 'P', REGISTROS + 1, CAST(NULL AS VARCHAR(20)), TOTAL, REGISTROS, TOTAL
            FROM LOTE
            ORDER BY 2
            INTO :REGISTRO, :ITEM, :NIT, :VALOR, :REGISTROS, :TOTAL
        DO BEGIN
            EXECUTE PROCEDURE ARCHIVO_BANCO_REGISTRO(:FORMATO, :REGISTRO, :HOY, :FECHA, :SECUENCIA,
                :CUENTA_PAGO, :NIT, :VALOR, :REGISTROS, :TOTAL, :ITEM, :REFERENCIA, :CONCEPTO)
                RETURNING_VALUES :DATOS;
            IF (DATOS IS NOT NULL) THEN
                SUSPEND;
        END
END^

SET TERM ; ^

/* First definitions. PAB follows the bank's published supplier-payment
   layout of 264 positions (control record 1, details 6; credit codes 37
   savings, 27 current; bank codes are the ACH ones, '10' and ours). The
   other banks give their layouts to each customer: these are a start, to
   be checked against the bank's sheet and adjusted here. */
INSERT INTO ARCHIVO_BANCO_FORMATOS VALUES ('PAB', 264, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 1, 1, 1, 'D', 'TEXTO', '1', 'Tipo de registro');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 2, 2, 15, 'D', 'NIT EMPRESA', NULL, 'NIT entidad originadora');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 3, 17, 1, 'I', 'TEXTO', 'I', 'Aplicación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 4, 33, 3, 'D', 'TEXTO', '220', 'Clase de transacción');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 5, 36, 10, 'I', 'TEXTO', 'PAGO PROV', 'Descripción propósito');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 6, 46, 8, 'D', 'FECHA', 'AAAAMMDD', 'Fecha de transmisión');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 7, 54, 2, 'I', 'SECUENCIA', NULL, 'Secuencia de envío');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 8, 56, 8, 'D', 'FECHA APLICACION', 'AAAAMMDD', 'Fecha de aplicación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 9, 64, 6, 'D', 'REGISTROS', NULL, 'Número de registros');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 10, 70, 17, 'D', 'TEXTO', '0', 'Sumatoria de débitos');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 11, 87, 17, 'D', 'TOTAL', '2', 'Sumatoria de créditos');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 12, 104, 11, 'D', 'CUENTA EMPRESA', NULL, 'Cuenta a debitar');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'C', 13, 115, 1, 'I', 'TIPO CUENTA EMPRESA', 'S/D', 'Tipo de cuenta a debitar');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 1, 1, 1, 'D', 'TEXTO', '6', 'Tipo de registro');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 2, 2, 15, 'D', 'NIT', NULL, 'Identificación del beneficiario');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 3, 17, 30, 'I', 'NOMBRE', NULL, 'Nombre del beneficiario');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 4, 47, 9, 'D', 'BANCO', '10', 'Banco de la cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 5, 56, 17, 'I', 'CUENTA', NULL, 'Número de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 6, 73, 1, 'I', 'TEXTO', 'S', 'Indicador lugar de pago');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 7, 74, 2, 'D', 'TIPO CUENTA', '37/27', 'Tipo de transacción');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 8, 76, 17, 'D', 'VALOR', '2', 'Valor de la transacción');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 9, 93, 8, 'D', 'FECHA APLICACION', 'AAAAMMDD', 'Fecha de aplicación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('PAB', 'D', 10, 101, 21, 'I', 'REFERENCIA', NULL, 'Referencia');

INSERT INTO ARCHIVO_BANCO_FORMATOS VALUES ('BCOBTA', 0, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 1, 1, 1, 'D', 'TEXTO', '1', 'Tipo de registro');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 2, 2, 8, 'D', 'FECHA', 'AAAAMMDD', 'Fecha de pago');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 3, 10, 23, 'D', 'CUENTA EMPRESA', NULL, 'Cuenta a debitar');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 4, 33, 2, 'D', 'TIPO CUENTA EMPRESA', '02/01', 'Tipo de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 5, 35, 11, 'D', 'NIT EMPRESA', NULL, 'NIT de la empresa');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 6, 46, 5, 'D', 'REGISTROS', NULL, 'Número de pagos');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 7, 51, 18, 'D', 'TOTAL', '2', 'Valor total');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'C', 8, 69, 8, 'D', 'FECHA APLICACION', 'AAAAMMDD', 'Fecha de aplicación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 1, 1, 1, 'D', 'TEXTO', '2', 'Tipo de registro');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 2, 2, 1, 'I', 'TEXTO', 'N', 'Tipo de identificación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 3, 3, 11, 'D', 'NIT', NULL, 'Identificación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 4, 14, 40, 'I', 'NOMBRE', NULL, 'Nombre');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 5, 54, 2, 'D', 'TIPO CUENTA', '02/01', 'Tipo de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 6, 56, 17, 'I', 'CUENTA', NULL, 'Número de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 7, 73, 18, 'D', 'VALOR', '2', 'Valor');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 8, 91, 3, 'D', 'BANCO', NULL, 'Código del banco');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCOBTA', 'D', 9, 94, 10, 'I', 'REFERENCIA', NULL, 'Referencia');

INSERT INTO ARCHIVO_BANCO_FORMATOS VALUES ('BCO CAJA SOCIAL', 0, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 1, 1, 2, 'D', 'TEXTO', '02', 'Tipo de registro');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 2, 3, 15, 'D', 'NIT', NULL, 'Identificación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 3, 18, 30, 'I', 'NOMBRE', NULL, 'Nombre');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 4, 48, 4, 'D', 'BANCO', '10', 'Banco destino');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 5, 52, 1, 'I', 'TIPO CUENTA', 'A/C', 'Tipo de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 6, 53, 17, 'D', 'CUENTA', NULL, 'Número de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 7, 70, 15, 'D', 'VALOR', '2', 'Valor');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'D', 8, 85, 8, 'D', 'FECHA APLICACION', 'AAAAMMDD', 'Fecha de pago');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'P', 1, 1, 2, 'D', 'TEXTO', '03', 'Tipo de registro');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'P', 2, 3, 15, 'D', 'NIT EMPRESA', NULL, 'NIT de la empresa');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'P', 3, 18, 17, 'D', 'CUENTA EMPRESA', NULL, 'Cuenta a debitar');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'P', 4, 35, 6, 'D', 'REGISTROS', NULL, 'Número de pagos');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO CAJA SOCIAL', 'P', 5, 41, 17, 'D', 'TOTAL', '2', 'Valor total');

INSERT INTO ARCHIVO_BANCO_FORMATOS VALUES ('BCO BBVA', 0, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 1, 1, 1, 'I', 'TEXTO', 'N', 'Tipo de identificación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 2, 2, 15, 'D', 'NIT', NULL, 'Identificación');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 3, 17, 1, 'D', 'TEXTO', '1', 'Forma de pago: abono en cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 4, 18, 4, 'D', 'BANCO', '00', 'Banco destino');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 5, 22, 2, 'D', 'TIPO CUENTA', '02/01', 'Tipo de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 6, 24, 16, 'D', 'CUENTA', NULL, 'Número de cuenta');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 7, 40, 15, 'D', 'VALOR', '2', 'Valor');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 8, 55, 8, 'D', 'FECHA APLICACION', 'AAAAMMDD', 'Fecha de pago');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 9, 63, 36, 'I', 'NOMBRE', NULL, 'Nombre');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('BCO BBVA', 'D', 10, 99, 40, 'I', 'CONCEPTO', NULL, 'Concepto');

/* For banks without a file: a list the treasurer can read or paste into
   the bank's web page, with a title line. */
INSERT INTO ARCHIVO_BANCO_FORMATOS VALUES ('MANUAL', 0, ';');
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'C', 1, 0, 0, 'N', 'TEXTO', 'NIT', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'C', 2, 0, 0, 'N', 'TEXTO', 'NOMBRE', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'C', 3, 0, 0, 'N', 'TEXTO', 'BANCO', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'C', 4, 0, 0, 'N', 'TEXTO', 'TIPO CUENTA', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'C', 5, 0, 0, 'N', 'TEXTO', 'CUENTA', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'C', 6, 0, 0, 'N', 'TEXTO', 'VALOR', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'C', 7, 0, 0, 'N', 'TEXTO', 'FECHA', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'D', 1, 0, 0, 'N', 'NIT', NULL, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'D', 2, 0, 0, 'N', 'NOMBRE', NULL, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'D', 3, 0, 0, 'N', 'NOMBRE BANCO', NULL, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'D', 4, 0, 0, 'N', 'TIPO CUENTA', 'AHORROS/CORRIENTE', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'D', 5, 0, 0, 'N', 'CUENTA', NULL, NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'D', 6, 0, 0, 'N', 'VALOR', '.', NULL);
INSERT INTO ARCHIVO_BANCO_CAMPOS VALUES ('MANUAL', 'D', 7, 0, 0, 'N', 'FECHA APLICACION', 'DD/MM/AAAA', NULL);

COMMIT;
