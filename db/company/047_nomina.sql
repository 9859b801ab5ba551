/* What the payroll module leaves behind about the payment vouchers it
   produced: a loan to an employee paid out by a voucher, and the vouchers
   of a payroll payment. That module owns these tables and their other
   columns; here they only tell that such a voucher is annulled there, not
   from the voucher search. */

CREATE TABLE PRESTAMO_NOMINA (
    PRNO_ID     INTEGER NOT NULL,
    /* The voucher that paid the loan out; 0 while it is not paid. */
    PRNO_PAGOID INTEGER DEFAULT 0 NOT NULL,
    CONSTRAINT PK_PRESTAMO_NOMINA PRIMARY KEY (PRNO_ID)
);

CREATE INDEX IX_PRESTAMO_NOMINA_PAGO ON PRESTAMO_NOMINA (PRNO_PAGOID);

CREATE TABLE PAGO_NOMINA_EGRESOS (
    PGNO_ID INTEGER NOT NULL,
    EGRE_ID INTEGER NOT NULL,
    CONSTRAINT PK_PAGO_NOMINA_EGRESOS PRIMARY KEY (PGNO_ID, EGRE_ID)
);

CREATE INDEX IX_PAGO_NOMINA_EGRESOS_EGRE ON PAGO_NOMINA_EGRESOS (EGRE_ID);
