/* Indexes of the document searches. A search lists a million documents by
   one column and shows its first screen: the engine must walk an index in
   the order asked and stop there, never sort the whole table.

   - Names and numbers are searched on their upper form ("upper(col) >=
     upper('text') order by upper(col)"): one expression index each. The
     supplier's name lives in TERCEROS; the documents of the suppliers found
     come through the foreign key's index on TERC_NIT.
   - Dates list newest first, the id breaking ties: a descending index on
     (date, id) gives that order straight away, and bounds a typed date or
     the vouchers' look-back.

   Every index is one more page touched by each insert; the tables indexed
   here take one row per document, not per line. */

CREATE INDEX IX_TERCEROS_NOM_UPPER ON TERCEROS COMPUTED BY (UPPER(TERC_NOM));

CREATE DESCENDING INDEX IX_NOTAS_DEBITO_FECHA ON NOTAS_DEBITO_PROVEEDOR (NDPR_FECHA, NDPR_ID);
CREATE INDEX IX_NOTAS_DEBITO_NUM_UPPER ON NOTAS_DEBITO_PROVEEDOR COMPUTED BY (UPPER(NDPR_NUMERO));

CREATE DESCENDING INDEX IX_NOTAS_CREDITO_FECHA ON NOTAS_CREDITO_PROVEEDOR (NCPR_FECHA, NCPR_ID);
CREATE INDEX IX_NOTAS_CREDITO_NUM_UPPER ON NOTAS_CREDITO_PROVEEDOR COMPUTED BY (UPPER(NCPR_NUMERO));

CREATE DESCENDING INDEX IX_EGRESOS_FECHA ON EGRESOS (EGRE_FECHA, EGRE_ID);
CREATE INDEX IX_EGRESOS_NUM_UPPER ON EGRESOS COMPUTED BY (UPPER(EGRE_NUMERO));
CREATE INDEX IX_EGRESOS_NOMTERC_UPPER ON EGRESOS COMPUTED BY (UPPER(EGRE_NOMTERC));
