/* Payables ledger.

   The position of every document that raises or lowers a debt is data, kept
   by triggers, so that no balance is ever a recomputation over a supplier's
   whole history.

   MOVIMIENTO_PROVEEDOR: one row per document (open position), keyed by type
   and id: purchase invoices 21, purchase returns 24, charges 51, discounts
   52, advances 55, credits payable 57, and sales invoices 31, which vouchers
   cross against what we owe their client. It copies what the registry
   answers with (reference, supplier, dates, currency and rate, supplier's
   number, prompt-payment discount) and holds:
     MVPR_VALOR  the signed amount the balance starts from (0 once annulled);
     MVPR_SALDO  today's balance: MVPR_VALOR less every live settlement;
     MVPR_RTFTE, _RTIVA, _RTICA, _RCREE  withholdings still to be taken when
                 paying (signed like the balance).
   ABONOS_PROVEEDOR: one row per live settling line: a voucher's document
   line (origin 'E', EGRESODETALLE), a cross (origin 'C', EGRECRUCES), an
   application line (origin 'A', APLICACION_PROVEEDOR_DETALLE) or a credit
   payable that took over the document's balance (origin 'R', the
   CREDITO_CXPAGAR header, item 0; see 142_credito_cxpagar.sql), with the
   source's date and what it took off the document: ABPR_VALOR = amount +
   prompt-payment discount + the four withholdings, as the user typed them
   (signed like the document's balance); a credit takes its whole amount.

   Balance of a document at a date = MVPR_VALOR - SUM(ABPR_VALOR up to the
   date), through the foreign key's index (FK_ABONOS_PROVEEDOR_MVPR: a
   document's movements are few, their dates are read from the rows); a
   supplier's balance at a date is the same two sums through the (NIT, date)
   indexes.

   Sign: debt documents (21, 51, 57; and 31 on the receivables side) are
   positive, credit documents (24, 52, 55) negative; documents store positive
   magnitudes and the ledger applies the sign.

   Withholdings: with ("CXPAGAR", "SALDOS", "DESCONTAR RETENCIONES POR
   CAUSACION") not "NO" they were taken when the debt was recorded, so the
   balance starts from the total less withholdings and none remain attached;
   with "NO" the balance starts from the total and the withholdings wait for
   the payment. The choice in force when the document is first recorded is
   kept in MVPR_RETCAUSA, so changing the setting later does not move old
   balances. Sales invoices follow the receivables setting.

   Annulment: an annulled document leaves no balance at any date (MVPR_VALOR
   0). It may be annulled only when nothing live settles it; otherwise the
   payment or application has to be annulled first, so that no movement ever
   points at a document without value. Annulling or deleting a voucher or an
   application, or one of its lines, removes the movements of its lines. A
   live voucher that paid out advances, and such an advance, are annulled
   before they can be deleted (061_...): the advance goes with its voucher.

   Advances: an advance stands at minus its net amount from the moment it is
   stored, paid out or not. The voucher line of type 55 does not settle it:
   it pays it out, and its trigger sets the advance's EGRE_ID to the voucher.
   The registry procedures therefore return -100.00 for an advance of 100.00
   in both states; the client turns it into +100.00 while EGRE_ID is 0 (the
   amount the voucher about to be stored must pay out) and shows -100.00
   once paid (a credit that applications set against invoices: a line of
   -100.00 on the advance and +100.00 on an invoice leaves both at 0).
   Annulling the voucher annuls the advances it paid out.

   Currency: documents keep their amounts in local currency with the rate of
   their own currency; a balance asked in that currency is the local balance
   over that rate. */

CREATE TABLE MOVIMIENTO_PROVEEDOR (
    MVPR_TIPOREF  INTEGER NOT NULL,
    MVPR_IDREF    INTEGER NOT NULL,
    MVPR_PREFIJO  VARCHAR(4),
    MVPR_NUMERO   VARCHAR(8),
    TERC_NIT      VARCHAR(20),
    MVPR_FECHA    DATE NOT NULL,
    MVPR_VENCE    DATE,
    MVPR_MONEDA   INTEGER DEFAULT 1 NOT NULL,
    MVPR_TRM      NUMERIC(15,4) DEFAULT 1 NOT NULL,
    /* Signed document total with VAT, kept while annulled for the record. */
    MVPR_TOTAL    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_VALOR    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_SALDO    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_RTFTE    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_RTIVA    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_RTICA    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_RCREE    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_DTOF     NUMERIC(15,2) DEFAULT 0 NOT NULL,
    MVPR_DTOFECHA DATE,
    MVPR_NUMPROV  VARCHAR(20),
    MVPR_ANULADO  VARCHAR(1) DEFAULT 'N' NOT NULL,
    MVPR_RETCAUSA VARCHAR(1) DEFAULT 'S' NOT NULL,
    CONSTRAINT PK_MOVIMIENTO_PROVEEDOR PRIMARY KEY (MVPR_TIPOREF, MVPR_IDREF),
    CONSTRAINT CK_MOVIMIENTO_PROVEEDOR CHECK (MVPR_ANULADO IN ('S', 'N') AND MVPR_RETCAUSA IN ('S', 'N'))
);

CREATE INDEX IX_MOVIMIENTO_PROVEEDOR_NUM ON MOVIMIENTO_PROVEEDOR (MVPR_TIPOREF, MVPR_PREFIJO, MVPR_NUMERO);
CREATE INDEX IX_MOVIMIENTO_PROVEEDOR_NIT ON MOVIMIENTO_PROVEEDOR (TERC_NIT, MVPR_FECHA);
/* Due lists and schedules look for what falls due. */
CREATE INDEX IX_MOVIMIENTO_PROVEEDOR_VENCE ON MOVIMIENTO_PROVEEDOR (MVPR_VENCE);

CREATE SEQUENCE GEN_ABONOS_PROVEEDOR;

CREATE TABLE ABONOS_PROVEEDOR (
    ABPR_ID      BIGINT NOT NULL,
    ABPR_TIPOREF INTEGER NOT NULL,
    ABPR_IDREF   INTEGER NOT NULL,
    /* The settled document's supplier, copied so that a supplier's balance
       at a date needs no join. */
    TERC_NIT     VARCHAR(20),
    ABPR_FECHA   DATE NOT NULL,
    ABPR_VALOR   NUMERIC(15,2) DEFAULT 0 NOT NULL,
    ABPR_DTOF    NUMERIC(15,2) DEFAULT 0 NOT NULL,
    ABPR_RTFTE   NUMERIC(15,2) DEFAULT 0 NOT NULL,
    ABPR_RTIVA   NUMERIC(15,2) DEFAULT 0 NOT NULL,
    ABPR_RTICA   NUMERIC(15,2) DEFAULT 0 NOT NULL,
    ABPR_RCREE   NUMERIC(15,2) DEFAULT 0 NOT NULL,
    ABPR_ORIGEN  VARCHAR(1) NOT NULL,
    ABPR_IDORI   INTEGER NOT NULL,
    ABPR_ITEMORI INTEGER NOT NULL,
    CONSTRAINT PK_ABONOS_PROVEEDOR PRIMARY KEY (ABPR_ID),
    CONSTRAINT FK_ABONOS_PROVEEDOR_MVPR FOREIGN KEY (ABPR_TIPOREF, ABPR_IDREF)
        REFERENCES MOVIMIENTO_PROVEEDOR (MVPR_TIPOREF, MVPR_IDREF),
    CONSTRAINT CK_ABONOS_PROVEEDOR_ORIGEN CHECK (ABPR_ORIGEN IN ('E', 'C', 'A'))
);

/* No second index by document: every line stored already writes one
   scattered page of the foreign key's index, which finds a document's
   movements as well. */
CREATE INDEX IX_ABONOS_PROVEEDOR_NIT ON ABONOS_PROVEEDOR (TERC_NIT, ABPR_FECHA);
CREATE INDEX IX_ABONOS_PROVEEDOR_ORIGEN ON ABONOS_PROVEEDOR (ABPR_ORIGEN, ABPR_IDORI, ABPR_ITEMORI);

CREATE EXCEPTION E_CXP_DOC_INEXISTENTE 'El documento a abonar no existe.';
CREATE EXCEPTION E_CXP_DOC_ANULADO 'El documento a abonar está anulado.';
CREATE EXCEPTION E_CXP_DOC_CON_ABONOS 'El documento tiene pagos o aplicaciones vigentes. Anúlelos primero.';
CREATE EXCEPTION E_CXP_ANTICIPO_PAGADO 'El anticipo ya fue pagado por otro egreso.';

SET TERM ^ ;

CREATE FUNCTION CXP_SIGNO (TIPO INTEGER)
RETURNS INTEGER
AS
BEGIN
    IF (TIPO IN (21, 51, 57, 31)) THEN
        RETURN 1;
    IF (TIPO IN (24, 52, 55)) THEN
        RETURN -1;
    RETURN 0;
END^

/* 'S' when withholdings are taken as the debt is recorded. Only an explicit
   "NO" says otherwise: the receivables setting may also hold a cut-off date. */
CREATE FUNCTION CXP_RETENCIONES_CAUSADAS (TIPO INTEGER)
RETURNS VARCHAR(1)
AS
DECLARE VALOR VARCHAR(100);
BEGIN
    SELECT CONF_VALOR FROM CONFIGURACION
    WHERE CONF_MODULO = IIF(:TIPO = 31, 'CARTERA', 'CXPAGAR') AND CONF_CATEGORIA = 'SALDOS'
      AND CONF_PROPIEDAD = 'DESCONTAR RETENCIONES POR CAUSACION'
    INTO :VALOR;
    RETURN IIF(UPPER(TRIM(COALESCE(VALOR, ''))) = 'NO', 'N', 'S');
END^

/* An amount of a document in the currency asked: 0 or 1 is the local one;
   the document's own currency uses the document's rate; any other the last
   rate recorded up to the date. Without a rate the local amount stands. */
CREATE FUNCTION CXP_EN_MONEDA (VALOR NUMERIC(15,2), MONEDA_DOC INTEGER, TRM_DOC NUMERIC(15,4),
                               MONEDA INTEGER, FECHA DATE)
RETURNS NUMERIC(15,2)
AS
DECLARE TASA NUMERIC(15,4);
BEGIN
    IF (VALOR IS NULL OR MONEDA IS NULL OR MONEDA IN (0, 1)) THEN
        RETURN VALOR;
    IF (MONEDA = MONEDA_DOC) THEN
        TASA = TRM_DOC;
    ELSE
        SELECT FIRST 1 TACA_VALOR FROM TASA_CAMBIO_MONEDA
        WHERE TIMO_COD = :MONEDA AND TACA_FECHA <= :FECHA
        ORDER BY TACA_FECHA DESC
        INTO :TASA;
    IF (TASA IS NULL OR TASA <= 0) THEN
        RETURN VALOR;
    RETURN ROUND(VALOR / TASA, 2);
END^

/* The figures of one document as its own table holds them, positive
   magnitudes; no row when the document does not exist. The one place that
   knows the columns of every document table. */
CREATE PROCEDURE CXP_FIGURAS_DOCUMENTO (TIPO INTEGER, ID INTEGER)
RETURNS (
    PREFIJO  VARCHAR(4),
    NUMERO   VARCHAR(8),
    NIT      VARCHAR(20),
    FECHA    DATE,
    VENCE    DATE,
    MONEDA   INTEGER,
    TRM      NUMERIC(15,4),
    TOTAL    NUMERIC(15,2),
    RTFTE    NUMERIC(15,2),
    RTIVA    NUMERIC(15,2),
    RTICA    NUMERIC(15,2),
    RCREE    NUMERIC(15,2),
    DTOF     NUMERIC(15,2),
    DTOFECHA DATE,
    NUMPROV  VARCHAR(20),
    ANULADO  VARCHAR(1)
)
AS
BEGIN
    IF (TIPO = 21) THEN
        FOR SELECT PREF_PRE, FACO_NUMERO, TERC_NIT, FACO_FECHA, COALESCE(FACO_VENCE, FACO_FECHA),
                   FACO_MONEDA, FACO_TRM,
                   COALESCE(FACO_MONTO, 0) + COALESCE(FACO_IVAMONTO, 0) + COALESCE(FACO_EXTRA, 0),
                   COALESCE(FACO_RTFTEMONTO, 0), COALESCE(FACO_RTIVAMONTO, 0),
                   COALESCE(FACO_RTICAMONTO, 0), COALESCE(FACO_RTCREEM, 0),
                   COALESCE(FACO_DTOFMONTO, 0), FACO_DTOFECHA, FACO_NUMPROV, FACO_ANULADO
            FROM FACTURAS_COMPRA WHERE FACO_ID = :ID
            INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA,
                 :RTICA, :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO
        DO SUSPEND;
    ELSE IF (TIPO = 24) THEN
        FOR SELECT PREF_PRE, DECO_NUMERO, TERC_NIT, DECO_FECHA, DECO_FECHA, DECO_MONEDA, DECO_TRM,
                   COALESCE(DECO_MONTO, 0) + COALESCE(DECO_IVAMONTO, 0),
                   COALESCE(DECO_RTFTEMONTO, 0), COALESCE(DECO_RTIVAMONTO, 0),
                   COALESCE(DECO_RTICAMONTO, 0), COALESCE(DECO_RTCREEM, 0),
                   0, NULL, DECO_NUMPROV, DECO_ANULADO
            FROM DEVOLUCIONES_COMPRAS WHERE DECO_ID = :ID
            INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA,
                 :RTICA, :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO
        DO SUSPEND;
    ELSE IF (TIPO = 31) THEN
        FOR SELECT PREF_PRE, FACT_NUMERO, TERC_NIT, FACT_FECHA, COALESCE(FACT_VENCE, FACT_FECHA),
                   FACT_MONEDA, FACT_TRM,
                   COALESCE(FACT_MONTO, 0) + COALESCE(FACT_IVAMONTO, 0),
                   COALESCE(FACT_RTFTEMONTO, 0), COALESCE(FACT_RTIVAMONTO, 0),
                   COALESCE(FACT_RTICAMONTO, 0), COALESCE(FACT_RTCREEM, 0),
                   0, NULL, NULL, FACT_ANULADO
            FROM FACTURAS WHERE FACT_ID = :ID
            INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA,
                 :RTICA, :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO
        DO SUSPEND;
    ELSE IF (TIPO = 51) THEN
        FOR SELECT PREF_PRE, NDPR_NUMERO, TERC_NIT, NDPR_FECHA, COALESCE(NDPR_VENCE, NDPR_FECHA),
                   COALESCE(NDPR_MONEDA, 1), COALESCE(NDPR_TRM, 1),
                   COALESCE(NDPR_MONTO, 0) + COALESCE(NDPR_IVAMONTO, 0) + COALESCE(NDPR_EXTRA, 0),
                   COALESCE(NDPR_RTFTEMONTO, 0), COALESCE(NDPR_RTIVAMONTO, 0),
                   COALESCE(NDPR_RTICAMONTO, 0), COALESCE(NDPR_RTCREEM, 0),
                   COALESCE(NDPR_DTOFMONTO, 0), NDPR_DTOFECHA, NDPR_NUMPROV, NDPR_ANULADO
            FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = :ID
            INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA,
                 :RTICA, :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO
        DO SUSPEND;
    ELSE IF (TIPO = 52) THEN
        FOR SELECT PREF_PRE, NCPR_NUMERO, TERC_NIT, NCPR_FECHA, NCPR_FECHA,
                   COALESCE(NCPR_MONEDA, 1), COALESCE(NCPR_TRM, 1),
                   COALESCE(NCPR_MONTO, 0) + COALESCE(NCPR_IVAMONTO, 0) + COALESCE(NCPR_EXTRA, 0),
                   COALESCE(NCPR_RTFTEMONTO, 0), COALESCE(NCPR_RTIVAMONTO, 0),
                   COALESCE(NCPR_RTICAMONTO, 0), COALESCE(NCPR_RTCREEM, 0),
                   COALESCE(NCPR_DTOFMONTO, 0), NCPR_DTOFECHA, NCPR_NUMPROV, NCPR_ANULADO
            FROM NOTAS_CREDITO_PROVEEDOR WHERE NCPR_ID = :ID
            INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA,
                 :RTICA, :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO
        DO SUSPEND;
    ELSE IF (TIPO = 55) THEN
        FOR SELECT PREF_PRE, ANPR_NUMERO, TERC_NIT, ANPR_FECHA, ANPR_FECHA,
                   COALESCE(ANPR_MONEDA, 1), COALESCE(ANPR_TRM, 1),
                   COALESCE(ANPR_BASE, 0) + COALESCE(ANPR_IVAMONTO, 0),
                   COALESCE(ANPR_RTFTEMONTO, 0), COALESCE(ANPR_RTIVAMONTO, 0),
                   COALESCE(ANPR_RTICAMONTO, 0), 0,
                   COALESCE(ANPR_DTOFMONTO, 0), ANPR_DTOFECHA, NULL, ANPR_ANULADO
            FROM ANTICIPOS_PROVEEDOR WHERE ANPR_ID = :ID
            INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA,
                 :RTICA, :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO
        DO SUSPEND;
    ELSE IF (TIPO = 57) THEN
        FOR SELECT CRCX_PREF, CRCX_NUMERO, CRCX_NIT, CRCX_FECHA, COALESCE(CRCX_FECCUOTA1, CRCX_FECHA),
                   1, 1, COALESCE(CRCX_TOTAL, 0), 0, 0, 0, 0, 0, NULL, CRCX_NUMDOC, CRCX_ANULADO
            FROM CREDITO_CXPAGAR WHERE CRCX_ID = :ID
            INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA,
                 :RTICA, :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO
        DO SUSPEND;
END^

/* Brings a document's position in line with its table. The balance moves by
   the change of value only, so a balance that was wrong stays wrong here and
   is left for CHEQUEO_SALDOS_DOC_CXPAGAR to find. */
CREATE PROCEDURE CXP_SINCRONICE_DOCUMENTO (TIPO INTEGER, ID INTEGER)
AS
DECLARE PREFIJO VARCHAR(4);
DECLARE NUMERO VARCHAR(8);
DECLARE NIT VARCHAR(20);
DECLARE FECHA DATE;
DECLARE VENCE DATE;
DECLARE MONEDA INTEGER;
DECLARE TRM NUMERIC(15,4);
DECLARE TOTAL NUMERIC(15,2);
DECLARE RTFTE NUMERIC(15,2);
DECLARE RTIVA NUMERIC(15,2);
DECLARE RTICA NUMERIC(15,2);
DECLARE RCREE NUMERIC(15,2);
DECLARE DTOF NUMERIC(15,2);
DECLARE DTOFECHA DATE;
DECLARE NUMPROV VARCHAR(20);
DECLARE ANULADO VARCHAR(1);
DECLARE SIGNO INTEGER;
DECLARE RETCAUSA VARCHAR(1);
DECLARE VALOR NUMERIC(15,2);
DECLARE VALOR_ANTES NUMERIC(15,2);
DECLARE NIT_ANTES VARCHAR(20);
DECLARE EXISTE INTEGER = 0;
DECLARE ABONADO NUMERIC(15,2);
BEGIN
    SIGNO = CXP_SIGNO(TIPO);
    IF (SIGNO = 0) THEN
        EXIT;
    SELECT PREFIJO, NUMERO, NIT, FECHA, VENCE, MONEDA, TRM, TOTAL, RTFTE, RTIVA, RTICA, RCREE,
           DTOF, DTOFECHA, NUMPROV, ANULADO
    FROM CXP_FIGURAS_DOCUMENTO(:TIPO, :ID)
    INTO :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, :MONEDA, :TRM, :TOTAL, :RTFTE, :RTIVA, :RTICA,
         :RCREE, :DTOF, :DTOFECHA, :NUMPROV, :ANULADO;
    IF (ROW_COUNT = 0) THEN
        EXIT;

    SELECT 1, MVPR_VALOR, MVPR_RETCAUSA, TERC_NIT FROM MOVIMIENTO_PROVEEDOR
    WHERE MVPR_TIPOREF = :TIPO AND MVPR_IDREF = :ID
    INTO :EXISTE, :VALOR_ANTES, :RETCAUSA, :NIT_ANTES;
    IF (EXISTE = 0) THEN
        RETCAUSA = CXP_RETENCIONES_CAUSADAS(TIPO);

    IF (ANULADO = 'S') THEN
    BEGIN
        IF (EXISTS(SELECT 1 FROM ABONOS_PROVEEDOR WHERE ABPR_TIPOREF = :TIPO AND ABPR_IDREF = :ID)) THEN
            EXCEPTION E_CXP_DOC_CON_ABONOS;
        VALOR = 0;
    END
    ELSE IF (RETCAUSA = 'S') THEN
        VALOR = SIGNO * (TOTAL - RTFTE - RTIVA - RTICA - RCREE);
    ELSE
        VALOR = SIGNO * TOTAL;
    IF (RETCAUSA = 'S') THEN
    BEGIN
        RTFTE = 0; RTIVA = 0; RTICA = 0; RCREE = 0;
    END

    IF (EXISTE = 0) THEN
    BEGIN
        SELECT COALESCE(SUM(ABPR_VALOR), 0) FROM ABONOS_PROVEEDOR
        WHERE ABPR_TIPOREF = :TIPO AND ABPR_IDREF = :ID INTO :ABONADO;
        INSERT INTO MOVIMIENTO_PROVEEDOR (MVPR_TIPOREF, MVPR_IDREF, MVPR_PREFIJO, MVPR_NUMERO, TERC_NIT,
            MVPR_FECHA, MVPR_VENCE, MVPR_MONEDA, MVPR_TRM, MVPR_TOTAL, MVPR_VALOR, MVPR_SALDO,
            MVPR_RTFTE, MVPR_RTIVA, MVPR_RTICA, MVPR_RCREE, MVPR_DTOF, MVPR_DTOFECHA, MVPR_NUMPROV,
            MVPR_ANULADO, MVPR_RETCAUSA)
        VALUES (:TIPO, :ID, :PREFIJO, :NUMERO, :NIT, :FECHA, :VENCE, COALESCE(:MONEDA, 1),
            COALESCE(NULLIF(:TRM, 0), 1), :SIGNO * :TOTAL, :VALOR, :VALOR - :ABONADO,
            :SIGNO * :RTFTE, :SIGNO * :RTIVA, :SIGNO * :RTICA, :SIGNO * :RCREE, :SIGNO * :DTOF,
            :DTOFECHA, :NUMPROV, :ANULADO, :RETCAUSA);
    END
    ELSE
    BEGIN
        UPDATE MOVIMIENTO_PROVEEDOR SET
            MVPR_PREFIJO = :PREFIJO, MVPR_NUMERO = :NUMERO, TERC_NIT = :NIT, MVPR_FECHA = :FECHA,
            MVPR_VENCE = :VENCE, MVPR_MONEDA = COALESCE(:MONEDA, 1), MVPR_TRM = COALESCE(NULLIF(:TRM, 0), 1),
            MVPR_TOTAL = :SIGNO * :TOTAL, MVPR_VALOR = :VALOR,
            MVPR_SALDO = MVPR_SALDO + :VALOR - :VALOR_ANTES,
            MVPR_RTFTE = :SIGNO * :RTFTE, MVPR_RTIVA = :SIGNO * :RTIVA, MVPR_RTICA = :SIGNO * :RTICA,
            MVPR_RCREE = :SIGNO * :RCREE, MVPR_DTOF = :SIGNO * :DTOF, MVPR_DTOFECHA = :DTOFECHA,
            MVPR_NUMPROV = :NUMPROV, MVPR_ANULADO = :ANULADO
        WHERE MVPR_TIPOREF = :TIPO AND MVPR_IDREF = :ID;
        IF (NIT IS DISTINCT FROM NIT_ANTES) THEN
            UPDATE ABONOS_PROVEEDOR SET TERC_NIT = :NIT WHERE ABPR_TIPOREF = :TIPO AND ABPR_IDREF = :ID;
    END
END^

CREATE PROCEDURE CXP_QUITE_DOCUMENTO (TIPO INTEGER, ID INTEGER)
AS
BEGIN
    IF (EXISTS(SELECT 1 FROM ABONOS_PROVEEDOR WHERE ABPR_TIPOREF = :TIPO AND ABPR_IDREF = :ID)) THEN
        EXCEPTION E_CXP_DOC_CON_ABONOS;
    DELETE FROM MOVIMIENTO_PROVEEDOR WHERE MVPR_TIPOREF = :TIPO AND MVPR_IDREF = :ID;
END^

CREATE PROCEDURE CXP_REGISTRE_ABONO (ORIGEN VARCHAR(1), IDORI INTEGER, ITEMORI INTEGER,
    TIPO INTEGER, ID INTEGER, FECHA DATE, ABONO NUMERIC(15,2), DTOF NUMERIC(15,2),
    RTFTE NUMERIC(15,2), RTIVA NUMERIC(15,2), RTICA NUMERIC(15,2), RCREE NUMERIC(15,2))
AS
DECLARE NIT VARCHAR(20);
DECLARE ANULADO VARCHAR(1);
DECLARE VALOR NUMERIC(15,2);
BEGIN
    SELECT TERC_NIT, MVPR_ANULADO FROM MOVIMIENTO_PROVEEDOR
    WHERE MVPR_TIPOREF = :TIPO AND MVPR_IDREF = :ID
    INTO :NIT, :ANULADO;
    IF (ROW_COUNT = 0) THEN
        EXCEPTION E_CXP_DOC_INEXISTENTE;
    IF (ANULADO = 'S') THEN
        EXCEPTION E_CXP_DOC_ANULADO;
    DTOF = COALESCE(DTOF, 0);
    RTFTE = COALESCE(RTFTE, 0);
    RTIVA = COALESCE(RTIVA, 0);
    RTICA = COALESCE(RTICA, 0);
    RCREE = COALESCE(RCREE, 0);
    VALOR = COALESCE(ABONO, 0) + DTOF + RTFTE + RTIVA + RTICA + RCREE;
    INSERT INTO ABONOS_PROVEEDOR (ABPR_ID, ABPR_TIPOREF, ABPR_IDREF, TERC_NIT, ABPR_FECHA, ABPR_VALOR,
        ABPR_DTOF, ABPR_RTFTE, ABPR_RTIVA, ABPR_RTICA, ABPR_RCREE, ABPR_ORIGEN, ABPR_IDORI, ABPR_ITEMORI)
    VALUES (NEXT VALUE FOR GEN_ABONOS_PROVEEDOR, :TIPO, :ID, :NIT, :FECHA, :VALOR, :DTOF, :RTFTE,
        :RTIVA, :RTICA, :RCREE, :ORIGEN, :IDORI, :ITEMORI);
    UPDATE MOVIMIENTO_PROVEEDOR SET MVPR_SALDO = MVPR_SALDO - :VALOR
    WHERE MVPR_TIPOREF = :TIPO AND MVPR_IDREF = :ID;
END^

CREATE PROCEDURE CXP_QUITE_ABONOS (ORIGEN VARCHAR(1), IDORI INTEGER, ITEMORI INTEGER)
AS
DECLARE ABPR_ID BIGINT;
DECLARE TIPO INTEGER;
DECLARE ID INTEGER;
DECLARE VALOR NUMERIC(15,2);
BEGIN
    FOR SELECT ABPR_ID, ABPR_TIPOREF, ABPR_IDREF, ABPR_VALOR FROM ABONOS_PROVEEDOR
        WHERE ABPR_ORIGEN = :ORIGEN AND ABPR_IDORI = :IDORI AND ABPR_ITEMORI = :ITEMORI
        INTO :ABPR_ID, :TIPO, :ID, :VALOR
    DO
    BEGIN
        DELETE FROM ABONOS_PROVEEDOR WHERE ABPR_ID = :ABPR_ID;
        UPDATE MOVIMIENTO_PROVEEDOR SET MVPR_SALDO = MVPR_SALDO + :VALOR
        WHERE MVPR_TIPOREF = :TIPO AND MVPR_IDREF = :ID;
    END
END^

SET TERM ; ^

