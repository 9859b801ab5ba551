/* Posting: a saved payables document becomes a staging voucher
   (CONTABILIZACION, CONTABILIZACION_DET) according to its accounting
   interface; CONTABILIZA_PENDIENTE (130_...) later moves it into the ledger.

   The procedures the program calls, all alike:

     select * from CONTABIL_<doc>[_NIIF](document id, interface id, 0)

   answer one row: ERROR (problems recorded in ERRORES for the document),
   VER ('S' when the interface asks to review the voucher on screen) and IDC
   (the CNTB_ID of the staging voucher, 0 when none was written). The third
   argument is reserved and always 0. Every call first clears the document's
   previous problems (both books) and staging voucher.

     CONTABIL_NOTADBPR    charge (51)              ERRORES type 51
     CONTABIL_NOTACRPR    discount (52)            52
     CONTABIL_APLICAPR    application (53)         53
     CONTABIL_EGRESO      payment voucher (62)     62
     CONTABIL_CAUSACRED   credit payable (57)      57 (142_credito_cxpagar.sql)
     ..._NIIF             the same, both books     51, 1052, 1053, 1062, 1057

   Every procedure writes both books, local lines (items 1, 2, ...) and NIIF
   lines (items 100001, 100002, ...); the two kinds differ in which book is
   computed from the interface and which one follows it:
     - NIIF by equivalence (the interface says INCP_EQUIVALENCIA 'S', or the
       company generates NIIF by "EQUIVALENCIAS"): the local lines from the
       interface, the NIIF lines as their equivalents (the NIIF account
       whose CUENTAS_NIIF.CUEN_LOCAL names the local one), in both kinds.
     - Otherwise the local procedures compute each book from its own
       settings: the interface for the local lines, its NIIF twin
       (INTERFAZ_CXPAGAR_NIIF, INTERFAZ_CAJA_NIIF) for the NIIF lines.
     - The _NIIF ones (companies that keep the NIIF books first) compute the
       NIIF lines from the twin and the local lines as their equivalents
       (the local account CUEN_LOCAL names), as CONTABIL_EQUIVALENCIA_LOCAL
       rebuilds them after a review.
   An interface without a NIIF twin that does not generate by equivalence
   still gives its local lines; the missing NIIF book is reported (NIIF).

   What the document gives (positive debits, negative credits):
     charge     BASE (amount; one line per share of CENTROS_DOCUMENTO when
                it has a distribution), IVA, EXTRA; RTFTE, RTIVA, RTICA,
                RTCREE credited and PROV the net, when withholdings are
                taken at accrual (the document's MVPR_RETCAUSA); otherwise
                PROV the whole total and no withholding lines.
     discount   the same, sides reversed.
     credit payable  the deferred document's payable debited (PROV, naming
                that document), the credit's account credited (BASE,
                naming the credit): the debt changes account, not amount.
     application  each line: the applied amount plus its withholdings on
                the document's payable (PROV; ANTI for an advance), signed
                as applied; the withholdings credited. The amounts of an
                application sum to 0, so nothing else is needed.
     payment voucher  each document paid: abono + discount + withholdings
                debited on its payable (PROV; ANTI for an advance paid out),
                discount (DTOF) and withholdings credited; receivables
                crossed credited (CRUCE, abono + discount + withholdings)
                with their discount and withholdings debited (CRUDTO); the
                excess paid (EXCE) debited; the free accounting lines
                (EGRECONTA) as typed; cash lines (CAJA) and the bank line
                (BANCO) credited. A transfer into a cash box (kind 2)
                debits CAJA with the voucher's amount. CAJA and BANCO post
                to the box's (CAJAS.CAJA_CUENTA) or the bank account's
                (CUENTAS_BANCOS.CUBA_CTACONTA) own account when it has one,
                else to the interface's. A bank line that pays the
                financial-transactions tax (EGBC_GMF 'S', CUBA_GMFPOR > 0)
                adds the tax, amount x percentage / 100 in cents, debited
                on CUBA_CTAGMF (GMF) and credited on the bank (BANCO).
   Additional lines of INTERFAZ_CXPAGAR_CTAS are added to charges,
   discounts and applications.

   Source letters of a concept (the interface column named after it):
     K  the interface's fixed account for the concept (INCP_CTA..., INCJ_CTA...).
     T  the third party's account for the concept: for the payable, the
        document's own payable account (NDPR_CTAPAGAR, NCPR_CTAPAGAR) when it
        has one, which the window copied from the supplier; otherwise, and for
        every other concept, the supplier's (PROVEEDORES), else its group's
        (GRUPOS_PROVEEDORES), else the third party's (TERCEROS) column of that
        concept, NIIF columns for the NIIF books. Advances and the excess paid
        take the group's advance account.
     I  the document's own account: its cost or expense account (NDPR_CTACAUSA,
        NCPR_CTACAUSA; ..._CTACAUSAN for NIIF). For VAT and the extra value it
        means they are part of the cost (not deductible).
     P  the expense account of the project the base is charged to
        (PROYECTOS.PROY_CTAGASTO; the document's project, else its series'):
        base only, local books only.
     N  no line: the concept is not posted. A concept with an amount and no
        line leaves the voucher unbalanced, which is reported.

   Problems (ERRORES, ERRO_CODIGO):
     INTERFAZ  no interface with that id for the document's type: no voucher.
     DOCUMENTO the document does not exist or is annulled: no voucher.
     PREFIJO   the interface names no active accounting prefix: no voucher.
     CUENTA    a concept's source gives no account, or the account is not
               postable (missing, wrong length, a level above auxiliaries,
               has auxiliaries, inactive): the line is left out.
     EQUIV     a line by equivalence finds no account in the other chart:
               left out.
     NIIF      the interface has no NIIF settings and does not generate
               NIIF by equivalence: no NIIF lines.
     CENTROS   the cost-centre distribution does not add up to the base
               (the rest goes to the document's own centre).
     CENTRO    an account that requires a cost centre got none.
     DESC      a book does not balance; the voucher is written as computed.
   A voucher is never forced to balance: lines left out show as DESC. */

SET TERM ^ ;

/* PUC level of a code by its length: 1 class, 2 group, 4 account,
   6 sub-account, 8 auxiliary; 0 when the code is not of digits or has
   another length. */
CREATE FUNCTION CNT_NIVEL_CUENTA (CUENTA VARCHAR(20))
RETURNS SMALLINT
AS
DECLARE N SMALLINT;
DECLARE I SMALLINT = 1;
BEGIN
    CUENTA = TRIM(COALESCE(CUENTA, ''));
    N = CHAR_LENGTH(CUENTA);
    WHILE (I <= N) DO
    BEGIN
        IF (SUBSTRING(CUENTA FROM I FOR 1) NOT BETWEEN '0' AND '9') THEN
            RETURN 0;
        I = I + 1;
    END
    RETURN DECODE(N, 1, 1, 2, 2, 4, 3, 6, 4, 8, 5, 0);
END^

/* The level follows the code; a code of another length is refused by the
   tables' level check. */
CREATE TRIGGER CUENTAS_NIVEL FOR CUENTAS
ACTIVE BEFORE INSERT OR UPDATE POSITION 0
AS
BEGIN
    NEW.CUEN_COD = TRIM(NEW.CUEN_COD);
    NEW.CUEN_NIVEL = CNT_NIVEL_CUENTA(NEW.CUEN_COD);
END^

CREATE TRIGGER CUENTAS_NIIF_NIVEL FOR CUENTAS_NIIF
ACTIVE BEFORE INSERT OR UPDATE POSITION 0
AS
BEGIN
    NEW.CUEN_COD = TRIM(NEW.CUEN_COD);
    NEW.CUEN_NIVEL = CNT_NIVEL_CUENTA(NEW.CUEN_COD);
END^

/* Whether an account may take movements, in the local (LIBRO 'L') or NIIF
   ('N') chart: 0 yes, 1 does not exist, 2 code incomplete or too long,
   3 level below the lowest postable (sub-account, 6 digits), 4 has
   auxiliaries under it. An inactive account answers its code with
   ACTIVA 'N'. */
CREATE PROCEDURE CNT_VALIDE_CUENTA (CUENTA VARCHAR(20), LIBRO VARCHAR(1))
RETURNS (CODIGO INTEGER, NOMBRE VARCHAR(100), ACTIVA VARCHAR(1))
AS
DECLARE NIVEL SMALLINT;
BEGIN
    CUENTA = TRIM(COALESCE(CUENTA, ''));
    NOMBRE = '';
    ACTIVA = 'N';
    NIVEL = CNT_NIVEL_CUENTA(CUENTA);
    IF (NIVEL = 0) THEN
        CODIGO = 2;
    ELSE
    BEGIN
        IF (LIBRO = 'N') THEN
            SELECT CUEN_NOM, CUEN_ACTIVA FROM CUENTAS_NIIF WHERE CUEN_COD = :CUENTA INTO :NOMBRE, :ACTIVA;
        ELSE
            SELECT CUEN_NOM, CUEN_ACTIVA FROM CUENTAS WHERE CUEN_COD = :CUENTA INTO :NOMBRE, :ACTIVA;
        IF (ROW_COUNT = 0) THEN
            CODIGO = 1;
        ELSE IF (NIVEL < 4) THEN
            CODIGO = 3;
        ELSE IF (LIBRO = 'N' AND EXISTS(SELECT 1 FROM CUENTAS_NIIF
                     WHERE CUEN_COD STARTING WITH :CUENTA AND CUEN_COD <> :CUENTA)) THEN
            CODIGO = 4;
        ELSE IF (LIBRO <> 'N' AND EXISTS(SELECT 1 FROM CUENTAS
                     WHERE CUEN_COD STARTING WITH :CUENTA AND CUEN_COD <> :CUENTA)) THEN
            CODIGO = 4;
        ELSE
            CODIGO = 0;
    END
    SUSPEND;
END^

CREATE PROCEDURE VALIDE_CUENTA_C (CUENTA VARCHAR(20))
RETURNS (CODIGO INTEGER, NOMBRE VARCHAR(100), ACTIVA VARCHAR(1))
AS
BEGIN
    SELECT CODIGO, NOMBRE, ACTIVA FROM CNT_VALIDE_CUENTA(:CUENTA, 'L') INTO :CODIGO, :NOMBRE, :ACTIVA;
    SUSPEND;
END^

CREATE PROCEDURE VALIDE_CUENTA_NIIF_C (CUENTA VARCHAR(20))
RETURNS (CODIGO INTEGER, NOMBRE VARCHAR(100), ACTIVA VARCHAR(1))
AS
BEGIN
    SELECT CODIGO, NOMBRE, ACTIVA FROM CNT_VALIDE_CUENTA(:CUENTA, 'N') INTO :CODIGO, :NOMBRE, :ACTIVA;
    SUSPEND;
END^

/* 'S' when the project, centre and sub-centre exist; a centre without any
   sub-centre is valid with an empty sub-centre. Always one row. */
CREATE PROCEDURE EXISTE_CENTRO (PROY VARCHAR(4), CENT VARCHAR(4), SUBC VARCHAR(4))
RETURNS (OK VARCHAR(1))
AS
BEGIN
    OK = 'N';
    IF (EXISTS(SELECT 1 FROM SUBCENTROS WHERE PROY_COD = :PROY AND CENT_COD = :CENT AND SUBC_COD = :SUBC)) THEN
        OK = 'S';
    ELSE IF (COALESCE(TRIM(SUBC), '') = ''
             AND EXISTS(SELECT 1 FROM CENTROS WHERE PROY_COD = :PROY AND CENT_COD = :CENT)
             AND NOT EXISTS(SELECT 1 FROM SUBCENTROS WHERE PROY_COD = :PROY AND CENT_COD = :CENT)) THEN
        OK = 'S';
    SUSPEND;
END^

CREATE PROCEDURE CNT_ERROR (TIPO INTEGER, ID INTEGER, CODIGO VARCHAR(10), CADENA VARCHAR(250))
AS
BEGIN
    INSERT INTO ERRORES (ERRO_ID, ERRO_TIPODOC, ERRO_IDDOC, ERRO_CODIGO, ERRO_CADENA)
    VALUES (NEXT VALUE FOR GEN_ERRORES, :TIPO, :ID, :CODIGO, LEFT(:CADENA, 250));
END^

/* Amounts as the messages show them: two decimals, no grouping. */
CREATE FUNCTION CNT_MONTO (VALOR NUMERIC(15,2))
RETURNS VARCHAR(24)
AS
BEGIN
    RETURN CAST(COALESCE(VALOR, 0) AS VARCHAR(24));
END^

CREATE FUNCTION CNT_NOMBRE_CONCEPTO (CONCEPTO VARCHAR(6))
RETURNS VARCHAR(40)
AS
BEGIN
    RETURN TRIM(TRAILING FROM DECODE(CONCEPTO, 'BASE', 'la base', 'IVA', 'el IVA', 'EXTRA', 'el valor extra',
        'RTFTE', 'la retención en la fuente', 'RTIVA', 'la retención de IVA',
        'RTICA', 'la retención de ICA', 'RTCREE', 'la retención CREE',
        'PROV', 'la cuenta por pagar', 'ANTI', 'el anticipo', 'DTOF', 'el descuento financiero',
        'CAJA', 'la caja', 'BANCO', 'el banco', 'CRUCE', 'el documento cruzado',
        'CRUDTO', 'descuentos y retenciones del cruce', 'EXCE', 'el excedente',
        'CONTA', 'la línea contable', 'ADIC', 'la línea adicional',
        'GMF', 'el gravamen financiero (GMF)', CONCEPTO));
END^

/* Multiple of ten computed amounts are rounded to (exponent n of 10^n). */
CREATE FUNCTION CNT_REDONDEE (VALOR NUMERIC(15,2))
RETURNS NUMERIC(15,2)
AS
DECLARE TEXTO VARCHAR(100);
DECLARE N INTEGER = 0;
DECLARE F NUMERIC(18,0) = 1;
BEGIN
    SELECT CONF_VALOR FROM CONFIGURACION WHERE CONF_MODULO = 'CONTABILIDAD' AND CONF_CATEGORIA = 'GENERAL'
      AND CONF_PROPIEDAD = 'REDONDEO AL MULTIPLO DE DIEZ EN COMPROBANTES' INTO :TEXTO;
    IF (TRIM(COALESCE(TEXTO, '')) SIMILAR TO '[0-9]') THEN
        N = CAST(TRIM(TEXTO) AS INTEGER);
    IF (N = 0) THEN
        RETURN ROUND(VALOR, 2);
    WHILE (N > 0) DO
    BEGIN
        F = F * 10;
        N = N - 1;
    END
    RETURN ROUND(VALOR / F, 0) * F;
END^

/* The settings of an interface, one row per concept: its source letter and
   fixed account in the book asked. FAMILIA 'CXP' reads INTERFAZ_CXPAGAR,
   'CAJA' INTERFAZ_CAJA; LIBRO 'N' their NIIF twins (no rows without one). */
CREATE PROCEDURE CNT_REGLAS (FAMILIA VARCHAR(4), INTERFAZ INTEGER, LIBRO VARCHAR(1))
RETURNS (CONCEPTO VARCHAR(6), FUENTE VARCHAR(1), CUENTA VARCHAR(20))
AS
DECLARE F1 VARCHAR(1); DECLARE F2 VARCHAR(1); DECLARE F3 VARCHAR(1); DECLARE F4 VARCHAR(1);
DECLARE F5 VARCHAR(1); DECLARE F6 VARCHAR(1); DECLARE F7 VARCHAR(1); DECLARE F8 VARCHAR(1);
DECLARE F9 VARCHAR(1); DECLARE F10 VARCHAR(1); DECLARE F11 VARCHAR(1); DECLARE F12 VARCHAR(1);
DECLARE C1 VARCHAR(20); DECLARE C2 VARCHAR(20); DECLARE C3 VARCHAR(20); DECLARE C4 VARCHAR(20);
DECLARE C5 VARCHAR(20); DECLARE C6 VARCHAR(20); DECLARE C7 VARCHAR(20); DECLARE C8 VARCHAR(20);
DECLARE C9 VARCHAR(20); DECLARE C10 VARCHAR(20); DECLARE C11 VARCHAR(20); DECLARE C12 VARCHAR(20);
BEGIN
    IF (FAMILIA = 'CXP') THEN
    BEGIN
        IF (LIBRO = 'N') THEN
            SELECT INCP_BASE, INCP_IVA, INCP_EXTRA, INCP_RTFTE, INCP_RTIVA, INCP_RTICA, INCP_RTCREE,
                   INCP_PROV, INCP_ANTI, INCP_CTABASE, INCP_CTAIVA, INCP_CTAEXTRA, INCP_CTARTFTE,
                   INCP_CTARTIVA, INCP_CTARTICA, INCP_CTARTCREE, INCP_CTAPROV, INCP_CTAANTI
            FROM INTERFAZ_CXPAGAR_NIIF WHERE INCP_ID = :INTERFAZ
            INTO :F1, :F2, :F3, :F4, :F5, :F6, :F7, :F8, :F9, :C1, :C2, :C3, :C4, :C5, :C6, :C7, :C8, :C9;
        ELSE
            SELECT INCP_BASE, INCP_IVA, INCP_EXTRA, INCP_RTFTE, INCP_RTIVA, INCP_RTICA, INCP_RTCREE,
                   INCP_PROV, INCP_ANTI, INCP_CTABASE, INCP_CTAIVA, INCP_CTAEXTRA, INCP_CTARTFTE,
                   INCP_CTARTIVA, INCP_CTARTICA, INCP_CTARTCREE, INCP_CTAPROV, INCP_CTAANTI
            FROM INTERFAZ_CXPAGAR WHERE INCP_ID = :INTERFAZ
            INTO :F1, :F2, :F3, :F4, :F5, :F6, :F7, :F8, :F9, :C1, :C2, :C3, :C4, :C5, :C6, :C7, :C8, :C9;
        IF (ROW_COUNT = 0) THEN
            EXIT;
        CONCEPTO = 'BASE'; FUENTE = F1; CUENTA = C1; SUSPEND;
        CONCEPTO = 'IVA'; FUENTE = F2; CUENTA = C2; SUSPEND;
        CONCEPTO = 'EXTRA'; FUENTE = F3; CUENTA = C3; SUSPEND;
        CONCEPTO = 'RTFTE'; FUENTE = F4; CUENTA = C4; SUSPEND;
        CONCEPTO = 'RTIVA'; FUENTE = F5; CUENTA = C5; SUSPEND;
        CONCEPTO = 'RTICA'; FUENTE = F6; CUENTA = C6; SUSPEND;
        CONCEPTO = 'RTCREE'; FUENTE = F7; CUENTA = C7; SUSPEND;
        CONCEPTO = 'PROV'; FUENTE = F8; CUENTA = C8; SUSPEND;
        CONCEPTO = 'ANTI'; FUENTE = F9; CUENTA = C9; SUSPEND;
    END
    ELSE
    BEGIN
        IF (LIBRO = 'N') THEN
            SELECT INCJ_PROV, INCJ_ANTI, INCJ_RTFTE, INCJ_RTIVA, INCJ_RTICA, INCJ_RTCREE, INCJ_DTOF,
                   INCJ_CAJA, INCJ_BANCO, INCJ_CRUCE, INCJ_CRUDTO, INCJ_EXCE,
                   INCJ_CTAPROV, INCJ_CTAANTI, INCJ_CTARTFTE, INCJ_CTARTIVA, INCJ_CTARTICA, INCJ_CTARTCREE,
                   INCJ_CTADTOF, INCJ_CTACAJA, INCJ_CTABANCO, INCJ_CTACRUCE, INCJ_CTACRUDTO, INCJ_CTAEXCE
            FROM INTERFAZ_CAJA_NIIF WHERE INCJ_ID = :INTERFAZ
            INTO :F1, :F2, :F3, :F4, :F5, :F6, :F7, :F8, :F9, :F10, :F11, :F12,
                 :C1, :C2, :C3, :C4, :C5, :C6, :C7, :C8, :C9, :C10, :C11, :C12;
        ELSE
            SELECT INCJ_PROV, INCJ_ANTI, INCJ_RTFTE, INCJ_RTIVA, INCJ_RTICA, INCJ_RTCREE, INCJ_DTOF,
                   INCJ_CAJA, INCJ_BANCO, INCJ_CRUCE, INCJ_CRUDTO, INCJ_EXCE,
                   INCJ_CTAPROV, INCJ_CTAANTI, INCJ_CTARTFTE, INCJ_CTARTIVA, INCJ_CTARTICA, INCJ_CTARTCREE,
                   INCJ_CTADTOF, INCJ_CTACAJA, INCJ_CTABANCO, INCJ_CTACRUCE, INCJ_CTACRUDTO, INCJ_CTAEXCE
            FROM INTERFAZ_CAJA WHERE INCJ_ID = :INTERFAZ
            INTO :F1, :F2, :F3, :F4, :F5, :F6, :F7, :F8, :F9, :F10, :F11, :F12,
                 :C1, :C2, :C3, :C4, :C5, :C6, :C7, :C8, :C9, :C10, :C11, :C12;
        IF (ROW_COUNT = 0) THEN
            EXIT;
        CONCEPTO = 'PROV'; FUENTE = F1; CUENTA = C1; SUSPEND;
        CONCEPTO = 'ANTI'; FUENTE = F2; CUENTA = C2; SUSPEND;
        CONCEPTO = 'RTFTE'; FUENTE = F3; CUENTA = C3; SUSPEND;
        CONCEPTO = 'RTIVA'; FUENTE = F4; CUENTA = C4; SUSPEND;
        CONCEPTO = 'RTICA'; FUENTE = F5; CUENTA = C5; SUSPEND;
        CONCEPTO = 'RTCREE'; FUENTE = F6; CUENTA = C6; SUSPEND;
        CONCEPTO = 'DTOF'; FUENTE = F7; CUENTA = C7; SUSPEND;
        CONCEPTO = 'CAJA'; FUENTE = F8; CUENTA = C8; SUSPEND;
        CONCEPTO = 'BANCO'; FUENTE = F9; CUENTA = C9; SUSPEND;
        CONCEPTO = 'CRUCE'; FUENTE = F10; CUENTA = C10; SUSPEND;
        CONCEPTO = 'CRUDTO'; FUENTE = F11; CUENTA = C11; SUSPEND;
        CONCEPTO = 'EXCE'; FUENTE = F12; CUENTA = C12; SUSPEND;
    END
END^

/* The account a source letter gives for a concept (see the top of the file);
   null when it gives none. DOCTIPO and DOCID name the document the line is
   about (the one paid or applied, or the posted one itself). */
CREATE FUNCTION CNT_CUENTA_FUENTE (LIBRO VARCHAR(1), CONCEPTO VARCHAR(6), FUENTE VARCHAR(1),
    FIJA VARCHAR(20), DOCTIPO INTEGER, DOCID INTEGER, NIT VARCHAR(20), PROY VARCHAR(4))
RETURNS VARCHAR(20)
AS
DECLARE CUENTA VARCHAR(20);
DECLARE CAUSA VARCHAR(20);
DECLARE PAGAR VARCHAR(20);
DECLARE P VARCHAR(20); DECLARE G VARCHAR(20); DECLARE T VARCHAR(20);
BEGIN
    IF (FUENTE = 'K') THEN
        RETURN NULLIF(TRIM(FIJA), '');
    IF (FUENTE = 'P') THEN
    BEGIN
        IF (LIBRO = 'N') THEN
            RETURN NULL;
        SELECT PROY_CTAGASTO FROM PROYECTOS WHERE PROY_COD = :PROY INTO :CUENTA;
        RETURN NULLIF(TRIM(CUENTA), '');
    END
    IF (FUENTE NOT IN ('T', 'I')) THEN
        RETURN NULL;

    IF (DOCTIPO = 51) THEN
        SELECT IIF(:LIBRO = 'N', NDPR_CTACAUSAN, NDPR_CTACAUSA), IIF(:LIBRO = 'N', NDPR_CTAPAGARN, NDPR_CTAPAGAR)
        FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = :DOCID INTO :CAUSA, :PAGAR;
    ELSE IF (DOCTIPO = 52) THEN
        SELECT IIF(:LIBRO = 'N', NCPR_CTACAUSAN, NCPR_CTACAUSA), IIF(:LIBRO = 'N', NCPR_CTAPAGARN, NCPR_CTAPAGAR)
        FROM NOTAS_CREDITO_PROVEEDOR WHERE NCPR_ID = :DOCID INTO :CAUSA, :PAGAR;
    CAUSA = NULLIF(TRIM(CAUSA), '');
    PAGAR = NULLIF(TRIM(PAGAR), '');
    IF (FUENTE = 'I') THEN
        RETURN IIF(CONCEPTO IN ('BASE', 'IVA', 'EXTRA'), CAUSA, NULL);
    IF (CONCEPTO = 'PROV' AND PAGAR IS NOT NULL) THEN
        RETURN PAGAR;

    IF (LIBRO = 'N') THEN
        SELECT DECODE(:CONCEPTO, 'BASE', P.PROV_CTACAUSANIIF, 'PROV', P.PROV_CTAPAGNIIF,
                   'RTFTE', P.PROV_CTARFTENIIF, 'RTIVA', P.PROV_CTARIVANIIF, 'RTICA', P.PROV_CTARICANIIF,
                   'RTCREE', P.PROV_CTARCREENIIF),
               DECODE(:CONCEPTO, 'PROV', G.GRPR_CTAPROVNIIF, 'RTFTE', G.GRPR_CTARFTENIIF,
                   'RTIVA', G.GRPR_CTARIVANIIF, 'RTICA', G.GRPR_CTARICANIIF,
                   'ANTI', G.GRPR_CTAANTINIIF, 'EXCE', G.GRPR_CTAANTINIIF),
               DECODE(:CONCEPTO, 'PROV', T.TERC_CTAPROVNIIF, 'RTFTE', T.TERC_CTARFTENIIF,
                   'RTIVA', T.TERC_CTARIVANIIF, 'RTICA', T.TERC_CTARICANIIF, 'RTCREE', T.TERC_CTARCREENIIF)
        FROM TERCEROS T
        LEFT JOIN PROVEEDORES P ON P.TERC_NIT = T.TERC_NIT
        LEFT JOIN GRUPOS_PROVEEDORES G ON G.GRPR_COD = P.GRPR_COD
        WHERE T.TERC_NIT = :NIT
        INTO :P, :G, :T;
    ELSE
        SELECT DECODE(:CONCEPTO, 'BASE', P.PROV_CTACAUSA, 'PROV', P.PROV_CTAPAGAR,
                   'RTFTE', P.PROV_CTARTFTE, 'RTIVA', P.PROV_CTARTIVA, 'RTICA', P.PROV_CTARTICA,
                   'RTCREE', P.PROV_CTARTCREE),
               DECODE(:CONCEPTO, 'PROV', G.GRPR_CTAPROV, 'RTFTE', G.GRPR_CTARTFTE,
                   'RTIVA', G.GRPR_CTARTIVA, 'RTICA', G.GRPR_CTARTICA,
                   'ANTI', G.GRPR_CTAANTI, 'EXCE', G.GRPR_CTAANTI),
               DECODE(:CONCEPTO, 'PROV', T.TERC_CTAPROV, 'RTFTE', T.TERC_CTARTFTE,
                   'RTIVA', T.TERC_CTARTIVA, 'RTICA', T.TERC_CTARTICA, 'RTCREE', T.TERC_CTARCREE)
        FROM TERCEROS T
        LEFT JOIN PROVEEDORES P ON P.TERC_NIT = T.TERC_NIT
        LEFT JOIN GRUPOS_PROVEEDORES G ON G.GRPR_COD = P.GRPR_COD
        WHERE T.TERC_NIT = :NIT
        INTO :P, :G, :T;
    RETURN COALESCE(NULLIF(TRIM(P), ''), NULLIF(TRIM(G), ''), NULLIF(TRIM(T), ''));
END^

/* The NIIF account standing for a local one: the first NIIF account that
   names it. */
CREATE FUNCTION CNT_CUENTA_NIIF (CUENTA VARCHAR(20))
RETURNS VARCHAR(20)
AS
DECLARE NIIF VARCHAR(20);
BEGIN
    SELECT FIRST 1 CUEN_COD FROM CUENTAS_NIIF WHERE CUEN_LOCAL = :CUENTA ORDER BY CUEN_COD INTO :NIIF;
    RETURN NIIF;
END^

/* The local account a NIIF one stands for. */
CREATE FUNCTION CNT_CUENTA_LOCAL (CUENTA VARCHAR(20))
RETURNS VARCHAR(20)
AS
DECLARE LOCAL_ VARCHAR(20);
BEGIN
    SELECT NULLIF(TRIM(CUEN_LOCAL), '') FROM CUENTAS_NIIF WHERE CUEN_COD = :CUENTA INTO :LOCAL_;
    RETURN LOCAL_;
END^

/* Writes one line of a staging voucher in the book asked, after the checks
   of its account; a line without amount is not written. */
CREATE PROCEDURE CNT_LINEA (IDC INTEGER, LIBRO VARCHAR(1), TIPOERR INTEGER, IDDOC INTEGER,
    CONCEPTO VARCHAR(6), CUENTA VARCHAR(20), VALOR NUMERIC(15,2), NIT VARCHAR(20),
    PROY VARCHAR(4), CENT VARCHAR(4), SUBC VARCHAR(4), CONC VARCHAR(60), BASE NUMERIC(15,2),
    PORC NUMERIC(15,4), DOCTIPO INTEGER, DOCNUM VARCHAR(10), VENCE DATE, REF VARCHAR(8))
AS
DECLARE CODIGO INTEGER;
DECLARE ACTIVA VARCHAR(1);
DECLARE PIDE_CENTRO VARCHAR(1);
DECLARE ITEM INTEGER;
DECLARE LIBRO_NOMBRE VARCHAR(10);
BEGIN
    IF (COALESCE(VALOR, 0) = 0) THEN
        EXIT;
    LIBRO_NOMBRE = TRIM(TRAILING FROM IIF(LIBRO = 'N', ' NIIF', ''));
    SELECT CODIGO, ACTIVA FROM CNT_VALIDE_CUENTA(:CUENTA, :LIBRO) INTO :CODIGO, :ACTIVA;
    IF (CODIGO <> 0 OR ACTIVA <> 'S') THEN
    BEGIN
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, IDDOC, 'CUENTA', 'La cuenta' || LIBRO_NOMBRE || ' ' || CUENTA
            || ' para ' || CNT_NOMBRE_CONCEPTO(CONCEPTO) || ' '
            || TRIM(TRAILING FROM DECODE(CODIGO, 1, 'no existe', 2, 'tiene un código incompleto o demasiado largo',
                      3, 'es de nivel inferior al mínimo afectable', 4, 'tiene auxiliares', 'está inactiva'))
            || '; no se contabilizan ' || CNT_MONTO(ABS(VALOR)) || '.');
        EXIT;
    END
    IF (LIBRO = 'N') THEN
        SELECT CUEN_CENTRO FROM CUENTAS_NIIF WHERE CUEN_COD = :CUENTA INTO :PIDE_CENTRO;
    ELSE
        SELECT CUEN_CENTRO FROM CUENTAS WHERE CUEN_COD = :CUENTA INTO :PIDE_CENTRO;
    IF (PIDE_CENTRO = 'S' AND (COALESCE(PROY, '') = '' OR COALESCE(CENT, '') = '')) THEN
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, IDDOC, 'CENTRO', 'La cuenta' || LIBRO_NOMBRE || ' ' || CUENTA
            || ' pide centro de costo y el documento no tiene.');

    IF (LIBRO = 'N') THEN
        SELECT COALESCE(MAX(CNDE_ITEM), 100000) + 1 FROM CONTABILIZACION_DET
        WHERE CNTB_ID = :IDC AND CNDE_ITEM >= 100000 INTO :ITEM;
    ELSE
        SELECT COALESCE(MAX(CNDE_ITEM), 0) + 1 FROM CONTABILIZACION_DET
        WHERE CNTB_ID = :IDC AND CNDE_ITEM < 100000 INTO :ITEM;
    BASE = COALESCE(BASE, 0);
    INSERT INTO CONTABILIZACION_DET (CNTB_ID, CNDE_ITEM, CNDE_CUENTA, CNDE_TERC, CNDE_PROY, CNDE_CENTRO,
        CNDE_SUBC, CNDE_CONC, CNDE_REF, CNDE_BASE, CNDE_PORC, CNDE_DEBITOS, CNDE_CREDITOS,
        CNDE_DOCVENCE, CNDE_DOCTIPON, CNDE_DOCNUMERO)
    VALUES (:IDC, :ITEM, :CUENTA, :NIT, NULLIF(:PROY, ''), NULLIF(:CENT, ''), NULLIF(:SUBC, ''), :CONC, :REF,
        IIF(:VALOR < 0, -ABS(:BASE), ABS(:BASE)), COALESCE(:PORC, 0),
        IIF(:VALOR > 0, :VALOR, 0), IIF(:VALOR < 0, -:VALOR, 0), :VENCE, :DOCTIPO, :DOCNUM);
END^

/* A document as a line names it: prefix and number, or the number alone
   when both do not fit (sales invoices have 8-digit numbers). */
CREATE FUNCTION CNT_NUMERO_DOCUMENTO (PREFIJO VARCHAR(4), NUMERO VARCHAR(8))
RETURNS VARCHAR(10)
AS
BEGIN
    PREFIJO = COALESCE(TRIM(PREFIJO), '');
    NUMERO = COALESCE(TRIM(NUMERO), '');
    RETURN IIF(CHAR_LENGTH(PREFIJO || NUMERO) <= 10, PREFIJO || NUMERO, NUMERO);
END^

/* The header figures of a document: what the voucher's header, its default
   cost centre and its lines need. No row when the document does not exist. */
CREATE PROCEDURE CNT_DOCUMENTO (TIPO INTEGER, ID INTEGER)
RETURNS (PREFIJO VARCHAR(4), NUMERO VARCHAR(8), FECHA DATE, NIT VARCHAR(20), CONC VARCHAR(60),
         ANULADO VARCHAR(1), PROY VARCHAR(4), CENT VARCHAR(4), SUBC VARCHAR(4))
AS
BEGIN
    IF (TIPO = 51) THEN
        SELECT PREF_PRE, NDPR_NUMERO, NDPR_FECHA, TERC_NIT, NDPR_CONC, NDPR_ANULADO,
               NULLIF(TRIM(NDPR_PROY), ''), NULLIF(TRIM(NDPR_CENTRO), ''), NULLIF(TRIM(NDPR_SUBC), '')
        FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = :ID
        INTO :PREFIJO, :NUMERO, :FECHA, :NIT, :CONC, :ANULADO, :PROY, :CENT, :SUBC;
    ELSE IF (TIPO = 52) THEN
        SELECT PREF_PRE, NCPR_NUMERO, NCPR_FECHA, TERC_NIT, NCPR_CONC, NCPR_ANULADO
        FROM NOTAS_CREDITO_PROVEEDOR WHERE NCPR_ID = :ID
        INTO :PREFIJO, :NUMERO, :FECHA, :NIT, :CONC, :ANULADO;
    ELSE IF (TIPO = 53) THEN
        SELECT PREF_PRE, APPR_NUMERO, APPR_FECHA, TERC_NIT, APPR_CONC, APPR_ANULADO
        FROM APLICACION_PROVEDOR WHERE APPR_ID = :ID
        INTO :PREFIJO, :NUMERO, :FECHA, :NIT, :CONC, :ANULADO;
    ELSE IF (TIPO = 62) THEN
        SELECT PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT, EGRE_CONC, EGRE_ANULADO
        FROM EGRESOS WHERE EGRE_ID = :ID
        INTO :PREFIJO, :NUMERO, :FECHA, :NIT, :CONC, :ANULADO;
    ELSE IF (TIPO = 57) THEN
        SELECT CRCX_PREF, CRCX_NUMERO, CRCX_FECHA, CRCX_NIT, CRCX_CONC, CRCX_ANULADO
        FROM CREDITO_CXPAGAR WHERE CRCX_ID = :ID
        INTO :PREFIJO, :NUMERO, :FECHA, :NIT, :CONC, :ANULADO;
    IF (ROW_COUNT = 0 OR NUMERO IS NULL) THEN
        EXIT;
    /* Without a centre of its own the document takes its series'. */
    IF (PROY IS NULL) THEN
        SELECT NULLIF(TRIM(PREF_PROY), ''), NULLIF(TRIM(PREF_CENTRO), ''), NULLIF(TRIM(PREF_SUBC), '')
        FROM PREFIJOS WHERE TIDO_COD = :TIPO AND PREF_PRE = :PREFIJO
        INTO :PROY, :CENT, :SUBC;
    SUSPEND;
END^

/* Figures of a document that additional lines may take as their base. */
CREATE PROCEDURE CNT_CIFRAS (TIPO INTEGER, ID INTEGER)
RETURNS (NOMBRE VARCHAR(20), VALOR NUMERIC(15,2))
AS
DECLARE MONTO NUMERIC(15,2) = 0;
DECLARE IVA NUMERIC(15,2) = 0;
DECLARE EXTRA NUMERIC(15,2) = 0;
DECLARE RTFTE NUMERIC(15,2) = 0;
DECLARE RTIVA NUMERIC(15,2) = 0;
DECLARE RTICA NUMERIC(15,2) = 0;
DECLARE RCREE NUMERIC(15,2) = 0;
BEGIN
    IF (TIPO = 51) THEN
        SELECT COALESCE(NDPR_MONTO, 0), COALESCE(NDPR_IVAMONTO, 0), COALESCE(NDPR_EXTRA, 0),
               COALESCE(NDPR_RTFTEMONTO, 0), COALESCE(NDPR_RTIVAMONTO, 0), COALESCE(NDPR_RTICAMONTO, 0),
               COALESCE(NDPR_RTCREEM, 0)
        FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = :ID
        INTO :MONTO, :IVA, :EXTRA, :RTFTE, :RTIVA, :RTICA, :RCREE;
    ELSE IF (TIPO = 52) THEN
        SELECT COALESCE(NCPR_MONTO, 0), COALESCE(NCPR_IVAMONTO, 0), COALESCE(NCPR_EXTRA, 0),
               COALESCE(NCPR_RTFTEMONTO, 0), COALESCE(NCPR_RTIVAMONTO, 0), COALESCE(NCPR_RTICAMONTO, 0),
               COALESCE(NCPR_RTCREEM, 0)
        FROM NOTAS_CREDITO_PROVEEDOR WHERE NCPR_ID = :ID
        INTO :MONTO, :IVA, :EXTRA, :RTFTE, :RTIVA, :RTICA, :RCREE;
    ELSE IF (TIPO = 53) THEN
        SELECT COALESCE(SUM(IIF(APPD_APLICADO > 0, APPD_APLICADO, 0)), 0), COALESCE(SUM(APPD_RTFTE), 0),
               COALESCE(SUM(APPD_RTIVA), 0), COALESCE(SUM(APPD_RTICA), 0), COALESCE(SUM(APPD_RCREE), 0)
        FROM APLICACION_PROVEEDOR_DETALLE WHERE APPR_ID = :ID AND APPD_ANULADO = 'N'
        INTO :MONTO, :RTFTE, :RTIVA, :RTICA, :RCREE;
    NOMBRE = 'BASE'; VALOR = MONTO; SUSPEND;
    NOMBRE = 'IVA'; VALOR = IVA; SUSPEND;
    NOMBRE = 'EXTRA'; VALOR = EXTRA; SUSPEND;
    NOMBRE = 'TOTAL'; VALOR = MONTO + IVA + EXTRA; SUSPEND;
    NOMBRE = 'NETO'; VALOR = MONTO + IVA + EXTRA - RTFTE - RTIVA - RTICA - RCREE; SUSPEND;
    NOMBRE = 'RTFTE'; VALOR = RTFTE; SUSPEND;
    NOMBRE = 'RTIVA'; VALOR = RTIVA; SUSPEND;
    NOMBRE = 'RTICA'; VALOR = RTICA; SUSPEND;
    NOMBRE = 'RTCREE'; VALOR = RCREE; SUSPEND;
END^

/* The withholding rates of a supplier, as percentages: what the lines of
   withholdings taken in vouchers and applications show with their base. */
CREATE PROCEDURE CNT_TASAS_PROVEEDOR (NIT VARCHAR(20))
RETURNS (RTFTE NUMERIC(15,4), RTIVA NUMERIC(15,4), RTICA NUMERIC(15,4), RCREE NUMERIC(15,4))
AS
BEGIN
    RTFTE = 0; RTIVA = 0; RTICA = 0; RCREE = 0;
    SELECT PROV_RETEFTE, PROV_RTEIVA, CAST(PROV_RTEICA AS NUMERIC(15,4)) / 10, PROV_RTCREE FROM PROVEEDORES WHERE TERC_NIT = :NIT
    INTO :RTFTE, :RTIVA, :RTICA, :RCREE;
    SUSPEND;
END^

CREATE FUNCTION CNT_BASE_DE (VALOR NUMERIC(15,2), PORC NUMERIC(15,4))
RETURNS NUMERIC(15,2)
AS
BEGIN
    IF (COALESCE(PORC, 0) = 0) THEN
        RETURN 0;
    RETURN ROUND(VALOR * 100 / PORC, 2);
END^

/* What a document gives to post, one row per concept and amount (positive
   debit, negative credit), with the third party, cost centre, base and
   percentage, and the document the line names. CUENTA only for lines that
   bring their own account: the free lines (CONTA), the tax on a bank
   payment (GMF), and the boxes and bank accounts that have one (CAJA,
   BANCO). See the top of the file. */
CREATE PROCEDURE CNT_MOVIMIENTOS (TIPO INTEGER, ID INTEGER)
RETURNS (CONCEPTO VARCHAR(6), VALOR NUMERIC(15,2), NIT VARCHAR(20), PROY VARCHAR(4), CENT VARCHAR(4),
         SUBC VARCHAR(4), BASE NUMERIC(15,2), PORC NUMERIC(15,4), DOCTIPO INTEGER, DOCID INTEGER,
         DOCNUM VARCHAR(10), VENCE DATE, CUENTA VARCHAR(20), CONC VARCHAR(60))
AS
DECLARE S INTEGER;
DECLARE D_PROY VARCHAR(4); DECLARE D_CENT VARCHAR(4); DECLARE D_SUBC VARCHAR(4);
DECLARE D_NIT VARCHAR(20); DECLARE D_CONC VARCHAR(60); DECLARE D_PREF VARCHAR(4); DECLARE D_NUM VARCHAR(8);
DECLARE MONTO NUMERIC(15,2); DECLARE IVA NUMERIC(15,2); DECLARE EXTRA NUMERIC(15,2);
DECLARE RTFTE NUMERIC(15,2); DECLARE RTIVA NUMERIC(15,2); DECLARE RTICA NUMERIC(15,2);
DECLARE RCREE NUMERIC(15,2); DECLARE DTOF NUMERIC(15,2); DECLARE ABONO NUMERIC(15,2);
DECLARE P_RTFTE NUMERIC(15,4); DECLARE P_RTIVA NUMERIC(15,4); DECLARE P_RTICA NUMERIC(15,4);
DECLARE P_RCREE NUMERIC(15,4);
DECLARE B_RTFTE NUMERIC(15,2);
DECLARE D_VENCE DATE;
DECLARE RETCAUSA VARCHAR(1);
DECLARE REPARTIDO NUMERIC(15,2);
DECLARE L_TIPO INTEGER; DECLARE L_ID INTEGER; DECLARE L_PREF VARCHAR(4); DECLARE L_NUM VARCHAR(8);
DECLARE EGRE_TIPO VARCHAR(1); DECLARE EXCEDENTE NUMERIC(15,2); DECLARE EGRE_MONTO NUMERIC(15,2);
DECLARE BANCO_CUENTA VARCHAR(20); DECLARE GMF NUMERIC(15,2); DECLARE GMF_CUENTA VARCHAR(20);
BEGIN
    SELECT PREFIJO, NUMERO, NIT, CONC, PROY, CENT, SUBC FROM CNT_DOCUMENTO(:TIPO, :ID)
    INTO :D_PREF, :D_NUM, :D_NIT, :D_CONC, :D_PROY, :D_CENT, :D_SUBC;
    IF (ROW_COUNT = 0) THEN
        EXIT;
    NIT = D_NIT; CONC = D_CONC; CUENTA = NULL;
    PROY = D_PROY; CENT = D_CENT; SUBC = D_SUBC;

    IF (TIPO IN (51, 52)) THEN
    BEGIN
        S = IIF(TIPO = 51, 1, -1);
        IF (TIPO = 51) THEN
            SELECT COALESCE(NDPR_MONTO, 0), COALESCE(NDPR_IVAMONTO, 0), COALESCE(NDPR_EXTRA, 0),
                   COALESCE(NDPR_RTFTEMONTO, 0), COALESCE(NDPR_RTIVAMONTO, 0), COALESCE(NDPR_RTICAMONTO, 0),
                   COALESCE(NDPR_RTCREEM, 0), COALESCE(NDPR_RTFTEPORC, 0), COALESCE(NDPR_RTIVAPORC, 0),
                   CAST(COALESCE(NDPR_RTICAPORC, 0) AS NUMERIC(15,4)) / 10, COALESCE(NDPR_RTCREE, 0),
                   COALESCE(NULLIF(NDPR_RTFTEBASE, 0), NDPR_MONTO, 0), COALESCE(NDPR_VENCE, NDPR_FECHA)
            FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = :ID
            INTO :MONTO, :IVA, :EXTRA, :RTFTE, :RTIVA, :RTICA, :RCREE, :P_RTFTE, :P_RTIVA, :P_RTICA,
                 :P_RCREE, :B_RTFTE, :D_VENCE;
        ELSE
            SELECT COALESCE(NCPR_MONTO, 0), COALESCE(NCPR_IVAMONTO, 0), COALESCE(NCPR_EXTRA, 0),
                   COALESCE(NCPR_RTFTEMONTO, 0), COALESCE(NCPR_RTIVAMONTO, 0), COALESCE(NCPR_RTICAMONTO, 0),
                   COALESCE(NCPR_RTCREEM, 0), COALESCE(NCPR_RTFTEPORC, 0), COALESCE(NCPR_RTIVAPORC, 0),
                   CAST(COALESCE(NCPR_RTICAPORC, 0) AS NUMERIC(15,4)) / 10, COALESCE(NCPR_RTCREE, 0),
                   COALESCE(NCPR_MONTO, 0), NCPR_FECHA
            FROM NOTAS_CREDITO_PROVEEDOR WHERE NCPR_ID = :ID
            INTO :MONTO, :IVA, :EXTRA, :RTFTE, :RTIVA, :RTICA, :RCREE, :P_RTFTE, :P_RTIVA, :P_RTICA,
                 :P_RCREE, :B_RTFTE, :D_VENCE;
        RETCAUSA = NULL;
        SELECT MVPR_RETCAUSA FROM MOVIMIENTO_PROVEEDOR WHERE MVPR_TIPOREF = :TIPO AND MVPR_IDREF = :ID
        INTO :RETCAUSA;
        RETCAUSA = COALESCE(RETCAUSA, CXP_RETENCIONES_CAUSADAS(TIPO));
        DOCTIPO = TIPO; DOCID = ID; DOCNUM = CNT_NUMERO_DOCUMENTO(D_PREF, D_NUM); VENCE = NULL;
        BASE = 0; PORC = 0;

        CONCEPTO = 'BASE';
        REPARTIDO = 0;
        FOR SELECT PROY_COD, CENT_COD, SUBC_COD, CEDO_MONTO FROM CENTROS_DOCUMENTO
            WHERE TIDO_COD = :TIPO AND CEDO_IDDOC = :ID ORDER BY CEDO_ITEM
            INTO :PROY, :CENT, :SUBC, :VALOR
        DO
        BEGIN
            REPARTIDO = REPARTIDO + VALOR;
            VALOR = S * VALOR;
            SUSPEND;
        END
        PROY = D_PROY; CENT = D_CENT; SUBC = D_SUBC;
        VALOR = S * (MONTO - REPARTIDO);
        SUSPEND;
        CONCEPTO = 'IVA'; VALOR = S * IVA; SUSPEND;
        CONCEPTO = 'EXTRA'; VALOR = S * EXTRA; SUSPEND;
        IF (RETCAUSA = 'S') THEN
        BEGIN
            CONCEPTO = 'RTFTE'; VALOR = -S * RTFTE; BASE = B_RTFTE; PORC = P_RTFTE; SUSPEND;
            CONCEPTO = 'RTIVA'; VALOR = -S * RTIVA; BASE = IVA; PORC = P_RTIVA; SUSPEND;
            CONCEPTO = 'RTICA'; VALOR = -S * RTICA; BASE = MONTO; PORC = P_RTICA; SUSPEND;
            CONCEPTO = 'RTCREE'; VALOR = -S * RCREE; BASE = MONTO; PORC = P_RCREE; SUSPEND;
        END
        ELSE
        BEGIN
            RTFTE = 0; RTIVA = 0; RTICA = 0; RCREE = 0;
        END
        CONCEPTO = 'PROV'; BASE = 0; PORC = 0; VENCE = D_VENCE;
        VALOR = -S * (MONTO + IVA + EXTRA - RTFTE - RTIVA - RTICA - RCREE);
        SUSPEND;
        EXIT;
    END

    IF (TIPO = 57) THEN
    BEGIN
        SELECT CRCX_TIPODOC, CRCX_IDDOC, COALESCE(CRCX_TOTAL, 0), CRCX_FECCUOTA1 FROM CREDITO_CXPAGAR
        WHERE CRCX_ID = :ID INTO :L_TIPO, :L_ID, :MONTO, :D_VENCE;
        BASE = 0; PORC = 0; VENCE = NULL; L_PREF = NULL; L_NUM = NULL;
        SELECT MVPR_PREFIJO, MVPR_NUMERO, MVPR_VENCE FROM MOVIMIENTO_PROVEEDOR
        WHERE MVPR_TIPOREF = :L_TIPO AND MVPR_IDREF = :L_ID INTO :L_PREF, :L_NUM, :VENCE;
        DOCTIPO = L_TIPO; DOCID = L_ID; DOCNUM = CNT_NUMERO_DOCUMENTO(L_PREF, L_NUM);
        CONCEPTO = 'PROV'; VALOR = MONTO; SUSPEND;
        DOCTIPO = TIPO; DOCID = ID; DOCNUM = CNT_NUMERO_DOCUMENTO(D_PREF, D_NUM); VENCE = D_VENCE;
        CONCEPTO = 'BASE'; VALOR = -MONTO; SUSPEND;
        EXIT;
    END

    SELECT RTFTE, RTIVA, RTICA, RCREE FROM CNT_TASAS_PROVEEDOR(:D_NIT)
    INTO :P_RTFTE, :P_RTIVA, :P_RTICA, :P_RCREE;

    IF (TIPO = 53) THEN
    BEGIN
        FOR SELECT APPD_TIPODOC, APPD_IDDOC, APPD_PREFIJO, APPD_NUMERO, COALESCE(APPD_APLICADO, 0),
                   COALESCE(APPD_RTFTE, 0), COALESCE(APPD_RTIVA, 0), COALESCE(APPD_RTICA, 0),
                   COALESCE(APPD_RCREE, 0)
            FROM APLICACION_PROVEEDOR_DETALLE WHERE APPR_ID = :ID AND APPD_ANULADO = 'N' ORDER BY APPD_ITEM
            INTO :L_TIPO, :L_ID, :L_PREF, :L_NUM, :ABONO, :RTFTE, :RTIVA, :RTICA, :RCREE
        DO
        BEGIN
            D_VENCE = NULL;
            NIT = D_NIT;
            SELECT COALESCE(TERC_NIT, :D_NIT), MVPR_PREFIJO, MVPR_NUMERO, MVPR_VENCE FROM MOVIMIENTO_PROVEEDOR
            WHERE MVPR_TIPOREF = :L_TIPO AND MVPR_IDREF = :L_ID INTO :NIT, :L_PREF, :L_NUM, :D_VENCE;
            DOCTIPO = L_TIPO; DOCID = L_ID; DOCNUM = CNT_NUMERO_DOCUMENTO(L_PREF, L_NUM);
            CONCEPTO = IIF(L_TIPO = 55, 'ANTI', 'PROV'); VALOR = ABONO + RTFTE + RTIVA + RTICA + RCREE;
            BASE = 0; PORC = 0; VENCE = D_VENCE;
            SUSPEND;
            VENCE = NULL;
            CONCEPTO = 'RTFTE'; VALOR = -RTFTE; PORC = P_RTFTE; BASE = CNT_BASE_DE(RTFTE, PORC); SUSPEND;
            CONCEPTO = 'RTIVA'; VALOR = -RTIVA; PORC = P_RTIVA; BASE = CNT_BASE_DE(RTIVA, PORC); SUSPEND;
            CONCEPTO = 'RTICA'; VALOR = -RTICA; PORC = P_RTICA; BASE = CNT_BASE_DE(RTICA, PORC); SUSPEND;
            CONCEPTO = 'RTCREE'; VALOR = -RCREE; PORC = P_RCREE; BASE = CNT_BASE_DE(RCREE, PORC); SUSPEND;
        END
        EXIT;
    END

    IF (TIPO = 62) THEN
    BEGIN
        SELECT COALESCE(EGRE_TIPO, '1'), COALESCE(EGRE_EXCEDENTE, 0), COALESCE(EGRE_MONTO, 0)
        FROM EGRESOS WHERE EGRE_ID = :ID INTO :EGRE_TIPO, :EXCEDENTE, :EGRE_MONTO;

        FOR SELECT EGDE_TIPODOC, EGDE_IDDOC, EGDE_PREFIJO, EGDE_NUMERO, COALESCE(EGDE_ABONO, 0),
                   COALESCE(EGDE_DTOF, 0), COALESCE(EGDE_RTFTE, 0), COALESCE(EGDE_RTIVA, 0),
                   COALESCE(EGDE_RTICA, 0), COALESCE(EGDE_RCREE, 0)
            FROM EGRESODETALLE WHERE EGRE_ID = :ID AND EGDE_ANULADO = 'N' ORDER BY EGDE_ITEM
            INTO :L_TIPO, :L_ID, :L_PREF, :L_NUM, :ABONO, :DTOF, :RTFTE, :RTIVA, :RTICA, :RCREE
        DO
        BEGIN
            D_VENCE = NULL;
            NIT = D_NIT;
            SELECT COALESCE(TERC_NIT, :D_NIT), MVPR_PREFIJO, MVPR_NUMERO, MVPR_VENCE FROM MOVIMIENTO_PROVEEDOR
            WHERE MVPR_TIPOREF = :L_TIPO AND MVPR_IDREF = :L_ID INTO :NIT, :L_PREF, :L_NUM, :D_VENCE;
            DOCTIPO = L_TIPO; DOCID = L_ID; DOCNUM = CNT_NUMERO_DOCUMENTO(L_PREF, L_NUM);
            CONCEPTO = IIF(L_TIPO = 55, 'ANTI', 'PROV');
            VALOR = ABONO + DTOF + RTFTE + RTIVA + RTICA + RCREE;
            BASE = 0; PORC = 0; VENCE = D_VENCE;
            SUSPEND;
            VENCE = NULL;
            CONCEPTO = 'DTOF'; VALOR = -DTOF; SUSPEND;
            CONCEPTO = 'RTFTE'; VALOR = -RTFTE; PORC = P_RTFTE; BASE = CNT_BASE_DE(RTFTE, PORC); SUSPEND;
            CONCEPTO = 'RTIVA'; VALOR = -RTIVA; PORC = P_RTIVA; BASE = CNT_BASE_DE(RTIVA, PORC); SUSPEND;
            CONCEPTO = 'RTICA'; VALOR = -RTICA; PORC = P_RTICA; BASE = CNT_BASE_DE(RTICA, PORC); SUSPEND;
            CONCEPTO = 'RTCREE'; VALOR = -RCREE; PORC = P_RCREE; BASE = CNT_BASE_DE(RCREE, PORC); SUSPEND;
        END

        NIT = D_NIT; BASE = 0; PORC = 0; VENCE = NULL;
        FOR SELECT EGCC_TIPODOC, EGCC_IDDOC, EGCC_PREFIJO, EGCC_NUMERO, COALESCE(EGCC_ABONO, 0),
                   COALESCE(EGCC_DTOF, 0) + COALESCE(EGCC_RTFTE, 0) + COALESCE(EGCC_RTIVA, 0)
                   + COALESCE(EGCC_RTICA, 0) + COALESCE(EGCC_RCREE, 0)
            FROM EGRECRUCES WHERE EGRE_ID = :ID AND EGCC_ANULADO = 'N' ORDER BY EGCC_ITEM
            INTO :L_TIPO, :L_ID, :L_PREF, :L_NUM, :ABONO, :DTOF
        DO
        BEGIN
            DOCTIPO = L_TIPO; DOCID = L_ID; DOCNUM = CNT_NUMERO_DOCUMENTO(L_PREF, L_NUM);
            CONCEPTO = 'CRUCE'; VALOR = -(ABONO + DTOF); SUSPEND;
            CONCEPTO = 'CRUDTO'; VALOR = DTOF; SUSPEND;
        END

        DOCTIPO = TIPO; DOCID = ID; DOCNUM = CNT_NUMERO_DOCUMENTO(D_PREF, D_NUM);
        CONCEPTO = 'EXCE'; VALOR = EXCEDENTE; SUSPEND;
        IF (EGRE_TIPO = '2') THEN
        BEGIN
            CONCEPTO = 'CAJA'; VALOR = EGRE_MONTO;
            SELECT NULLIF(TRIM(C.CAJA_CUENTA), '') FROM EGRESOS E JOIN CAJAS C ON C.CAJA_ID = E.CAJA_ID
            WHERE E.EGRE_ID = :ID INTO :CUENTA;
            SUSPEND;
            CUENTA = NULL;
        END

        CONCEPTO = 'CONTA';
        FOR SELECT CUEN_COD, COALESCE(NULLIF(TRIM(EGCO_NIT), ''), :D_NIT), EGCO_PROY, EGCO_CENTRO, EGCO_SUBC,
                   COALESCE(EGCO_CONC, :D_CONC), COALESCE(EGCO_BASEM, 0), COALESCE(EGCO_PORC, 0),
                   COALESCE(EGCO_DEBITOS, 0) - COALESCE(EGCO_CREDITOS, 0)
            FROM EGRECONTA WHERE EGRE_ID = :ID ORDER BY EGCO_ITEM
            INTO :CUENTA, :NIT, :PROY, :CENT, :SUBC, :CONC, :BASE, :PORC, :VALOR
        DO
            SUSPEND;
        CUENTA = NULL; NIT = D_NIT; CONC = D_CONC; BASE = 0; PORC = 0;
        PROY = D_PROY; CENT = D_CENT; SUBC = D_SUBC;

        CONCEPTO = 'CAJA';
        FOR SELECT -COALESCE(L.EGCA_MONTO, 0), NULLIF(TRIM(C.CAJA_CUENTA), '')
            FROM EGRECAJA L LEFT JOIN CAJAS C ON C.CAJA_ID = L.CAJA_ID
            WHERE L.EGRE_ID = :ID AND L.EGCA_ANULADO = 'N'
            ORDER BY L.EGCA_ITEM INTO :VALOR, :CUENTA
        DO
            SUSPEND;
        /* The financial-transactions tax the bank charges on the payment:
           an expense of the company, out of the same bank account. */
        FOR SELECT -COALESCE(L.EGBC_MONTO, 0), NULLIF(TRIM(B.CUBA_CTACONTA), ''),
                   IIF(L.EGBC_GMF = 'S', ROUND(COALESCE(L.EGBC_MONTO, 0) * COALESCE(B.CUBA_GMFPOR, 0) / 100, 2), 0),
                   NULLIF(TRIM(B.CUBA_CTAGMF), '')
            FROM EGREBANCO L LEFT JOIN CUENTAS_BANCOS B ON B.CUBA_COD = L.CUBA_COD
            WHERE L.EGRE_ID = :ID AND L.EGBC_ANULADO = 'N'
            INTO :VALOR, :BANCO_CUENTA, :GMF, :GMF_CUENTA
        DO
        BEGIN
            CONCEPTO = 'BANCO'; CUENTA = BANCO_CUENTA; SUSPEND;
            IF (GMF <> 0) THEN
            BEGIN
                CONCEPTO = 'GMF'; VALOR = GMF; CUENTA = GMF_CUENTA; SUSPEND;
                CONCEPTO = 'BANCO'; VALOR = -GMF; CUENTA = BANCO_CUENTA; SUSPEND;
            END
        END
    END
END^

/* The lines of one book from the document's movements and the interface's
   settings for that book, then the interface's additional lines. */
CREATE PROCEDURE CNT_LINEAS (TIPO INTEGER, ID INTEGER, FAMILIA VARCHAR(4), INTERFAZ INTEGER, IDC INTEGER,
    LIBRO VARCHAR(1), TIPOERR INTEGER, REF VARCHAR(8))
AS
DECLARE CONCEPTO VARCHAR(6); DECLARE VALOR NUMERIC(15,2); DECLARE NIT VARCHAR(20);
DECLARE PROY VARCHAR(4); DECLARE CENT VARCHAR(4); DECLARE SUBC VARCHAR(4);
DECLARE BASE NUMERIC(15,2); DECLARE PORC NUMERIC(15,4); DECLARE DOCTIPO INTEGER; DECLARE DOCID INTEGER;
DECLARE DOCNUM VARCHAR(10); DECLARE VENCE DATE; DECLARE CUENTA VARCHAR(20); DECLARE CONC VARCHAR(60);
DECLARE FUENTE VARCHAR(1); DECLARE FIJA VARCHAR(20); DECLARE PROPIA VARCHAR(20);
DECLARE LIBRO_NOMBRE VARCHAR(10);
DECLARE D_NIT VARCHAR(20); DECLARE D_CONC VARCHAR(60); DECLARE D_NUM VARCHAR(10);
DECLARE D_PROY VARCHAR(4); DECLARE D_CENT VARCHAR(4); DECLARE D_SUBC VARCHAR(4);
DECLARE REFERENCIA VARCHAR(20); DECLARE FIJO NUMERIC(15,2); DECLARE PORCENTAJE NUMERIC(15,2);
DECLARE DEBITO VARCHAR(1); DECLARE CIFRA NUMERIC(15,2);
BEGIN
    LIBRO_NOMBRE = TRIM(TRAILING FROM IIF(LIBRO = 'N', ' NIIF', ''));
    FOR SELECT CONCEPTO, VALOR, NIT, PROY, CENT, SUBC, BASE, PORC, DOCTIPO, DOCID, DOCNUM, VENCE, CUENTA, CONC
        FROM CNT_MOVIMIENTOS(:TIPO, :ID)
        INTO :CONCEPTO, :VALOR, :NIT, :PROY, :CENT, :SUBC, :BASE, :PORC, :DOCTIPO, :DOCID, :DOCNUM, :VENCE,
             :CUENTA, :CONC
    DO
    BEGIN
        IF (VALOR <> 0) THEN
        BEGIN
            FUENTE = 'K';
            PROPIA = CUENTA;
            IF (CONCEPTO IN ('CONTA', 'GMF')) THEN
            BEGIN
                IF (LIBRO = 'N') THEN
                    CUENTA = CNT_CUENTA_NIIF(CUENTA);
                IF (CONCEPTO = 'GMF') THEN
                    FUENTE = IIF(PROPIA IS NULL, 'B', IIF(CUENTA IS NULL, 'E', 'K'));
            END
            ELSE
            BEGIN
                FUENTE = NULL; FIJA = NULL;
                SELECT FUENTE, CUENTA FROM CNT_REGLAS(:FAMILIA, :INTERFAZ, :LIBRO) WHERE CONCEPTO = :CONCEPTO
                INTO :FUENTE, :FIJA;
                /* A cash box or bank account with a ledger account of its own
                   posts there; the interface still decides whether to post. */
                IF (PROPIA IS NOT NULL AND FUENTE = 'K') THEN
                BEGIN
                    CUENTA = IIF(LIBRO = 'N', CNT_CUENTA_NIIF(PROPIA), PROPIA);
                    IF (CUENTA IS NULL) THEN
                        FUENTE = 'E';
                END
                ELSE
                    CUENTA = CNT_CUENTA_FUENTE(LIBRO, CONCEPTO, FUENTE, FIJA, DOCTIPO, DOCID, NIT, PROY);
            END
            IF (COALESCE(FUENTE, 'N') <> 'N') THEN
            BEGIN
                IF (CUENTA IS NULL) THEN
                    EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'CUENTA', 'No hay cuenta' || LIBRO_NOMBRE || ' para '
                        || CNT_NOMBRE_CONCEPTO(CONCEPTO)
                        || TRIM(TRAILING FROM DECODE(FUENTE, 'K', ' en la interfaz', 'T', ' en el proveedor ni en su grupo',
                                  'I', ' en el documento', 'P', ' en el proyecto',
                                  'E', ' equivalente a la cuenta ' || PROPIA, 'B', ' en la cuenta bancaria', ''))
                        || '; no se contabilizan ' || CNT_MONTO(ABS(VALOR)) || '.');
                ELSE
                    EXECUTE PROCEDURE CNT_LINEA(IDC, LIBRO, TIPOERR, ID, CONCEPTO, CUENTA, VALOR, NIT, PROY, CENT,
                        SUBC, CONC, BASE, PORC, DOCTIPO, DOCNUM, VENCE, REF);
            END
        END
    END

    IF (FAMILIA <> 'CXP') THEN
        EXIT;
    SELECT NIT, CONC, CNT_NUMERO_DOCUMENTO(PREFIJO, NUMERO), PROY, CENT, SUBC FROM CNT_DOCUMENTO(:TIPO, :ID)
    INTO :D_NIT, :D_CONC, :D_NUM, :D_PROY, :D_CENT, :D_SUBC;
    FOR SELECT INPC_CUENTA, UPPER(TRIM(COALESCE(INPC_BASE, ''))), COALESCE(INPC_VALOR, 0),
               COALESCE(INPC_PORC, 0), COALESCE(INPC_DB, 'S')
        FROM INTERFAZ_CXPAGAR_CTAS WHERE INCP_ID = :INTERFAZ ORDER BY INPC_ITEM
        INTO :CUENTA, :REFERENCIA, :FIJO, :PORCENTAJE, :DEBITO
    DO
    BEGIN
        CIFRA = 0;
        SELECT VALOR FROM CNT_CIFRAS(:TIPO, :ID) WHERE NOMBRE = :REFERENCIA INTO :CIFRA;
        IF (FIJO <> 0) THEN
            VALOR = FIJO;
        ELSE
            VALOR = CNT_REDONDEE(CIFRA * PORCENTAJE / 100);
        IF (DEBITO <> 'S') THEN
            VALOR = -VALOR;
        IF (LIBRO = 'N') THEN
            CUENTA = CNT_CUENTA_NIIF(CUENTA);
        IF (VALOR <> 0 AND CUENTA IS NULL) THEN
            EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'CUENTA', 'No hay cuenta' || LIBRO_NOMBRE
                || ' para la línea adicional; no se contabilizan ' || CNT_MONTO(ABS(VALOR)) || '.');
        ELSE
            EXECUTE PROCEDURE CNT_LINEA(IDC, LIBRO, TIPOERR, ID, 'ADIC', CUENTA, VALOR, D_NIT, D_PROY, D_CENT,
                D_SUBC, D_CONC, IIF(FIJO <> 0, 0, CIFRA), IIF(FIJO <> 0, 0, PORCENTAJE), TIPO, D_NUM, NULL, REF);
    END
END^

/* The lines of one book (HACIA 'N' NIIF, 'L' local) as those of the other,
   each on the account that stands for its own there. */
CREATE PROCEDURE CNT_LINEAS_EQUIVALENTES (IDC INTEGER, TIPOERR INTEGER, ID INTEGER, HACIA VARCHAR(1))
AS
DECLARE CUENTA VARCHAR(20); DECLARE DESTINO VARCHAR(20); DECLARE VALOR NUMERIC(15,2);
DECLARE NIT VARCHAR(20); DECLARE PROY VARCHAR(4); DECLARE CENT VARCHAR(4); DECLARE SUBC VARCHAR(4);
DECLARE CONC VARCHAR(60); DECLARE REF VARCHAR(8); DECLARE BASE NUMERIC(15,2); DECLARE PORC NUMERIC(15,4);
DECLARE VENCE DATE; DECLARE DOCTIPO INTEGER; DECLARE DOCNUM VARCHAR(10);
BEGIN
    FOR SELECT CNDE_CUENTA, CNDE_DEBITOS - CNDE_CREDITOS, CNDE_TERC, CNDE_PROY, CNDE_CENTRO, CNDE_SUBC,
               CNDE_CONC, CNDE_REF, CNDE_BASE, CNDE_PORC, CNDE_DOCVENCE, CNDE_DOCTIPON, CNDE_DOCNUMERO
        FROM CONTABILIZACION_DET
        WHERE CNTB_ID = :IDC AND ((:HACIA = 'N' AND CNDE_ITEM < 100000) OR (:HACIA <> 'N' AND CNDE_ITEM >= 100000))
        ORDER BY CNDE_ITEM
        INTO :CUENTA, :VALOR, :NIT, :PROY, :CENT, :SUBC, :CONC, :REF, :BASE, :PORC, :VENCE, :DOCTIPO, :DOCNUM
    DO
    BEGIN
        DESTINO = IIF(HACIA = 'N', CNT_CUENTA_NIIF(CUENTA), CNT_CUENTA_LOCAL(CUENTA));
        IF (DESTINO IS NULL) THEN
            EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'EQUIV',
                IIF(HACIA = 'N', 'La cuenta ' || COALESCE(CUENTA, '') || ' no tiene equivalente NIIF',
                    'La cuenta NIIF ' || COALESCE(CUENTA, '') || ' no tiene equivalente local')
                || '; no se contabilizan ' || CNT_MONTO(ABS(VALOR)) || '.');
        ELSE
            EXECUTE PROCEDURE CNT_LINEA(IDC, HACIA, TIPOERR, ID, 'CONTA', DESTINO, VALOR, NIT, PROY, CENT, SUBC,
                CONC, BASE, PORC, DOCTIPO, DOCNUM, VENCE, REF);
    END
END^

/* Reports each book that does not balance. */
CREATE PROCEDURE CNT_REVISE_CUADRE (IDC INTEGER, TIPOERR INTEGER, ID INTEGER, LIBRO VARCHAR(1))
AS
DECLARE DEBITOS NUMERIC(18,2);
DECLARE CREDITOS NUMERIC(18,2);
BEGIN
    SELECT COALESCE(SUM(CNDE_DEBITOS), 0), COALESCE(SUM(CNDE_CREDITOS), 0) FROM CONTABILIZACION_DET
    WHERE CNTB_ID = :IDC AND ((:LIBRO = 'N' AND CNDE_ITEM >= 100000) OR (:LIBRO <> 'N' AND CNDE_ITEM < 100000))
    INTO :DEBITOS, :CREDITOS;
    IF (DEBITOS <> CREDITOS) THEN
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'DESC', 'El comprobante' || TRIM(TRAILING FROM IIF(LIBRO = 'N', ' NIIF', ''))
            || ' no cuadra: débitos ' || CAST(DEBITOS AS VARCHAR(24)) || ', créditos '
            || CAST(CREDITOS AS VARCHAR(24)) || '.');
    ELSE IF (DEBITOS = 0) THEN
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'DESC', 'El comprobante' || TRIM(TRAILING FROM IIF(LIBRO = 'N', ' NIIF', ''))
            || ' no tiene movimientos.');
END^

/* A cost-centre distribution must add up to the document's base. */
CREATE PROCEDURE CNT_REVISE_CENTROS (TIPO INTEGER, ID INTEGER, TIPOERR INTEGER)
AS
DECLARE REPARTIDO NUMERIC(18,2);
DECLARE BASE NUMERIC(15,2);
BEGIN
    SELECT SUM(CEDO_MONTO) FROM CENTROS_DOCUMENTO WHERE TIDO_COD = :TIPO AND CEDO_IDDOC = :ID INTO :REPARTIDO;
    IF (REPARTIDO IS NULL) THEN
        EXIT;
    SELECT VALOR FROM CNT_CIFRAS(:TIPO, :ID) WHERE NOMBRE = 'BASE' INTO :BASE;
    IF (REPARTIDO <> BASE) THEN
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'CENTROS', 'La distribución por centros de costo suma '
            || CAST(REPARTIDO AS VARCHAR(24)) || ' y la base es ' || CNT_MONTO(BASE)
            || '; la diferencia queda en el centro del documento.');
END^

/* The first number of an accounting prefix that no ledger voucher has taken,
   from the prefix's next number on; null when the prefix does not exist. */
CREATE FUNCTION CNT_NUMERO_SIGUIENTE (TICO VARCHAR(3), PRCO VARCHAR(4))
RETURNS VARCHAR(8)
AS
DECLARE NUMERO VARCHAR(8);
BEGIN
    SELECT PREF_NUMERO FROM PREFIJOS_CONTA WHERE TICO_COD = :TICO AND PRCO_PREF = :PRCO INTO :NUMERO;
    IF (NUMERO IS NULL) THEN
        RETURN NULL;
    WHILE (EXISTS(SELECT 1 FROM COMPROBANTE_ENCABEZADO
                  WHERE TICO_COD = :TICO AND PRCO_PREF = :PRCO AND ENCO_NUMERO = :NUMERO)) DO
        NUMERO = LPAD(CAST(NUMERO AS BIGINT) + 1, 6, '0');
    RETURN NUMERO;
END^

/* The one body of every posting procedure: MODO 'L' the local procedures,
   'N' the _NIIF ones (see the top of the file for what each book takes). */
CREATE PROCEDURE CNT_CONTABILICE (TIPO INTEGER, ID INTEGER, INTERFAZ INTEGER, MODO VARCHAR(1))
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
DECLARE TIPOERR INTEGER;
DECLARE FAMILIA VARCHAR(4);
DECLARE TIDO INTEGER;
DECLARE TICO VARCHAR(3);
DECLARE PRCO VARCHAR(4);
DECLARE EQUIVALENCIA VARCHAR(1);
DECLARE TIENE_NIIF INTEGER;
DECLARE PREFIJO VARCHAR(4);
DECLARE NUMERO VARCHAR(8);
DECLARE FECHA DATE;
DECLARE CONC VARCHAR(60);
DECLARE ANULADO VARCHAR(1);
DECLARE NUMERO_ANTES VARCHAR(8);
DECLARE ACTIVO VARCHAR(1);
DECLARE CONFIG VARCHAR(100);
DECLARE NIIF_DESDE VARCHAR(1);
BEGIN
    ERROR = 0; VER = 'N'; IDC = 0;
    TIPOERR = IIF(MODO = 'N' AND TIPO <> 51, TIPO + 1000, TIPO);
    FAMILIA = IIF(TIPO = 62, 'CAJA', 'CXP');
    DELETE FROM ERRORES WHERE ERRO_TIPODOC IN (:TIPO, :TIPO + 1000) AND ERRO_IDDOC = :ID;
    DELETE FROM CONTABILIZACION WHERE CNTB_TIPOREF = :TIPO AND CNTB_IDREF = :ID;

    IF (FAMILIA = 'CAJA') THEN
        SELECT TIDO_COD, TICO_COD, PRCO_PRE, COALESCE(INCJ_CONFIRMAR, 'N'), COALESCE(INCJ_EQUIVALENCIA, 'N'),
               (SELECT COUNT(*) FROM INTERFAZ_CAJA_NIIF N WHERE N.INCJ_ID = I.INCJ_ID)
        FROM INTERFAZ_CAJA I WHERE INCJ_ID = :INTERFAZ
        INTO :TIDO, :TICO, :PRCO, :VER, :EQUIVALENCIA, :TIENE_NIIF;
    ELSE
        SELECT TIDO_COD, TICO_COD, PRCO_PRE, COALESCE(INCP_CONFIRMAR, 'N'), COALESCE(INCP_EQUIVALENCIA, 'N'),
               (SELECT COUNT(*) FROM INTERFAZ_CXPAGAR_NIIF N WHERE N.INCP_ID = I.INCP_ID)
        FROM INTERFAZ_CXPAGAR I WHERE INCP_ID = :INTERFAZ
        INTO :TIDO, :TICO, :PRCO, :VER, :EQUIVALENCIA, :TIENE_NIIF;
    IF (ROW_COUNT = 0 OR TIDO IS DISTINCT FROM TIPO) THEN
    BEGIN
        VER = 'N';
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'INTERFAZ', 'No existe la interfaz contable ' || INTERFAZ
            || ' para el tipo de documento ' || TIPO || '.');
        ERROR = 1;
        SUSPEND;
        EXIT;
    END

    SELECT PREFIJO, NUMERO, FECHA, CONC, ANULADO FROM CNT_DOCUMENTO(:TIPO, :ID)
    INTO :PREFIJO, :NUMERO, :FECHA, :CONC, :ANULADO;
    IF (ROW_COUNT = 0 OR ANULADO = 'S') THEN
    BEGIN
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'DOCUMENTO',
            TRIM(TRAILING FROM IIF(ANULADO = 'S', 'El documento está anulado; no se contabiliza.',
                                   'El documento no existe.')));
        ERROR = 1;
        SUSPEND;
        EXIT;
    END

    ACTIVO = NULL;
    SELECT PRCO_ACTIVO FROM PREFIJOS_CONTA WHERE TICO_COD = :TICO AND PRCO_PREF = :PRCO INTO :ACTIVO;
    IF (ACTIVO IS DISTINCT FROM 'S') THEN
    BEGIN
        EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'PREFIJO', 'La interfaz no tiene un comprobante y prefijo '
            || 'contable activos (' || COALESCE(TICO, '') || ' ' || COALESCE(PRCO, '') || ').');
        ERROR = 1;
        SUSPEND;
        EXIT;
    END

    /* Posting again keeps the number of the ledger voucher it replaces; the
       first time the review shows the number the voucher is going to take. */
    NUMERO_ANTES = NULL;
    SELECT ENCO_NUMERO FROM COMPROBANTE_ENCABEZADO
    WHERE ENCO_TIPOREF = :TIPO AND ENCO_IDREF = :ID AND TICO_COD = :TICO AND PRCO_PREF = :PRCO
    INTO :NUMERO_ANTES;
    NUMERO_ANTES = COALESCE(NUMERO_ANTES, CNT_NUMERO_SIGUIENTE(TICO, PRCO));

    IDC = NEXT VALUE FOR GEN_CONTABILIZACION;
    INSERT INTO CONTABILIZACION (CNTB_ID, CNTB_TIPOREF, CNTB_IDREF, CNTB_PREFREF, CNTB_NUMREF, CNTB_FECHA,
        CNTB_TIPOCOMP, CNTB_PREFCNT, CNTB_REF, CNTB_CONCEPTO, CNTB_NUMERO, CNTB_PROCESADO)
    VALUES (:IDC, :TIPO, :ID, :PREFIJO, :NUMERO,
        LPAD(EXTRACT(YEAR FROM :FECHA), 4, '0') || LPAD(EXTRACT(MONTH FROM :FECHA), 2, '0')
            || LPAD(EXTRACT(DAY FROM :FECHA), 2, '0'),
        :TICO, :PRCO, :PREFIJO || :NUMERO,
        COALESCE(NULLIF(TRIM(:CONC), ''), (SELECT TIDO_NOMLARGO FROM TIPO_DOCUMENTO WHERE TIDO_COD = :TIPO)
            || ' ' || :PREFIJO || '-' || :NUMERO),
        :NUMERO_ANTES, 'N');

    IF (TIPO IN (51, 52)) THEN
        EXECUTE PROCEDURE CNT_REVISE_CENTROS(TIPO, ID, TIPOERR);
    SELECT CONF_VALOR FROM CONFIGURACION WHERE CONF_MODULO = 'CONTABILIDAD' AND CONF_CATEGORIA = 'GENERAL'
      AND CONF_PROPIEDAD = 'GENERAR COMPROBANTES DE NIIF POR INTERFAZ O EQUIVALENCIAS' INTO :CONFIG;
    /* Where the NIIF lines come from: E equivalence, G the interface's NIIF
       twin, N nowhere. */
    NIIF_DESDE = IIF(EQUIVALENCIA = 'S' OR UPPER(TRIM(COALESCE(CONFIG, ''))) STARTING WITH 'EQUIVALENCIA', 'E',
                     IIF(TIENE_NIIF > 0, 'G', 'N'));
    IF (NIIF_DESDE = 'G' AND MODO = 'N') THEN
    BEGIN
        EXECUTE PROCEDURE CNT_LINEAS(TIPO, ID, FAMILIA, INTERFAZ, IDC, 'N', TIPOERR, NUMERO);
        EXECUTE PROCEDURE CNT_LINEAS_EQUIVALENTES(IDC, TIPOERR, ID, 'L');
    END
    ELSE
    BEGIN
        EXECUTE PROCEDURE CNT_LINEAS(TIPO, ID, FAMILIA, INTERFAZ, IDC, 'L', TIPOERR, NUMERO);
        IF (NIIF_DESDE = 'E') THEN
            EXECUTE PROCEDURE CNT_LINEAS_EQUIVALENTES(IDC, TIPOERR, ID, 'N');
        ELSE IF (NIIF_DESDE = 'G') THEN
            EXECUTE PROCEDURE CNT_LINEAS(TIPO, ID, FAMILIA, INTERFAZ, IDC, 'N', TIPOERR, NUMERO);
        ELSE
            EXECUTE PROCEDURE CNT_ERROR(TIPOERR, ID, 'NIIF', 'La interfaz no tiene cuentas NIIF ni genera NIIF '
                || 'por equivalencia.');
    END

    EXECUTE PROCEDURE CNT_REVISE_CUADRE(IDC, TIPOERR, ID, 'L');
    IF (NIIF_DESDE <> 'N') THEN
        EXECUTE PROCEDURE CNT_REVISE_CUADRE(IDC, TIPOERR, ID, 'N');

    SELECT COUNT(*) FROM ERRORES WHERE ERRO_TIPODOC = :TIPOERR AND ERRO_IDDOC = :ID INTO :ERROR;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_NOTADBPR (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(51, :ID, :INTERFAZ, 'L') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_NOTADBPR_NIIF (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(51, :ID, :INTERFAZ, 'N') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_NOTACRPR (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(52, :ID, :INTERFAZ, 'L') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_NOTACRPR_NIIF (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(52, :ID, :INTERFAZ, 'N') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_APLICAPR (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(53, :ID, :INTERFAZ, 'L') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_APLICAPR_NIIF (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(53, :ID, :INTERFAZ, 'N') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_EGRESO (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(62, :ID, :INTERFAZ, 'L') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

CREATE PROCEDURE CONTABIL_EGRESO_NIIF (ID INTEGER, INTERFAZ INTEGER, OPCION INTEGER)
RETURNS (ERROR INTEGER, VER VARCHAR(1), IDC INTEGER)
AS
BEGIN
    SELECT ERROR, VER, IDC FROM CNT_CONTABILICE(62, :ID, :INTERFAZ, 'N') INTO :ERROR, :VER, :IDC;
    SUSPEND;
END^

/* The cost-centre shares of a charge are keyed by its id alone: a charge
   deleted (an annulled one from its search, or a half-saved one with id 0
   that the user dropped) takes them with it, or they would be left behind
   or handed to the next half-saved charge. */
CREATE TRIGGER NOTAS_DEBITO_PROVEEDOR_CENTROS FOR NOTAS_DEBITO_PROVEEDOR
ACTIVE AFTER DELETE POSITION 30
AS
BEGIN
    DELETE FROM CENTROS_DOCUMENTO WHERE TIDO_COD = 51 AND CEDO_IDDOC = OLD.NDPR_ID;
END^

SET TERM ; ^
