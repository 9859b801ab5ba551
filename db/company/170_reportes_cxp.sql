/* Payables reports: the relation of open documents at a cut-off date, its
   per-supplier totals, the aging analysis, one supplier's open documents and
   the list of documents by supplier. The windows add their own filters and
   ORDER BY; order and grouping flags change nothing here.

   Position at a cut-off date C (see 060_libro_cxp.sql for signs):
   - Only documents of types 21, 24, 51, 52, 55, 57 dated up to C. Annulled
     ones never appear (their value is 0). Debts are positive, credits
     (returns, discounts, advances) negative and lower their supplier's total.
   - Balance at C = MVPR_VALOR - movements dated up to C, read as today's
     MVPR_SALDO + movements dated after C: a payment dated after C is not
     counted. Documents with a zero balance at C are left out.
   - RTFTE, RTIVA, RTICA: the withholdings the position still waits for
     (MVPR_RTFTE...) less those the movements up to C took. Positions whose
     withholdings were taken when recorded wait for none: 0.
   - DTOF: the prompt-payment discount still on offer at C: MVPR_DTOF less
     what movements up to C took, while C is not past MVPR_DTOFECHA; else 0.
   - DIAS = C - VENCE: days overdue, negative while not due.
   - Agency: a document belongs to the agency of its series (PREFIJOS.SUCU_ID,
     vouchers by their own series). Agency 0 takes every document; any other
     only the documents of series of that agency, so documents of series
     shared by every agency (SUCU_ID 0) appear only under "all".
   - Currency 0 or 1: every document, amounts in local currency. Any other:
     only documents in that currency, amounts over the document's own rate.
     SALDOME is the balance in the document's currency; TRM its rate.
   - DIFCMB (relation, flag 'S'): for a foreign document, SALDOME at the last
     rate recorded up to today less the local balance; else 0.
   - Suppliers are the PROVEEDORES rows; supplier ranges compare the NIT
     (binary, so "0".."zz" and ''..'ñ' take every NIT of digits and letters),
     names compare case- and accent-insensitively so "0".."ZZ" takes names
     that start with Á or Ñ. Group ranges compare PROVEEDORES.GRPR_COD.
   - The per-supplier reports list every supplier in range, with zeros when
     nothing is open; the windows drop them with "where SALDO <> 0".

   Aging buckets, width d (under 1 counts as 1): with the fall-due flag 'N'
   by days overdue x = C - VENCE, with 'S' by days to fall due x = VENCE - C;
   CORRIENTE x < 0 (not due, or already overdue with 'S'), CERO 0..d,
   TREINTA d+1..2d, SESENTA 2d+1..3d, NOVENTA beyond. Each balance goes in
   exactly one bucket. Consolidated rows carry the largest DIAS of the
   supplier's open documents.

   Speed: one supplier's open documents are one probe of
   IX_POSICIONES_ABIERTAS_NIT; the totals of every supplier at a date
   after which nothing was settled read POSICIONES_ABIERTAS, the open book
   kept apart; never the whole ledger. Documents settled after C
   come from the supplier's movements after C (IX_ABONOS_PROVEEDOR_NIT), and
   a document's own movements are read only when it has something to take
   off (withholdings, discount, movements after C). */


/* The open book on its own: a copy of the open positions' columns the
   totals read, kept by a trigger on the ledger. The whole aging at today
   reads these rows one after the other instead of fetching each open
   position from among every document ever recorded (a page per position). */
CREATE TABLE POSICIONES_ABIERTAS (
    MVPR_TIPOREF  INTEGER NOT NULL,
    MVPR_IDREF    INTEGER NOT NULL,
    TERC_NIT      VARCHAR(20),
    MVPR_PREFIJO  VARCHAR(4),
    MVPR_FECHA    DATE NOT NULL,
    MVPR_VENCE    DATE,
    MVPR_MONEDA   INTEGER NOT NULL,
    MVPR_TRM      NUMERIC(15,4) NOT NULL,
    MVPR_SALDO    NUMERIC(15,2) NOT NULL,
    MVPR_RTFTE    NUMERIC(15,2) NOT NULL,
    MVPR_RTIVA    NUMERIC(15,2) NOT NULL,
    MVPR_RTICA    NUMERIC(15,2) NOT NULL,
    MVPR_DTOF     NUMERIC(15,2) NOT NULL,
    MVPR_DTOFECHA DATE,
    CONSTRAINT PK_POSICIONES_ABIERTAS PRIMARY KEY (MVPR_TIPOREF, MVPR_IDREF)
);

/* A supplier's open documents are one probe. Settling a document removes
   its row and leaves this index alone (the engine tidies it later), so a
   voucher that pays fifty documents writes no page of it; an index over
   the whole ledger keyed on the balance would take a scattered page per
   document settled. */
CREATE INDEX IX_POSICIONES_ABIERTAS_NIT ON POSICIONES_ABIERTAS (TERC_NIT);

SET TERM ^ ;

CREATE TRIGGER MOVIMIENTO_PROVEEDOR_ABIERTAS FOR MOVIMIENTO_PROVEEDOR
ACTIVE AFTER INSERT OR UPDATE OR DELETE POSITION 20
AS
BEGIN
    IF (DELETING) THEN
        DELETE FROM POSICIONES_ABIERTAS
        WHERE MVPR_TIPOREF = OLD.MVPR_TIPOREF AND MVPR_IDREF = OLD.MVPR_IDREF;
    ELSE IF (NEW.MVPR_SALDO = 0) THEN
    BEGIN
        IF (UPDATING) THEN
            DELETE FROM POSICIONES_ABIERTAS
            WHERE MVPR_TIPOREF = OLD.MVPR_TIPOREF AND MVPR_IDREF = OLD.MVPR_IDREF;
    END
    ELSE
        UPDATE OR INSERT INTO POSICIONES_ABIERTAS (MVPR_TIPOREF, MVPR_IDREF, TERC_NIT, MVPR_PREFIJO,
            MVPR_FECHA, MVPR_VENCE, MVPR_MONEDA, MVPR_TRM, MVPR_SALDO, MVPR_RTFTE, MVPR_RTIVA,
            MVPR_RTICA, MVPR_DTOF, MVPR_DTOFECHA)
        VALUES (NEW.MVPR_TIPOREF, NEW.MVPR_IDREF, NEW.TERC_NIT, NEW.MVPR_PREFIJO, NEW.MVPR_FECHA,
            NEW.MVPR_VENCE, NEW.MVPR_MONEDA, NEW.MVPR_TRM, NEW.MVPR_SALDO, NEW.MVPR_RTFTE,
            NEW.MVPR_RTIVA, NEW.MVPR_RTICA, NEW.MVPR_DTOF, NEW.MVPR_DTOFECHA)
        MATCHING (MVPR_TIPOREF, MVPR_IDREF);
END^

SET TERM ; ^

/* Whether anything was settled after a cut-off decides how totals are read. */
CREATE INDEX IX_ABONOS_PROVEEDOR_FECHA ON ABONOS_PROVEEDOR (ABPR_FECHA);

CREATE EXCEPTION E_CXP_COLUMNA_CLAVE
    'La columna de proveedores del reporte debe ser t.terc_nit o t.terc_nom.';

SET TERM ^ ;

/* The suppliers of a range, with what every report shows of them. POR_NOMBRE
   'S' compares the range with the name instead of the NIT; by NIT they come
   in NIT order, which the per-supplier totals are merged on. */
CREATE OR ALTER PROCEDURE CXP_PROVEEDORES_RANGO (DESDE VARCHAR(60), HASTA VARCHAR(60),
    GRUPO_DESDE VARCHAR(20), GRUPO_HASTA VARCHAR(20), POR_NOMBRE VARCHAR(1))
RETURNS (
    NIT       VARCHAR(20),
    NOMBRE    VARCHAR(60),
    DV        VARCHAR(2),
    DIR       VARCHAR(100),
    TELEFONO  VARCHAR(40),
    CONTACTO  VARCHAR(60),
    FAX       VARCHAR(40),
    CEL       VARCHAR(40),
    EMAIL     VARCHAR(100),
    CIUDAD    VARCHAR(40),
    CODCIUD   VARCHAR(5),
    NOMCIUD   VARCHAR(40),
    CODZONA   VARCHAR(2),
    NOMZONA   VARCHAR(60),
    CUPO      NUMERIC(15,2)
)
AS
BEGIN
    IF (POR_NOMBRE = 'S') THEN
        FOR SELECT T.TERC_NIT, T.TERC_NOM, T.TERC_DV, T.TERC_DIR, T.TERC_TEL, T.TERC_CONTACTO, T.TERC_FAX,
                   T.TERC_CEL, T.TERC_EMAIL, COALESCE(C.CIUD_NOM, T.TERC_CIU), T.CIUD_COD, C.CIUD_NOM,
                   P.GRPR_COD, G.GRPR_NOM, P.PROV_CUPO
            FROM PROVEEDORES P
            JOIN TERCEROS T ON T.TERC_NIT = P.TERC_NIT
            LEFT JOIN GRUPOS_PROVEEDORES G ON G.GRPR_COD = P.GRPR_COD
            LEFT JOIN CIUDADES C ON C.CIUD_COD = T.CIUD_COD
            WHERE T.TERC_NOM COLLATE ES_ES_CI_AI >= CAST(:DESDE AS VARCHAR(60)) COLLATE ES_ES_CI_AI
              AND T.TERC_NOM COLLATE ES_ES_CI_AI <= CAST(:HASTA AS VARCHAR(60)) COLLATE ES_ES_CI_AI
              AND P.GRPR_COD BETWEEN :GRUPO_DESDE AND :GRUPO_HASTA
            INTO :NIT, :NOMBRE, :DV, :DIR, :TELEFONO, :CONTACTO, :FAX, :CEL, :EMAIL, :CIUDAD, :CODCIUD,
                 :NOMCIUD, :CODZONA, :NOMZONA, :CUPO
        DO SUSPEND;
    ELSE
        FOR SELECT T.TERC_NIT, T.TERC_NOM, T.TERC_DV, T.TERC_DIR, T.TERC_TEL, T.TERC_CONTACTO, T.TERC_FAX,
                   T.TERC_CEL, T.TERC_EMAIL, COALESCE(C.CIUD_NOM, T.TERC_CIU), T.CIUD_COD, C.CIUD_NOM,
                   P.GRPR_COD, G.GRPR_NOM, P.PROV_CUPO
            FROM PROVEEDORES P
            JOIN TERCEROS T ON T.TERC_NIT = P.TERC_NIT
            LEFT JOIN GRUPOS_PROVEEDORES G ON G.GRPR_COD = P.GRPR_COD
            LEFT JOIN CIUDADES C ON C.CIUD_COD = T.CIUD_COD
            WHERE P.TERC_NIT BETWEEN :DESDE AND :HASTA
              AND P.GRPR_COD BETWEEN :GRUPO_DESDE AND :GRUPO_HASTA
            ORDER BY P.TERC_NIT
            INTO :NIT, :NOMBRE, :DV, :DIR, :TELEFONO, :CONTACTO, :FAX, :CEL, :EMAIL, :CIUDAD, :CODCIUD,
                 :NOMCIUD, :CODZONA, :NOMZONA, :CUPO
        DO SUSPEND;
END^

/* One supplier's open documents at the end of CORTE (rules in the header).
   SALDO and the withholdings are in the currency asked, SALDOLOCAL in local
   currency. */
CREATE OR ALTER PROCEDURE CXP_POSICIONES_CORTE (NIT VARCHAR(20), CORTE DATE, AGENCIA INTEGER,
    MONEDA INTEGER)
RETURNS (
    TIPO       INTEGER,
    ID         INTEGER,
    PREFIJO    VARCHAR(4),
    NUMERO     VARCHAR(8),
    FECDOC     DATE,
    VENCE      DATE,
    SALDO      NUMERIC(15,2),
    SALDOLOCAL NUMERIC(15,2),
    SALDOME    NUMERIC(15,2),
    MONEDADOC  INTEGER,
    TRM        NUMERIC(15,4),
    RTFTE      NUMERIC(15,2),
    RTIVA      NUMERIC(15,2),
    RTICA      NUMERIC(15,2),
    DTOF       NUMERIC(15,2),
    NUMPROV    VARCHAR(20)
)
AS
DECLARE POSTERIORES INTEGER = 0;
DECLARE HOY NUMERIC(15,2);
DECLARE DTOFECHA DATE;
DECLARE DESPUES NUMERIC(15,2);
DECLARE A_RTFTE NUMERIC(15,2);
DECLARE A_RTIVA NUMERIC(15,2);
DECLARE A_RTICA NUMERIC(15,2);
DECLARE A_DTOF NUMERIC(15,2);
DECLARE SUCU INTEGER;
DECLARE TASA NUMERIC(15,4);
BEGIN
    MONEDA = COALESCE(MONEDA, 0);
    AGENCIA = COALESCE(AGENCIA, 0);
    IF (EXISTS(SELECT 1 FROM ABONOS_PROVEEDOR WHERE TERC_NIT = :NIT AND ABPR_FECHA > :CORTE)) THEN
        POSTERIORES = 1;
    FOR SELECT M.MVPR_TIPOREF, M.MVPR_IDREF, M.MVPR_PREFIJO, M.MVPR_NUMERO, M.MVPR_FECHA,
               COALESCE(M.MVPR_VENCE, M.MVPR_FECHA), M.MVPR_SALDO, M.MVPR_MONEDA, M.MVPR_TRM,
               M.MVPR_RTFTE, M.MVPR_RTIVA, M.MVPR_RTICA, M.MVPR_DTOF, M.MVPR_DTOFECHA, M.MVPR_NUMPROV
        FROM POSICIONES_ABIERTAS P
        JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = P.MVPR_TIPOREF AND M.MVPR_IDREF = P.MVPR_IDREF
        WHERE P.TERC_NIT = :NIT AND P.MVPR_FECHA <= :CORTE
          AND P.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
        UNION ALL
        /* Settled today, still open at the cut-off. */
        SELECT M.MVPR_TIPOREF, M.MVPR_IDREF, M.MVPR_PREFIJO, M.MVPR_NUMERO, M.MVPR_FECHA,
               COALESCE(M.MVPR_VENCE, M.MVPR_FECHA), M.MVPR_SALDO, M.MVPR_MONEDA, M.MVPR_TRM,
               M.MVPR_RTFTE, M.MVPR_RTIVA, M.MVPR_RTICA, M.MVPR_DTOF, M.MVPR_DTOFECHA, M.MVPR_NUMPROV
        FROM (SELECT DISTINCT ABPR_TIPOREF, ABPR_IDREF FROM ABONOS_PROVEEDOR
              WHERE TERC_NIT = :NIT AND ABPR_FECHA > :CORTE) A
        JOIN MOVIMIENTO_PROVEEDOR M ON M.MVPR_TIPOREF = A.ABPR_TIPOREF AND M.MVPR_IDREF = A.ABPR_IDREF
        WHERE M.MVPR_SALDO = 0 AND M.MVPR_FECHA <= :CORTE AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
        INTO :TIPO, :ID, :PREFIJO, :NUMERO, :FECDOC, :VENCE, :HOY, :MONEDADOC, :TRM, :RTFTE, :RTIVA,
             :RTICA, :DTOF, :DTOFECHA, :NUMPROV
    DO
    BEGIN
        SUCU = AGENCIA;
        IF (AGENCIA <> 0) THEN
        BEGIN
            SUCU = NULL;
            SELECT SUCU_ID FROM PREFIJOS WHERE TIDO_COD = :TIPO AND PREF_PRE = :PREFIJO INTO :SUCU;
        END
        IF ((MONEDA IN (0, 1) OR MONEDADOC = MONEDA) AND SUCU IS NOT DISTINCT FROM AGENCIA) THEN
        BEGIN
            IF (DTOFECHA IS NULL OR CORTE > DTOFECHA) THEN
                DTOF = 0;
            DESPUES = 0; A_RTFTE = 0; A_RTIVA = 0; A_RTICA = 0; A_DTOF = 0;
            IF (POSTERIORES = 1 OR RTFTE <> 0 OR RTIVA <> 0 OR RTICA <> 0 OR DTOF <> 0) THEN
                SELECT COALESCE(SUM(IIF(ABPR_FECHA > :CORTE, ABPR_VALOR, 0)), 0),
                       COALESCE(SUM(IIF(ABPR_FECHA > :CORTE, 0, ABPR_RTFTE)), 0),
                       COALESCE(SUM(IIF(ABPR_FECHA > :CORTE, 0, ABPR_RTIVA)), 0),
                       COALESCE(SUM(IIF(ABPR_FECHA > :CORTE, 0, ABPR_RTICA)), 0),
                       COALESCE(SUM(IIF(ABPR_FECHA > :CORTE, 0, ABPR_DTOF)), 0)
                FROM ABONOS_PROVEEDOR WHERE ABPR_TIPOREF = :TIPO AND ABPR_IDREF = :ID
                INTO :DESPUES, :A_RTFTE, :A_RTIVA, :A_RTICA, :A_DTOF;
            SALDOLOCAL = HOY + DESPUES;
            IF (SALDOLOCAL <> 0) THEN
            BEGIN
                IF (RTFTE <> 0) THEN RTFTE = RTFTE - A_RTFTE;
                IF (RTIVA <> 0) THEN RTIVA = RTIVA - A_RTIVA;
                IF (RTICA <> 0) THEN RTICA = RTICA - A_RTICA;
                IF (DTOF <> 0) THEN DTOF = DTOF - A_DTOF;
                TASA = IIF(MONEDADOC IN (0, 1) OR TRM IS NULL OR TRM <= 0, 1, TRM);
                SALDOME = IIF(TASA = 1, SALDOLOCAL, ROUND(SALDOLOCAL / TASA, 2));
                SALDO = SALDOLOCAL;
                IF (MONEDA NOT IN (0, 1) AND TASA <> 1) THEN
                BEGIN
                    SALDO = SALDOME;
                    RTFTE = ROUND(RTFTE / TASA, 2);
                    RTIVA = ROUND(RTIVA / TASA, 2);
                    RTICA = ROUND(RTICA / TASA, 2);
                    DTOF = ROUND(DTOF / TASA, 2);
                END
                SUSPEND;
            END
        END
    END
END^

/* Aging bucket of X days (overdue, or to fall due): 0 CORRIENTE (X < 0),
   1 CERO (0..d), 2 TREINTA, 3 SESENTA, 4 NOVENTA (beyond 3d). The whole-book
   totals inline the same formula to stay in the engine's own aggregation. */
CREATE OR ALTER FUNCTION CXP_TRAMO (X INTEGER, RANGO INTEGER)
RETURNS INTEGER
AS
BEGIN
    RETURN IIF(X < 0, 0, MINVALUE(4, 1 + (X - 1) / RANGO));
END^

/* What the relation shows of a document besides its position. */
CREATE OR ALTER PROCEDURE CXP_TEXTOS_DOCUMENTO (TIPO INTEGER, ID INTEGER)
RETURNS (CONCEPTO VARCHAR(60), OBS VARCHAR(200))
AS
BEGIN
    CONCEPTO = NULL;
    OBS = NULL;
    IF (TIPO = 21) THEN
        SELECT FACO_CONC FROM FACTURAS_COMPRA WHERE FACO_ID = :ID INTO :CONCEPTO;
    ELSE IF (TIPO = 24) THEN
        SELECT DECO_CONC FROM DEVOLUCIONES_COMPRAS WHERE DECO_ID = :ID INTO :CONCEPTO;
    ELSE IF (TIPO = 51) THEN
        SELECT NDPR_CONC, CAST(SUBSTRING(NDPR_OBS FROM 1 FOR 200) AS VARCHAR(200))
        FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = :ID INTO :CONCEPTO, :OBS;
    ELSE IF (TIPO = 52) THEN
        SELECT NCPR_CONC, CAST(SUBSTRING(NCPR_OBS FROM 1 FOR 200) AS VARCHAR(200))
        FROM NOTAS_CREDITO_PROVEEDOR WHERE NCPR_ID = :ID INTO :CONCEPTO, :OBS;
    ELSE IF (TIPO = 55) THEN
        SELECT ANPR_CONC, CAST(SUBSTRING(ANPR_OBS FROM 1 FOR 200) AS VARCHAR(200))
        FROM ANTICIPOS_PROVEEDOR WHERE ANPR_ID = :ID INTO :CONCEPTO, :OBS;
    ELSE IF (TIPO = 57) THEN
        SELECT CRCX_CONC FROM CREDITO_CXPAGAR WHERE CRCX_ID = :ID INTO :CONCEPTO;
    SUSPEND;
END^

/* Per-supplier totals of the positions at CORTE, in NIT order, only for
   suppliers with something open. With nothing settled after the cut-off
   (the usual "today") the balance at CORTE is today's, and one grouped walk
   of the open index does it all in the engine; otherwise each supplier's
   positions are summed one by one. CON_RETENCIONES 'N' skips reading the
   withholdings still pending (the aging does not show them). */
CREATE OR ALTER PROCEDURE CXP_TOTALES_PROVEEDORES (DESDE VARCHAR(60), HASTA VARCHAR(60), CORTE DATE,
    AGENCIA INTEGER, MONEDA INTEGER, RANGO INTEGER, POR_VENCER VARCHAR(1), CON_RETENCIONES VARCHAR(1))
RETURNS (
    NIT       VARCHAR(20),
    SALDO     NUMERIC(15,2),
    RTFTE     NUMERIC(15,2),
    RTIVA     NUMERIC(15,2),
    RTICA     NUMERIC(15,2),
    DTOF      NUMERIC(15,2),
    CORRIENTE NUMERIC(15,2),
    CERO      NUMERIC(15,2),
    TREINTA   NUMERIC(15,2),
    SESENTA   NUMERIC(15,2),
    NOVENTA   NUMERIC(15,2),
    DIAS      INTEGER
)
AS
DECLARE D_SALDO NUMERIC(15,2);
DECLARE D_RTFTE NUMERIC(15,2);
DECLARE D_RTIVA NUMERIC(15,2);
DECLARE D_RTICA NUMERIC(15,2);
DECLARE D_DTOF NUMERIC(15,2);
DECLARE D_VENCE DATE;
DECLARE D_DIAS INTEGER;
DECLARE G_NIT VARCHAR(21);
DECLARE T INTEGER;
DECLARE SIGNO INTEGER;
DECLARE LOCAL INTEGER;
DECLARE RETENCIONES INTEGER;
BEGIN
    MONEDA = COALESCE(MONEDA, 0);
    AGENCIA = COALESCE(AGENCIA, 0);
    SIGNO = IIF(POR_VENCER = 'S', -1, 1);
    IF (NOT EXISTS(SELECT 1 FROM ABONOS_PROVEEDOR WHERE ABPR_FECHA > :CORTE)) THEN
    BEGIN
        /* One row per supplier and bucket, folded here: each position's
           amount and bucket are computed once (CXP_TRAMO inlined). The open
           book is read whole and grouped by a sort: walking an index in key
           order instead would read a data page per position. */
        LOCAL = IIF(MONEDA IN (0, 1), 1, 0);
        RETENCIONES = IIF(CON_RETENCIONES = 'S', 1, 0);
        NIT = NULL;
        FOR SELECT M.TERC_NIT || '',
                   IIF(:SIGNO * (:CORTE - M.MVPR_VENCE) < 0, 0,
                       MINVALUE(4, 1 + (:SIGNO * (:CORTE - M.MVPR_VENCE) - 1) / :RANGO)),
                   SUM(IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, M.MVPR_SALDO, ROUND(M.MVPR_SALDO / M.MVPR_TRM, 2))),
                   SUM(IIF(:RETENCIONES = 0 OR M.MVPR_RTFTE = 0, 0, (M.MVPR_RTFTE - (SELECT COALESCE(SUM(A.ABPR_RTFTE), 0)
                       FROM ABONOS_PROVEEDOR A WHERE A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF))
                       / IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, 1, M.MVPR_TRM))),
                   SUM(IIF(:RETENCIONES = 0 OR M.MVPR_RTIVA = 0, 0, (M.MVPR_RTIVA - (SELECT COALESCE(SUM(A.ABPR_RTIVA), 0)
                       FROM ABONOS_PROVEEDOR A WHERE A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF))
                       / IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, 1, M.MVPR_TRM))),
                   SUM(IIF(:RETENCIONES = 0 OR M.MVPR_RTICA = 0, 0, (M.MVPR_RTICA - (SELECT COALESCE(SUM(A.ABPR_RTICA), 0)
                       FROM ABONOS_PROVEEDOR A WHERE A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF))
                       / IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, 1, M.MVPR_TRM))),
                   SUM(IIF(:RETENCIONES = 0 OR M.MVPR_DTOF = 0 OR :CORTE > M.MVPR_DTOFECHA, 0,
                       (M.MVPR_DTOF - (SELECT COALESCE(SUM(A.ABPR_DTOF), 0) FROM ABONOS_PROVEEDOR A
                       WHERE A.ABPR_TIPOREF = M.MVPR_TIPOREF AND A.ABPR_IDREF = M.MVPR_IDREF))
                       / IIF(:LOCAL = 1 OR M.MVPR_TRM <= 0, 1, M.MVPR_TRM))),
                   MAX(:CORTE - M.MVPR_VENCE)
            FROM POSICIONES_ABIERTAS M
            WHERE M.TERC_NIT || '' BETWEEN :DESDE AND :HASTA AND M.MVPR_FECHA <= :CORTE
              AND M.MVPR_TIPOREF + 0 IN (21, 24, 51, 52, 55, 57)
              AND (:LOCAL = 1 OR M.MVPR_MONEDA = :MONEDA)
              AND (:AGENCIA = 0 OR EXISTS(SELECT 1 FROM PREFIJOS X WHERE X.TIDO_COD = M.MVPR_TIPOREF
                                          AND X.PREF_PRE = M.MVPR_PREFIJO AND X.SUCU_ID = :AGENCIA))
            GROUP BY 1, 2
            INTO :G_NIT, :T, :D_SALDO, :D_RTFTE, :D_RTIVA, :D_RTICA, :D_DTOF, :D_DIAS
        DO
        BEGIN
            IF (G_NIT IS DISTINCT FROM NIT) THEN
            BEGIN
                IF (NIT IS NOT NULL) THEN
                BEGIN
                    RTFTE = ROUND(RTFTE, 2); RTIVA = ROUND(RTIVA, 2); RTICA = ROUND(RTICA, 2); DTOF = ROUND(DTOF, 2);
                    SUSPEND;
                END
                NIT = G_NIT;
                SALDO = 0; RTFTE = 0; RTIVA = 0; RTICA = 0; DTOF = 0; DIAS = D_DIAS;
                CORRIENTE = 0; CERO = 0; TREINTA = 0; SESENTA = 0; NOVENTA = 0;
            END
            SALDO = SALDO + D_SALDO; RTFTE = RTFTE + D_RTFTE; RTIVA = RTIVA + D_RTIVA;
            RTICA = RTICA + D_RTICA; DTOF = DTOF + D_DTOF;
            IF (D_DIAS > DIAS) THEN DIAS = D_DIAS;
            IF (T = 0) THEN CORRIENTE = CORRIENTE + D_SALDO;
            ELSE IF (T = 1) THEN CERO = CERO + D_SALDO;
            ELSE IF (T = 2) THEN TREINTA = TREINTA + D_SALDO;
            ELSE IF (T = 3) THEN SESENTA = SESENTA + D_SALDO;
            ELSE NOVENTA = NOVENTA + D_SALDO;
        END
        IF (NIT IS NOT NULL) THEN
        BEGIN
            RTFTE = ROUND(RTFTE, 2); RTIVA = ROUND(RTIVA, 2); RTICA = ROUND(RTICA, 2); DTOF = ROUND(DTOF, 2);
            SUSPEND;
        END
    END
    ELSE
        FOR SELECT TERC_NIT FROM PROVEEDORES WHERE TERC_NIT BETWEEN :DESDE AND :HASTA ORDER BY TERC_NIT INTO :NIT
        DO
        BEGIN
            SALDO = 0; RTFTE = 0; RTIVA = 0; RTICA = 0; DTOF = 0; DIAS = NULL;
            CORRIENTE = 0; CERO = 0; TREINTA = 0; SESENTA = 0; NOVENTA = 0;
            FOR SELECT SALDO, RTFTE, RTIVA, RTICA, DTOF, VENCE
                FROM CXP_POSICIONES_CORTE(:NIT, :CORTE, :AGENCIA, :MONEDA)
                INTO :D_SALDO, :D_RTFTE, :D_RTIVA, :D_RTICA, :D_DTOF, :D_VENCE
            DO
            BEGIN
                SALDO = SALDO + D_SALDO; RTFTE = RTFTE + D_RTFTE; RTIVA = RTIVA + D_RTIVA;
                RTICA = RTICA + D_RTICA; DTOF = DTOF + D_DTOF;
                IF (DIAS IS NULL OR CORTE - D_VENCE > DIAS) THEN
                    DIAS = CORTE - D_VENCE;
                T = CXP_TRAMO(SIGNO * (CORTE - D_VENCE), RANGO);
                IF (T = 0) THEN CORRIENTE = CORRIENTE + D_SALDO;
                ELSE IF (T = 1) THEN CERO = CERO + D_SALDO;
                ELSE IF (T = 2) THEN TREINTA = TREINTA + D_SALDO;
                ELSE IF (T = 3) THEN SESENTA = SESENTA + D_SALDO;
                ELSE NOVENTA = NOVENTA + D_SALDO;
            END
            IF (DIAS IS NOT NULL) THEN
                SUSPEND;
        END
END^

CREATE OR ALTER PROCEDURE REP_CXPAGAR_PROVEEDOR (PROV_DESDE VARCHAR(60), PROV_HASTA VARCHAR(60),
    GRUPO_DESDE VARCHAR(20), GRUPO_HASTA VARCHAR(20), CORTE DATE, ORDEN VARCHAR(1), AGRUPA VARCHAR(1),
    AGENCIA INTEGER, DIFCAMBIO VARCHAR(1), MONEDA INTEGER)
RETURNS (
    NIT        VARCHAR(20),
    NOMBRE     VARCHAR(60),
    TELEFONO   VARCHAR(40),
    CIUDAD     VARCHAR(40),
    CODZONA    VARCHAR(2),
    NOMZONA    VARCHAR(60),
    DV         VARCHAR(2),
    CODCIUD    VARCHAR(5),
    NOMCIUD    VARCHAR(40),
    TIPO       INTEGER,
    ID         INTEGER,
    PREFIJO    VARCHAR(4),
    NUMERO     VARCHAR(8),
    CONCEPTO   VARCHAR(60),
    SALDO      NUMERIC(15,2),
    RTFTE      NUMERIC(15,2),
    RTIVA      NUMERIC(15,2),
    RTICA      NUMERIC(15,2),
    DTOF       NUMERIC(15,2),
    TIPONOM    VARCHAR(30),
    FECDOC     DATE,
    VENCE      DATE,
    DIAS       INTEGER,
    NUMPROV    VARCHAR(20),
    CUPO       NUMERIC(15,2),
    DISPONIBLE NUMERIC(15,2),
    DIFCMB     NUMERIC(15,2),
    OBS        VARCHAR(200),
    SALDOME    NUMERIC(15,2),
    TRM        NUMERIC(15,4)
)
AS
DECLARE SALDOLOCAL NUMERIC(15,2);
DECLARE MONEDADOC INTEGER;
DECLARE TASA_HOY NUMERIC(15,4);
DECLARE MONEDA_TASA INTEGER = -1;
BEGIN
    FOR SELECT NIT, NOMBRE, TELEFONO, CIUDAD, CODZONA, NOMZONA, DV, CODCIUD, NOMCIUD, CUPO
        FROM CXP_PROVEEDORES_RANGO(:PROV_DESDE, :PROV_HASTA, :GRUPO_DESDE, :GRUPO_HASTA, 'N')
        INTO :NIT, :NOMBRE, :TELEFONO, :CIUDAD, :CODZONA, :NOMZONA, :DV, :CODCIUD, :NOMCIUD, :CUPO
    DO
    BEGIN
        DISPONIBLE = 0;
        IF (CUPO <> 0) THEN
            SELECT :CUPO - SALDO FROM SALDO_TERCERO_CXPAGAR(:NIT, :CORTE) INTO :DISPONIBLE;
        FOR SELECT TIPO, ID, PREFIJO, NUMERO, FECDOC, VENCE, SALDO, SALDOLOCAL, SALDOME, MONEDADOC, TRM,
                   RTFTE, RTIVA, RTICA, DTOF, NUMPROV
            FROM CXP_POSICIONES_CORTE(:NIT, :CORTE, :AGENCIA, :MONEDA)
            INTO :TIPO, :ID, :PREFIJO, :NUMERO, :FECDOC, :VENCE, :SALDO, :SALDOLOCAL, :SALDOME, :MONEDADOC,
                 :TRM, :RTFTE, :RTIVA, :RTICA, :DTOF, :NUMPROV
        DO
        BEGIN
            DIAS = CORTE - VENCE;
            TIPONOM = NULL;
            SELECT TIDO_NOMLARGO FROM TIPO_DOCUMENTO WHERE TIDO_COD = :TIPO INTO :TIPONOM;
            SELECT CONCEPTO, OBS FROM CXP_TEXTOS_DOCUMENTO(:TIPO, :ID) INTO :CONCEPTO, :OBS;
            DIFCMB = 0;
            IF (DIFCAMBIO = 'S' AND MONEDADOC NOT IN (0, 1)) THEN
            BEGIN
                IF (MONEDADOC <> MONEDA_TASA) THEN
                BEGIN
                    TASA_HOY = NULL;
                    SELECT FIRST 1 TACA_VALOR FROM TASA_CAMBIO_MONEDA
                    WHERE TIMO_COD = :MONEDADOC AND TACA_FECHA <= CURRENT_DATE
                    ORDER BY TACA_FECHA DESC
                    INTO :TASA_HOY;
                    MONEDA_TASA = MONEDADOC;
                END
                IF (TASA_HOY IS NOT NULL) THEN
                    DIFCMB = ROUND(SALDOME * TASA_HOY, 2) - SALDOLOCAL;
            END
            SUSPEND;
        END
    END
END^

CREATE OR ALTER PROCEDURE REP_CXPAGAR_CONSOLIDADAS (PROV_DESDE VARCHAR(60), PROV_HASTA VARCHAR(60),
    GRUPO_DESDE VARCHAR(20), GRUPO_HASTA VARCHAR(20), CORTE DATE, ORDEN VARCHAR(1), AGRUPA VARCHAR(1),
    AGENCIA INTEGER, MONEDA INTEGER)
RETURNS (
    NIT      VARCHAR(20),
    NOMBRE   VARCHAR(60),
    TELEFONO VARCHAR(40),
    CIUDAD   VARCHAR(40),
    CODZONA  VARCHAR(2),
    NOMZONA  VARCHAR(60),
    DV       VARCHAR(2),
    CODCIUD  VARCHAR(5),
    NOMCIUD  VARCHAR(40),
    SALDO    NUMERIC(15,2),
    RTFTE    NUMERIC(15,2),
    RTIVA    NUMERIC(15,2),
    RTICA    NUMERIC(15,2),
    DTOF     NUMERIC(15,2)
)
AS
DECLARE T_NIT VARCHAR(20);
DECLARE T_SALDO NUMERIC(15,2);
DECLARE T_RTFTE NUMERIC(15,2);
DECLARE T_RTIVA NUMERIC(15,2);
DECLARE T_RTICA NUMERIC(15,2);
DECLARE T_DTOF NUMERIC(15,2);
DECLARE TOTALES CURSOR FOR (SELECT NIT, SALDO, RTFTE, RTIVA, RTICA, DTOF
    FROM CXP_TOTALES_PROVEEDORES(:PROV_DESDE, :PROV_HASTA, :CORTE, :AGENCIA, :MONEDA, 30, 'N', 'S'));
BEGIN
    /* Both lists come in NIT order: totals of suppliers outside the groups
       asked are passed over. */
    OPEN TOTALES;
    FETCH TOTALES INTO :T_NIT, :T_SALDO, :T_RTFTE, :T_RTIVA, :T_RTICA, :T_DTOF;
    IF (ROW_COUNT = 0) THEN T_NIT = NULL;
    FOR SELECT NIT, NOMBRE, TELEFONO, CIUDAD, CODZONA, NOMZONA, DV, CODCIUD, NOMCIUD
        FROM CXP_PROVEEDORES_RANGO(:PROV_DESDE, :PROV_HASTA, :GRUPO_DESDE, :GRUPO_HASTA, 'N')
        INTO :NIT, :NOMBRE, :TELEFONO, :CIUDAD, :CODZONA, :NOMZONA, :DV, :CODCIUD, :NOMCIUD
    DO
    BEGIN
        WHILE (T_NIT IS NOT NULL AND T_NIT < NIT) DO
        BEGIN
            FETCH TOTALES INTO :T_NIT, :T_SALDO, :T_RTFTE, :T_RTIVA, :T_RTICA, :T_DTOF;
            IF (ROW_COUNT = 0) THEN T_NIT = NULL;
        END
        SALDO = 0; RTFTE = 0; RTIVA = 0; RTICA = 0; DTOF = 0;
        IF (T_NIT = NIT) THEN
        BEGIN
            SALDO = T_SALDO; RTFTE = T_RTFTE; RTIVA = T_RTIVA; RTICA = T_RTICA; DTOF = T_DTOF;
        END
        SUSPEND;
    END
    CLOSE TOTALES;
END^

CREATE OR ALTER PROCEDURE REP_ANALISIS_CXPAGAR (PROV_DESDE VARCHAR(60), PROV_HASTA VARCHAR(60),
    GRUPO_DESDE VARCHAR(20), GRUPO_HASTA VARCHAR(20), CORTE DATE, DETALLE VARCHAR(1), ORDEN VARCHAR(1),
    AGRUPA VARCHAR(1), RANGO INTEGER, AGENCIA INTEGER, POR_VENCER VARCHAR(1), MONEDA INTEGER)
RETURNS (
    NIT       VARCHAR(20),
    NOMBRE    VARCHAR(60),
    TELEFONO  VARCHAR(40),
    CIUDAD    VARCHAR(40),
    GRUPO     VARCHAR(2),
    NOMGRUPO  VARCHAR(60),
    TIPO      INTEGER,
    ID        INTEGER,
    PREFIJO   VARCHAR(4),
    NUMERO    VARCHAR(8),
    DIAS      INTEGER,
    SALDO     NUMERIC(15,2),
    CORRIENTE NUMERIC(15,2),
    CERO      NUMERIC(15,2),
    TREINTA   NUMERIC(15,2),
    SESENTA   NUMERIC(15,2),
    NOVENTA   NUMERIC(15,2),
    TIPONOM   VARCHAR(30),
    FECDOC    DATE,
    VENCE     DATE,
    NUMPROV   VARCHAR(20)
)
AS
DECLARE D_SALDO NUMERIC(15,2);
DECLARE T INTEGER;
DECLARE T_NIT VARCHAR(20);
DECLARE T_SALDO NUMERIC(15,2);
DECLARE T_CORRIENTE NUMERIC(15,2);
DECLARE T_CERO NUMERIC(15,2);
DECLARE T_TREINTA NUMERIC(15,2);
DECLARE T_SESENTA NUMERIC(15,2);
DECLARE T_NOVENTA NUMERIC(15,2);
DECLARE T_DIAS INTEGER;
DECLARE TOTALES CURSOR FOR (SELECT NIT, SALDO, CORRIENTE, CERO, TREINTA, SESENTA, NOVENTA, DIAS
    FROM CXP_TOTALES_PROVEEDORES(:PROV_DESDE, :PROV_HASTA, :CORTE, :AGENCIA, :MONEDA, :RANGO, :POR_VENCER, 'N'));
BEGIN
    IF (RANGO IS NULL OR RANGO < 1) THEN
        RANGO = 1;
    T_NIT = NULL;
    IF (DETALLE IS DISTINCT FROM 'S') THEN
    BEGIN
        OPEN TOTALES;
        FETCH TOTALES INTO :T_NIT, :T_SALDO, :T_CORRIENTE, :T_CERO, :T_TREINTA, :T_SESENTA, :T_NOVENTA, :T_DIAS;
        IF (ROW_COUNT = 0) THEN T_NIT = NULL;
    END
    FOR SELECT NIT, NOMBRE, TELEFONO, CIUDAD, CODZONA, NOMZONA
        FROM CXP_PROVEEDORES_RANGO(:PROV_DESDE, :PROV_HASTA, :GRUPO_DESDE, :GRUPO_HASTA, 'N')
        INTO :NIT, :NOMBRE, :TELEFONO, :CIUDAD, :GRUPO, :NOMGRUPO
    DO
    BEGIN
        TIPO = NULL; ID = NULL; PREFIJO = NULL; NUMERO = NULL; DIAS = NULL; TIPONOM = NULL;
        FECDOC = NULL; VENCE = NULL; NUMPROV = NULL;
        SALDO = 0; CORRIENTE = 0; CERO = 0; TREINTA = 0; SESENTA = 0; NOVENTA = 0;
        IF (DETALLE = 'S') THEN
            FOR SELECT TIPO, ID, PREFIJO, NUMERO, FECDOC, VENCE, SALDO, NUMPROV
                FROM CXP_POSICIONES_CORTE(:NIT, :CORTE, :AGENCIA, :MONEDA)
                INTO :TIPO, :ID, :PREFIJO, :NUMERO, :FECDOC, :VENCE, :D_SALDO, :NUMPROV
            DO
            BEGIN
                DIAS = CORTE - VENCE;
                TIPONOM = NULL;
                SELECT TIDO_NOMLARGO FROM TIPO_DOCUMENTO WHERE TIDO_COD = :TIPO INTO :TIPONOM;
                SALDO = D_SALDO; CORRIENTE = 0; CERO = 0; TREINTA = 0; SESENTA = 0; NOVENTA = 0;
                T = CXP_TRAMO(IIF(POR_VENCER = 'S', -DIAS, DIAS), RANGO);
                IF (T = 0) THEN CORRIENTE = D_SALDO;
                ELSE IF (T = 1) THEN CERO = D_SALDO;
                ELSE IF (T = 2) THEN TREINTA = D_SALDO;
                ELSE IF (T = 3) THEN SESENTA = D_SALDO;
                ELSE NOVENTA = D_SALDO;
                SUSPEND;
            END
        ELSE
        BEGIN
            /* Both lists come in NIT order: totals of suppliers outside the
               groups asked are passed over. */
            WHILE (T_NIT IS NOT NULL AND T_NIT < NIT) DO
            BEGIN
                FETCH TOTALES INTO :T_NIT, :T_SALDO, :T_CORRIENTE, :T_CERO, :T_TREINTA, :T_SESENTA, :T_NOVENTA,
                    :T_DIAS;
                IF (ROW_COUNT = 0) THEN T_NIT = NULL;
            END
            IF (T_NIT = NIT) THEN
            BEGIN
                SALDO = T_SALDO; CORRIENTE = T_CORRIENTE; CERO = T_CERO; TREINTA = T_TREINTA;
                SESENTA = T_SESENTA; NOVENTA = T_NOVENTA; DIAS = T_DIAS;
            END
        END
        /* A supplier with nothing open still gets its row of zeros. */
        IF (DETALLE IS DISTINCT FROM 'S' OR TIPO IS NULL) THEN
            SUSPEND;
    END
    IF (DETALLE IS DISTINCT FROM 'S') THEN
        CLOSE TOTALES;
END^

CREATE OR ALTER PROCEDURE CXPAGAR_PROVEEDOR (NIT VARCHAR(20), CORTE DATE, MONEDA INTEGER)
RETURNS (
    TIPO       INTEGER,
    ID         INTEGER,
    PREFIJO    VARCHAR(4),
    NUMERO     VARCHAR(8),
    SALDO      NUMERIC(15,2),
    RTFTE      NUMERIC(15,2),
    RTIVA      NUMERIC(15,2),
    RTICA      NUMERIC(15,2),
    DTOF       NUMERIC(15,2),
    TIPONOM    VARCHAR(30),
    NOMBRE     VARCHAR(60),
    CONCEPTO   VARCHAR(60),
    FECDOC     DATE,
    VENCE      DATE,
    DIAS       INTEGER,
    REFERENCIA VARCHAR(20)
)
AS
DECLARE NUMPROV VARCHAR(20);
BEGIN
    SELECT TERC_NOM FROM TERCEROS WHERE TERC_NIT = :NIT INTO :NOMBRE;
    FOR SELECT TIPO, ID, PREFIJO, NUMERO, SALDO, RTFTE, RTIVA, RTICA, DTOF, FECDOC, VENCE, NUMPROV
        FROM CXP_POSICIONES_CORTE(:NIT, :CORTE, 0, :MONEDA)
        INTO :TIPO, :ID, :PREFIJO, :NUMERO, :SALDO, :RTFTE, :RTIVA, :RTICA, :DTOF, :FECDOC, :VENCE, :NUMPROV
    DO
    BEGIN
        DIAS = CORTE - VENCE;
        TIPONOM = NULL;
        SELECT TIDO_NOMLARGO FROM TIPO_DOCUMENTO WHERE TIDO_COD = :TIPO INTO :TIPONOM;
        SELECT CONCEPTO FROM CXP_TEXTOS_DOCUMENTO(:TIPO, :ID) INTO :CONCEPTO;
        /* The supplier's own number when he gave one, else ours. */
        REFERENCIA = COALESCE(NULLIF(TRIM(NUMPROV), ''), PREFIJO || '-' || NUMERO);
        SUSPEND;
    END
END^

/* The documents of one type (51 charges, 52 discounts, 53 applications, 54
   payment vouchers, 55 advances) of one supplier dated DESDE..HASTA, as
   their tables hold them, annulled ones included. SERIE_TIPO is the type
   whose series gives the agency. */
CREATE OR ALTER PROCEDURE CXP_DOCUMENTOS_DE (TIPO INTEGER, NIT VARCHAR(20), DESDE DATE, HASTA DATE)
RETURNS (
    ID         INTEGER,
    SERIE_TIPO INTEGER,
    PREF       VARCHAR(4),
    NUMERO     VARCHAR(8),
    FECHA      DATE,
    VENCE      DATE,
    CONCEPTO   VARCHAR(60),
    MONTO      NUMERIC(15,2),
    IVAPORC    NUMERIC(15,2),
    IVAMONTO   NUMERIC(15,2),
    RTFTEPORC  NUMERIC(15,2),
    RTFTEMONTO NUMERIC(15,2),
    RTIVAPORC  NUMERIC(15,2),
    RTIVAMONTO NUMERIC(15,2),
    RTICAPORC  NUMERIC(15,2),
    RTICAMONTO NUMERIC(15,2),
    DTOFECHA   DATE,
    DTOPORC    NUMERIC(15,2),
    DTOMONTO   NUMERIC(15,2),
    TOTAL      NUMERIC(15,2),
    NETO       NUMERIC(15,2),
    ANULADO    VARCHAR(1)
)
AS
BEGIN
    SERIE_TIPO = TIPO;
    IF (TIPO = 51) THEN
        FOR SELECT NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, COALESCE(NDPR_VENCE, NDPR_FECHA), NDPR_CONC,
                   COALESCE(NDPR_MONTO, 0), NDPR_IVAPORC, COALESCE(NDPR_IVAMONTO, 0), NDPR_RTFTEPORC,
                   COALESCE(NDPR_RTFTEMONTO, 0), NDPR_RTIVAPORC, COALESCE(NDPR_RTIVAMONTO, 0), NDPR_RTICAPORC,
                   COALESCE(NDPR_RTICAMONTO, 0) + COALESCE(NDPR_RTCREEM, 0), NDPR_DTOFECHA, NDPR_DTOFPORC,
                   COALESCE(NDPR_DTOFMONTO, 0), COALESCE(NDPR_EXTRA, 0), NDPR_ANULADO
            FROM NOTAS_DEBITO_PROVEEDOR WHERE TERC_NIT = :NIT AND NDPR_FECHA BETWEEN :DESDE AND :HASTA
            INTO :ID, :PREF, :NUMERO, :FECHA, :VENCE, :CONCEPTO, :MONTO, :IVAPORC, :IVAMONTO, :RTFTEPORC,
                 :RTFTEMONTO, :RTIVAPORC, :RTIVAMONTO, :RTICAPORC, :RTICAMONTO, :DTOFECHA, :DTOPORC,
                 :DTOMONTO, :TOTAL, :ANULADO
        DO
        BEGIN
            TOTAL = MONTO + IVAMONTO + TOTAL;
            NETO = TOTAL - RTFTEMONTO - RTIVAMONTO - RTICAMONTO;
            SUSPEND;
        END
    ELSE IF (TIPO = 52) THEN
        FOR SELECT NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, NCPR_FECHA, NCPR_CONC,
                   COALESCE(NCPR_MONTO, 0), NCPR_IVAPORC, COALESCE(NCPR_IVAMONTO, 0), NCPR_RTFTEPORC,
                   COALESCE(NCPR_RTFTEMONTO, 0), NCPR_RTIVAPORC, COALESCE(NCPR_RTIVAMONTO, 0), NCPR_RTICAPORC,
                   COALESCE(NCPR_RTICAMONTO, 0) + COALESCE(NCPR_RTCREEM, 0), NCPR_DTOFECHA, NCPR_DTOFPORC,
                   COALESCE(NCPR_DTOFMONTO, 0), COALESCE(NCPR_EXTRA, 0), NCPR_ANULADO
            FROM NOTAS_CREDITO_PROVEEDOR WHERE TERC_NIT = :NIT AND NCPR_FECHA BETWEEN :DESDE AND :HASTA
            INTO :ID, :PREF, :NUMERO, :FECHA, :VENCE, :CONCEPTO, :MONTO, :IVAPORC, :IVAMONTO, :RTFTEPORC,
                 :RTFTEMONTO, :RTIVAPORC, :RTIVAMONTO, :RTICAPORC, :RTICAMONTO, :DTOFECHA, :DTOPORC,
                 :DTOMONTO, :TOTAL, :ANULADO
        DO
        BEGIN
            TOTAL = MONTO + IVAMONTO + TOTAL;
            NETO = TOTAL - RTFTEMONTO - RTIVAMONTO - RTICAMONTO;
            SUSPEND;
        END
    ELSE IF (TIPO = 55) THEN
        FOR SELECT ANPR_ID, PREF_PRE, ANPR_NUMERO, ANPR_FECHA, ANPR_FECHA, ANPR_CONC,
                   COALESCE(ANPR_BASE, 0), ANPR_IVAPORC, COALESCE(ANPR_IVAMONTO, 0), ANPR_RTFTEPORC,
                   COALESCE(ANPR_RTFTEMONTO, 0), ANPR_RTIVAPORC, COALESCE(ANPR_RTIVAMONTO, 0), ANPR_RTICAPORC,
                   COALESCE(ANPR_RTICAMONTO, 0), ANPR_DTOFECHA, ANPR_DTOFPORC, COALESCE(ANPR_DTOFMONTO, 0),
                   ANPR_ANULADO
            FROM ANTICIPOS_PROVEEDOR WHERE TERC_NIT = :NIT AND ANPR_FECHA BETWEEN :DESDE AND :HASTA
            INTO :ID, :PREF, :NUMERO, :FECHA, :VENCE, :CONCEPTO, :MONTO, :IVAPORC, :IVAMONTO, :RTFTEPORC,
                 :RTFTEMONTO, :RTIVAPORC, :RTIVAMONTO, :RTICAPORC, :RTICAMONTO, :DTOFECHA, :DTOPORC,
                 :DTOMONTO, :ANULADO
        DO
        BEGIN
            TOTAL = MONTO + IVAMONTO;
            NETO = TOTAL - RTFTEMONTO - RTIVAMONTO - RTICAMONTO;
            SUSPEND;
        END
    ELSE IF (TIPO = 53) THEN
        /* An application moves no money: its amount is what it set against
           the open documents (its positive lines). */
        FOR SELECT A.APPR_ID, A.PREF_PRE, A.APPR_NUMERO, A.APPR_FECHA, A.APPR_FECHA, A.APPR_CONC,
                   (SELECT COALESCE(SUM(D.APPD_APLICADO), 0) FROM APLICACION_PROVEEDOR_DETALLE D
                    WHERE D.APPR_ID = A.APPR_ID AND D.APPD_APLICADO > 0),
                   A.APPR_ANULADO
            FROM APLICACION_PROVEDOR A WHERE A.TERC_NIT = :NIT AND A.APPR_FECHA BETWEEN :DESDE AND :HASTA
            INTO :ID, :PREF, :NUMERO, :FECHA, :VENCE, :CONCEPTO, :MONTO, :ANULADO
        DO
        BEGIN
            IVAPORC = 0; IVAMONTO = 0; RTFTEPORC = 0; RTFTEMONTO = 0; RTIVAPORC = 0; RTIVAMONTO = 0;
            RTICAPORC = 0; RTICAMONTO = 0; DTOFECHA = NULL; DTOPORC = 0; DTOMONTO = 0;
            TOTAL = MONTO;
            NETO = MONTO;
            SUSPEND;
        END
    ELSE IF (TIPO = 54) THEN
    BEGIN
        /* TOTAL is what the voucher settled, NETO what it paid out. */
        SERIE_TIPO = 62;
        FOR SELECT EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, EGRE_FECHA, EGRE_CONC, COALESCE(EGRE_MONTO, 0),
                   COALESCE(EGRE_RTFTEMONTO, 0), COALESCE(EGRE_RTIVAMONTO, 0),
                   COALESCE(EGRE_RTICAMONTO, 0) + COALESCE(EGRE_RTCREE, 0), COALESCE(EGRE_DTOF, 0), EGRE_ANULADO
            FROM EGRESOS WHERE TERC_NIT = :NIT AND EGRE_FECHA BETWEEN :DESDE AND :HASTA
            INTO :ID, :PREF, :NUMERO, :FECHA, :VENCE, :CONCEPTO, :MONTO, :RTFTEMONTO, :RTIVAMONTO,
                 :RTICAMONTO, :DTOMONTO, :ANULADO
        DO
        BEGIN
            IVAPORC = 0; IVAMONTO = 0; RTFTEPORC = 0; RTIVAPORC = 0; RTICAPORC = 0; DTOFECHA = NULL;
            DTOPORC = 0;
            TOTAL = MONTO + RTFTEMONTO + RTIVAMONTO + RTICAMONTO + DTOMONTO;
            NETO = MONTO;
            SUSPEND;
        END
    END
END^

CREATE OR ALTER PROCEDURE REP_DOCUMENTOS_PROVEEDOR (TIPO INTEGER, FECHA_DESDE DATE, FECHA_HASTA DATE,
    PROV_DESDE VARCHAR(60), PROV_HASTA VARCHAR(60), GRUPO_DESDE VARCHAR(20), GRUPO_HASTA VARCHAR(20),
    COLUMNA VARCHAR(250), DETALLE VARCHAR(1), ORDEN VARCHAR(1), AGRUPA VARCHAR(1), AGENCIA INTEGER)
RETURNS (
    PREF       VARCHAR(4),
    NUMERO     VARCHAR(8),
    FECHA      DATE,
    VENCE      DATE,
    CONCEPTO   VARCHAR(60),
    NIT        VARCHAR(20),
    NOMBRE     VARCHAR(60),
    DV         VARCHAR(2),
    DIR        VARCHAR(100),
    CIUDAD     VARCHAR(40),
    TELEFONO   VARCHAR(40),
    CONTACTO   VARCHAR(60),
    FAX        VARCHAR(40),
    CEL        VARCHAR(40),
    EMAIL      VARCHAR(100),
    ITEM       INTEGER,
    TIPODOC    INTEGER,
    PREFDOC    VARCHAR(4),
    NUMDOC     VARCHAR(8),
    ABONO      NUMERIC(15,2),
    MONTO      NUMERIC(15,2),
    IVAPORC    NUMERIC(15,2),
    IVAMONTO   NUMERIC(15,2),
    RTFTEPORC  NUMERIC(15,2),
    RTFTEMONTO NUMERIC(15,2),
    RTIVAPORC  NUMERIC(15,2),
    RTIVAMONTO NUMERIC(15,2),
    RTICAPORC  NUMERIC(15,2),
    RTICAMONTO NUMERIC(15,2),
    DTOFECHA   DATE,
    DTOPORC    NUMERIC(15,2),
    DTOMONTO   NUMERIC(15,2),
    TOTAL      NUMERIC(15,2),
    NETO       NUMERIC(15,2),
    CODZONA    VARCHAR(2),
    NOMZONA    VARCHAR(60),
    CODCIUD    VARCHAR(5),
    NOMCIUD    VARCHAR(40),
    ANULADO    VARCHAR(1),
    ID         INTEGER
)
AS
DECLARE POR_NOMBRE VARCHAR(1);
DECLARE SERIE_TIPO INTEGER;
DECLARE SUCU INTEGER;
DECLARE LINEAS INTEGER;
BEGIN
    /* The key column arrives as the text of a column, never used as SQL. */
    COLUMNA = LOWER(TRIM(COALESCE(COLUMNA, '')));
    IF (COLUMNA = 't.terc_nit') THEN
        POR_NOMBRE = 'N';
    ELSE IF (COLUMNA = 't.terc_nom') THEN
        POR_NOMBRE = 'S';
    ELSE
        EXCEPTION E_CXP_COLUMNA_CLAVE;
    AGENCIA = COALESCE(AGENCIA, 0);
    FOR SELECT NIT, NOMBRE, DV, DIR, CIUDAD, TELEFONO, CONTACTO, FAX, CEL, EMAIL, CODZONA, NOMZONA, CODCIUD,
               NOMCIUD
        FROM CXP_PROVEEDORES_RANGO(:PROV_DESDE, :PROV_HASTA, :GRUPO_DESDE, :GRUPO_HASTA, :POR_NOMBRE)
        INTO :NIT, :NOMBRE, :DV, :DIR, :CIUDAD, :TELEFONO, :CONTACTO, :FAX, :CEL, :EMAIL, :CODZONA, :NOMZONA,
             :CODCIUD, :NOMCIUD
    DO
        FOR SELECT ID, SERIE_TIPO, PREF, NUMERO, FECHA, VENCE, CONCEPTO, MONTO, IVAPORC, IVAMONTO, RTFTEPORC,
                   RTFTEMONTO, RTIVAPORC, RTIVAMONTO, RTICAPORC, RTICAMONTO, DTOFECHA, DTOPORC, DTOMONTO,
                   TOTAL, NETO, ANULADO
            FROM CXP_DOCUMENTOS_DE(:TIPO, :NIT, :FECHA_DESDE, :FECHA_HASTA)
            INTO :ID, :SERIE_TIPO, :PREF, :NUMERO, :FECHA, :VENCE, :CONCEPTO, :MONTO, :IVAPORC, :IVAMONTO,
                 :RTFTEPORC, :RTFTEMONTO, :RTIVAPORC, :RTIVAMONTO, :RTICAPORC, :RTICAMONTO, :DTOFECHA,
                 :DTOPORC, :DTOMONTO, :TOTAL, :NETO, :ANULADO
        DO
        BEGIN
            SUCU = AGENCIA;
            IF (AGENCIA <> 0) THEN
            BEGIN
                SUCU = NULL;
                SELECT SUCU_ID FROM PREFIJOS WHERE TIDO_COD = :SERIE_TIPO AND PREF_PRE = :PREF INTO :SUCU;
            END
            IF (SUCU IS NOT DISTINCT FROM AGENCIA) THEN
            BEGIN
                ITEM = NULL; TIPODOC = NULL; PREFDOC = NULL; NUMDOC = NULL; ABONO = NULL;
                LINEAS = 0;
                IF (DETALLE = 'S' AND TIPO = 53) THEN
                    FOR SELECT APPD_ITEM, APPD_TIPODOC, APPD_PREFIJO, APPD_NUMERO, APPD_APLICADO
                        FROM APLICACION_PROVEEDOR_DETALLE WHERE APPR_ID = :ID ORDER BY APPD_ITEM
                        INTO :ITEM, :TIPODOC, :PREFDOC, :NUMDOC, :ABONO
                    DO
                    BEGIN
                        LINEAS = LINEAS + 1;
                        SUSPEND;
                    END
                ELSE IF (DETALLE = 'S' AND TIPO = 54) THEN
                    FOR SELECT EGDE_ITEM, EGDE_TIPODOC, EGDE_PREFIJO, EGDE_NUMERO, EGDE_ABONO
                        FROM EGRESODETALLE WHERE EGRE_ID = :ID ORDER BY EGDE_ITEM
                        INTO :ITEM, :TIPODOC, :PREFDOC, :NUMDOC, :ABONO
                    DO
                    BEGIN
                        LINEAS = LINEAS + 1;
                        SUSPEND;
                    END
                IF (LINEAS = 0) THEN
                BEGIN
                    ITEM = NULL; TIPODOC = NULL; PREFDOC = NULL; NUMDOC = NULL; ABONO = NULL;
                    SUSPEND;
                END
            END
        END
END^

SET TERM ; ^
