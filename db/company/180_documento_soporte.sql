/* Content of the electronic support document (a charge, 51) and of its
   adjustment note (a discount, 52), as the support-document component reads
   it: CADENA_FACTELECTRONICA21(TIPO, PREFIJO, NUMERO) answers one row of
   thirteen text blocks, or none when the document does not exist. The block
   format (tags, fields, order) is written in docs/documento_soporte.md; the
   component refuses blocks whose tag it does not know, so a change of format
   takes a new tag.

   Every block that carries data starts with its tag, so a block never
   begins with an empty field and blocks glued with "%%" split back without
   doubt. Fields are separated by "%%%%%"; a '%' in stored text is written
   "%25" so that text can never look like a separator.

   The company's identity lives in the general database, out of reach of a
   procedure: the issuer's data the tax authority needs are the settings
   below (the name is the company's "NOMBRE COMPANIA"). Each installation
   fills them in. */

INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'NIT EMISOR', ''); /* company NIT without check digit */
INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'DV EMISOR', ''); /* its modulus-11 check digit */
INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'TIPO DE PERSONA EMISOR', '1'); /* 1 legal entity, 2 natural person */
INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'DIRECCION EMISOR', '');
INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'CIUDAD EMISOR', '11001'); /* DANE code of the company's city */
INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'CORREO EMISOR', '');
INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'TELEFONO EMISOR', '');
INSERT INTO CONFIGURACION VALUES ('CXPAGAR', 'DOCUMENTO SOPORTE', 'RESPONSABILIDADES FISCALES EMISOR', 'R-99-PN'); /* RUT codes separated by ';' */

SET TERM ^ ;

/* Stored text as a block field: never null, '%' escaped. */
CREATE FUNCTION DS_TEXTO (T VARCHAR(1000))
RETURNS VARCHAR(3000)
AS
BEGIN
    RETURN REPLACE(COALESCE(T, ''), '%', '%25');
END^

CREATE FUNCTION DS_CONFIG (PROPIEDAD VARCHAR(100))
RETURNS VARCHAR(300)
AS
DECLARE V VARCHAR(100);
BEGIN
    SELECT CONF_VALOR FROM CONFIGURACION
    WHERE CONF_MODULO = 'CXPAGAR' AND CONF_CATEGORIA = 'DOCUMENTO SOPORTE' AND CONF_PROPIEDAD = :PROPIEDAD
    INTO :V;
    RETURN DS_TEXTO(TRIM(V));
END^

CREATE FUNCTION DS_MONTO (V NUMERIC(18,4))
RETURNS VARCHAR(24)
AS
BEGIN
    RETURN CAST(CAST(COALESCE(V, 0) AS NUMERIC(18,2)) AS VARCHAR(24));
END^

CREATE FUNCTION DS_FECHA (D DATE)
RETURNS VARCHAR(10)
AS
BEGIN
    RETURN COALESCE(CAST(D AS VARCHAR(10)), '');
END^

CREATE PROCEDURE CADENA_FACTELECTRONICA21 (TIPO INTEGER, PREFIJO VARCHAR(4), NUMERO VARCHAR(8))
RETURNS (CADCLIENTE VARCHAR(1024), CADENCABEZA VARCHAR(1024), CADANTICIPO VARCHAR(32760),
         CADAUTORIZADO VARCHAR(32760), CADDESCUENTO VARCHAR(32760), CADCONDPAGO VARCHAR(1024),
         CADENTREGA VARCHAR(1024), CADIMPTOS VARCHAR(1024), CADPAGO VARCHAR(1024), CADORDEN VARCHAR(1024),
         CADTRM VARCHAR(1024), CADEXTRA VARCHAR(1024), CADDETALLE VARCHAR(32760))
AS
DECLARE S VARCHAR(5) = '%%%%%';
DECLARE ID INTEGER;
DECLARE NIT VARCHAR(20);
DECLARE FECHA DATE;
DECLARE VENCE DATE;
DECLARE CONC VARCHAR(60);
DECLARE MONTO NUMERIC(15,2);
DECLARE IVAPORC NUMERIC(15,2);
DECLARE IVA NUMERIC(15,2);
DECLARE EXTRA NUMERIC(15,2);
DECLARE RTFTEPORC NUMERIC(15,2);
DECLARE RTFTE NUMERIC(15,2);
DECLARE RTIVAPORC NUMERIC(15,2);
DECLARE RTIVA NUMERIC(15,2);
DECLARE RTICAPORC NUMERIC(15,2);
DECLARE RTICA NUMERIC(15,2);
DECLARE MONEDA INTEGER;
DECLARE TRM NUMERIC(15,2);
DECLARE ACUMULADO VARCHAR(1);
DECLARE TIPODS INTEGER;
DECLARE DOCSOPORTE VARCHAR(12);
DECLARE TIPONE INTEGER;
DECLARE HORA TIME;
DECLARE ISO VARCHAR(5);
DECLARE LINEAS INTEGER;
DECLARE PREFDS VARCHAR(12);
DECLARE NUMDS VARCHAR(12);
DECLARE CUDSDS VARCHAR(100);
DECLARE FECHADS DATE;
DECLARE CIUDAD VARCHAR(5);
BEGIN
    IF (TIPO = 51) THEN
        SELECT NDPR_ID, TERC_NIT, NDPR_FECHA, NDPR_VENCE, NDPR_CONC, COALESCE(NDPR_MONTO, 0),
               COALESCE(NDPR_IVAPORC, 0), COALESCE(NDPR_IVAMONTO, 0), COALESCE(NDPR_EXTRA, 0),
               COALESCE(NDPR_RTFTEPORC, 0), COALESCE(NDPR_RTFTEMONTO, 0), COALESCE(NDPR_RTIVAPORC, 0),
               COALESCE(NDPR_RTIVAMONTO, 0), COALESCE(NDPR_RTICAPORC, 0), COALESCE(NDPR_RTICAMONTO, 0),
               COALESCE(NDPR_MONEDA, 1), COALESCE(NDPR_TRM, 1), COALESCE(NDPR_ACUMULADO, 'N')
        FROM NOTAS_DEBITO_PROVEEDOR WHERE PREF_PRE = :PREFIJO AND NDPR_NUMERO = :NUMERO
        INTO :ID, :NIT, :FECHA, :VENCE, :CONC, :MONTO, :IVAPORC, :IVA, :EXTRA, :RTFTEPORC, :RTFTE,
             :RTIVAPORC, :RTIVA, :RTICAPORC, :RTICA, :MONEDA, :TRM, :ACUMULADO;
    ELSE IF (TIPO = 52) THEN
    BEGIN
        SELECT NCPR_ID, TERC_NIT, NCPR_FECHA, NCPR_CONC, COALESCE(NCPR_MONTO, 0),
               COALESCE(NCPR_IVAPORC, 0), COALESCE(NCPR_IVAMONTO, 0), COALESCE(NCPR_EXTRA, 0),
               COALESCE(NCPR_RTFTEPORC, 0), COALESCE(NCPR_RTFTEMONTO, 0), COALESCE(NCPR_RTIVAPORC, 0),
               COALESCE(NCPR_RTIVAMONTO, 0), COALESCE(NCPR_RTICAPORC, 0), COALESCE(NCPR_RTICAMONTO, 0),
               COALESCE(NCPR_MONEDA, 1), COALESCE(NCPR_TRM, 1), NCPR_TIPODS, TRIM(NCPR_DOCSOPORTE), NCPR_TIPONE
        FROM NOTAS_CREDITO_PROVEEDOR WHERE PREF_PRE = :PREFIJO AND NCPR_NUMERO = :NUMERO
        INTO :ID, :NIT, :FECHA, :CONC, :MONTO, :IVAPORC, :IVA, :EXTRA, :RTFTEPORC, :RTFTE,
             :RTIVAPORC, :RTIVA, :RTICAPORC, :RTICA, :MONEDA, :TRM, :TIPODS, :DOCSOPORTE, :TIPONE;
        ACUMULADO = 'N';
    END
    IF (ID IS NULL) THEN
        EXIT;

    /* The document keeps only its date; the time it was stored is the
       server's, in its audit trail, and stays the same on every call so the
       document's code does too. */
    SELECT FIRST 1 AUDI_HORA FROM AUDITORIA WHERE TIDO_COD = :TIPO AND AUDI_IDDOC = :ID AND AUDI_OPER = 'I'
    ORDER BY AUDI_ID INTO :HORA;
    ISO = 'COP';
    IF (MONEDA <> 1) THEN
        SELECT COALESCE(TIMO_SIMBOLO, 'COP') FROM TIPOS_MONEDA WHERE TIMO_COD = :MONEDA INTO :ISO;

    /* Supplier: the seller who does not invoice. */
    CADCLIENTE = (SELECT 'PRV1' || :S || IIF(t.TERC_TIPOID = 'J', '1', '2') || :S
                         || COALESCE(i.TIID_CODIGO, '31') || :S || DS_TEXTO(t.TERC_NIT) || :S
                         || DS_TEXTO(t.TERC_DV) || :S || DS_TEXTO(t.TERC_NOM) || :S || DS_TEXTO(t.TERC_DIR) || :S
                         || DS_TEXTO(t.CIUD_COD) || :S || DS_TEXTO(COALESCE(c.CIUD_NOM, t.TERC_CIU)) || :S
                         || DS_TEXTO(COALESCE(t.PAIS_ID, '170')) || :S || COALESCE(p.PROV_RESIDENTE, 'S') || :S
                         || DS_TEXTO(COALESCE(NULLIF(TRIM(t.TERC_EMAILFE), ''), t.TERC_EMAIL)) || :S
                         || DS_TEXTO(t.TERC_TEL) || :S
                         || DS_TEXTO(COALESCE(NULLIF(TRIM(t.TERC_RESPRUT), ''), 'R-99-PN'))
                  FROM TERCEROS t
                  LEFT JOIN TIPO_ID i ON i.TIID_COD = t.TERC_TIPOID
                  LEFT JOIN CIUDADES c ON c.CIUD_COD = t.CIUD_COD
                  LEFT JOIN PROVEEDORES p ON p.TERC_NIT = t.TERC_NIT
                  WHERE t.TERC_NIT = :NIT);
    CADCLIENTE = COALESCE(CADCLIENTE, '');

    LINEAS = IIF(EXTRA <> 0, 2, 1);
    CADENCABEZA = 'ENC1' || S || TIPO || S || DS_TEXTO(PREFIJO) || S || DS_TEXTO(NUMERO) || S || DS_FECHA(FECHA)
        || S || COALESCE(SUBSTRING(CAST(HORA AS VARCHAR(13)) FROM 1 FOR 8), '00:00:00') || S || DS_FECHA(VENCE)
        || S || DS_TEXTO(ISO) || S || DS_TEXTO(CONC) || S || ACUMULADO || S || DS_MONTO(MONTO + EXTRA)
        || S || DS_MONTO(IVA) || S || DS_MONTO(MONTO + IVA + EXTRA) || S || LINEAS;

    /* Numbering authorisation that covers the number. */
    CADAUTORIZADO = (SELECT FIRST 1 'AUT1' || :S || DS_TEXTO(AUTO_NUMERO) || :S || DS_FECHA(AUTO_FECHA) || :S
                            || DS_FECHA(AUTO_VENCE) || :S || DS_TEXTO(PREF_PRE) || :S
                            || DS_TEXTO(AUTO_INICIAL) || :S || DS_TEXTO(AUTO_FINAL)
                     FROM AUTORIZACIONES
                     WHERE TIDO_COD = :TIPO AND PREF_PRE = :PREFIJO
                       AND CAST(AUTO_INICIAL AS INTEGER) <= CAST(:NUMERO AS INTEGER)
                       AND CAST(AUTO_FINAL AS INTEGER) >= CAST(:NUMERO AS INTEGER)
                     ORDER BY AUTO_FECHA DESC);
    CADAUTORIZADO = COALESCE(CADAUTORIZADO, '');

    /* The supported document of an adjustment note: prefix + six digits. */
    CADDESCUENTO = '';
    IF (TIPO = 52 AND CHAR_LENGTH(COALESCE(DOCSOPORTE, '')) > 6) THEN
    BEGIN
        PREFDS = LEFT(DOCSOPORTE, CHAR_LENGTH(DOCSOPORTE) - 6);
        NUMDS = RIGHT(DOCSOPORTE, 6);
        IF (TIPODS = 21) THEN
            SELECT FACO_NRONDE, FACO_FECHA FROM FACTURAS_COMPRA WHERE PREF_PRE = :PREFDS AND FACO_NUMERO = :NUMDS
            INTO :CUDSDS, :FECHADS;
        ELSE
            SELECT NDPR_NRONDE, NDPR_FECHA FROM NOTAS_DEBITO_PROVEEDOR WHERE PREF_PRE = :PREFDS AND NDPR_NUMERO = :NUMDS
            INTO :CUDSDS, :FECHADS;
        CADDESCUENTO = 'REF1' || S || COALESCE(TIPODS, 51) || S || DS_TEXTO(PREFDS) || S || DS_TEXTO(NUMDS) || S
            || DS_TEXTO(CUDSDS) || S || DS_FECHA(FECHADS) || S
            || IIF(TIPONE BETWEEN 1 AND 5, TIPONE, 3) || S || DS_TEXTO(CONC);
    END

    CADCONDPAGO = 'CPG1' || S || IIF(VENCE IS NOT NULL AND VENCE > FECHA, '2', '1') || S
        || DS_FECHA(COALESCE(VENCE, FECHA));
    /* The means is agreed outside the document: "instrument not defined". */
    CADPAGO = 'PAG1' || S || '1';
    CADANTICIPO = '';
    CADENTREGA = '';
    CADORDEN = '';

    /* VAT of the document, then the withholdings other than CREE (which
       the authority no longer receives). ICA is kept per thousand; the
       document states it as a percentage. */
    IF (IVAPORC = 0 AND IVA <> 0 AND MONTO <> 0) THEN
        IVAPORC = CAST(IVA * 100 / MONTO AS NUMERIC(15,2));
    CADIMPTOS = 'IMP1' || S || '01' || S || 'IVA' || S || DS_MONTO(MONTO) || S || IVAPORC || S || DS_MONTO(IVA);
    IF (RTIVA <> 0) THEN
        CADIMPTOS = CADIMPTOS || S || '05' || S || 'ReteIVA' || S || DS_MONTO(IVA) || S || RTIVAPORC || S
            || DS_MONTO(RTIVA);
    IF (RTFTE <> 0) THEN
        CADIMPTOS = CADIMPTOS || S || '06' || S || 'ReteRenta' || S || DS_MONTO(MONTO) || S || RTFTEPORC || S
            || DS_MONTO(RTFTE);
    IF (RTICA <> 0) THEN
        CADIMPTOS = CADIMPTOS || S || '07' || S || 'ReteICA' || S || DS_MONTO(MONTO) || S
            || CAST(RTICAPORC / 10.000 AS NUMERIC(15,3)) || S || DS_MONTO(RTICA);

    CADTRM = '';
    IF (MONEDA <> 1) THEN
        CADTRM = 'TRM1' || S || DS_TEXTO(ISO) || S || DS_MONTO(TRM) || S || DS_FECHA(FECHA);

    /* Issuer: the company that acquires and issues the document. */
    CIUDAD = (SELECT CONF_VALOR FROM CONFIGURACION WHERE CONF_MODULO = 'CXPAGAR'
              AND CONF_CATEGORIA = 'DOCUMENTO SOPORTE' AND CONF_PROPIEDAD = 'CIUDAD EMISOR');
    CADEXTRA = 'EMI1' || S || DS_CONFIG('TIPO DE PERSONA EMISOR') || S || '31' || S || DS_CONFIG('NIT EMISOR')
        || S || DS_CONFIG('DV EMISOR') || S
        || DS_TEXTO((SELECT TRIM(CONF_VALOR) FROM CONFIGURACION WHERE CONF_MODULO = 'GENERAL'
                     AND CONF_CATEGORIA = 'GENERAL' AND CONF_PROPIEDAD = 'NOMBRE COMPANIA'))
        || S || DS_CONFIG('DIRECCION EMISOR') || S || DS_TEXTO(CIUDAD) || S
        || DS_TEXTO((SELECT CIUD_NOM FROM CIUDADES WHERE CIUD_COD = :CIUDAD)) || S || '170' || S || 'S' || S
        || DS_CONFIG('CORREO EMISOR') || S || DS_CONFIG('TELEFONO EMISOR') || S
        || DS_CONFIG('RESPONSABILIDADES FISCALES EMISOR');

    /* One line for the amount, which carries the VAT, and one for the extra
       value, which carries none. */
    CADDETALLE = 'DET1' || S || '1' || S || DS_TEXTO(COALESCE(NULLIF(TRIM(CONC), ''), 'Cargo')) || S || '1' || S
        || DS_MONTO(MONTO) || S || DS_MONTO(MONTO) || S || IVAPORC || S || DS_MONTO(IVA);
    IF (EXTRA <> 0) THEN
        CADDETALLE = CADDETALLE || S || '2' || S || 'Otros cargos' || S || '1' || S || DS_MONTO(EXTRA) || S
            || DS_MONTO(EXTRA) || S || '' || S || '';
    SUSPEND;
END^

SET TERM ; ^

COMMIT;
