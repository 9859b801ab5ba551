#include "tests/support/invariantes_cxp.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "core/sql/runner.h"

namespace ledgrix::test {

namespace {

// Every row of a check is one problem: `que` followed by the row's columns.
// A check the database could not run is a problem too, never a silent pass.
void filas(const SqlRunner& sql, const QString& que, const QString& consulta, QStringList& salida) {
    auto q = sql.select(consulta);
    if (!q) {
        salida << que + QStringLiteral(": the check could not run");
        return;
    }
    while (q->next()) {
        QStringList columnas;
        for (int i = 0; i < q->record().count(); ++i)
            columnas << q->value(i).toString();
        salida << que + QStringLiteral(": ") + columnas.join(QLatin1Char(' '));
    }
}

// What a charge is worth in the ledger, from its own columns: total with
// VAT, less the withholdings when they are taken as the debt is recorded.
const char* const kValorCargo =
    "iif(n.NDPR_ANULADO = 'S', 0, coalesce(n.NDPR_MONTO, 0) + coalesce(n.NDPR_IVAMONTO, 0) + "
    "coalesce(n.NDPR_EXTRA, 0) - iif(m.MVPR_RETCAUSA = 'S', coalesce(n.NDPR_RTFTEMONTO, 0) + "
    "coalesce(n.NDPR_RTIVAMONTO, 0) + coalesce(n.NDPR_RTICAMONTO, 0) + coalesce(n.NDPR_RTCREEM, "
    "0), "
    "0))";

QString S(const char* s) {
    return QString::fromLatin1(s);
}

}  // namespace

QStringList numeros_repetidos(const SqlRunner& sql) {
    QStringList p;
    filas(sql, S("number used twice"),
          S("select first 20 PREF_PRE, NDPR_NUMERO, count(*) from NOTAS_DEBITO_PROVEEDOR "
            "group by PREF_PRE, NDPR_NUMERO having count(*) > 1"),
          p);
    filas(sql, S("application number used twice"),
          S("select first 20 PREF_PRE, APPR_NUMERO, count(*) from APLICACION_PROVEDOR "
            "group by PREF_PRE, APPR_NUMERO having count(*) > 1"),
          p);
    return p;
}

QStringList libro_descuadrado(const SqlRunner& sql) {
    QStringList p;
    filas(sql, S("charge without ledger position"),
          S("select first 20 n.NDPR_ID, n.PREF_PRE, n.NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR n "
            "where not exists (select 1 from MOVIMIENTO_PROVEEDOR m where m.MVPR_TIPOREF = 51 "
            "and m.MVPR_IDREF = n.NDPR_ID)"),
          p);
    filas(sql, S("charge worth otherwise in the ledger (id, ledger, document)"),
          S("select first 20 n.NDPR_ID, cast(m.MVPR_VALOR as varchar(24)), cast(") +
              S(kValorCargo) +
              S(" as varchar(24)) from NOTAS_DEBITO_PROVEEDOR n join MOVIMIENTO_PROVEEDOR m on "
                "m.MVPR_TIPOREF = 51 and m.MVPR_IDREF = n.NDPR_ID where m.MVPR_VALOR <> ") +
              S(kValorCargo),
          p);
    filas(sql, S("balance other than value less movements (type, id, balance, value, settled)"),
          S("select first 20 MVPR_TIPOREF, MVPR_IDREF, cast(MVPR_SALDO as varchar(24)), "
            "cast(MVPR_VALOR as varchar(24)), cast(ABONADO as varchar(24)) from (select m.*, "
            "(select coalesce(sum(a.ABPR_VALOR), 0) from ABONOS_PROVEEDOR a where a.ABPR_TIPOREF "
            "= m.MVPR_TIPOREF and a.ABPR_IDREF = m.MVPR_IDREF) ABONADO from MOVIMIENTO_PROVEEDOR "
            "m) where MVPR_SALDO <> MVPR_VALOR - ABONADO"),
          p);
    filas(sql, S("open book other than the open positions (type, id)"),
          S("select first 20 m.MVPR_TIPOREF, m.MVPR_IDREF from MOVIMIENTO_PROVEEDOR m full join "
            "POSICIONES_ABIERTAS a on a.MVPR_TIPOREF = m.MVPR_TIPOREF and a.MVPR_IDREF = "
            "m.MVPR_IDREF where (m.MVPR_SALDO <> 0 or a.MVPR_IDREF is not null) and (a.MVPR_IDREF "
            "is null or m.MVPR_IDREF is null or a.MVPR_SALDO <> m.MVPR_SALDO or a.TERC_NIT is "
            "distinct from m.TERC_NIT or a.MVPR_VENCE is distinct from m.MVPR_VENCE)"),
          p);
    filas(sql, S("ledger position of a missing document"),
          S("select first 20 m.MVPR_TIPOREF, m.MVPR_IDREF from MOVIMIENTO_PROVEEDOR m where not "
            "exists (select 1 from CXP_FIGURAS_DOCUMENTO(m.MVPR_TIPOREF, m.MVPR_IDREF))"),
          p);
    filas(sql, S("live application line without its movement (application, item)"),
          S("select first 20 d.APPR_ID, d.APPD_ITEM from APLICACION_PROVEEDOR_DETALLE d join "
            "APLICACION_PROVEDOR a on a.APPR_ID = d.APPR_ID where a.APPR_ANULADO = 'N' and "
            "d.APPD_ANULADO = 'N' and not exists (select 1 from ABONOS_PROVEEDOR b where "
            "b.ABPR_ORIGEN = 'A' and b.ABPR_IDORI = d.APPR_ID and b.ABPR_ITEMORI = d.APPD_ITEM "
            "and b.ABPR_TIPOREF = d.APPD_TIPODOC and b.ABPR_IDREF = d.APPD_IDDOC and "
            "b.ABPR_VALOR = coalesce(d.APPD_APLICADO, 0) + coalesce(d.APPD_RTFTE, 0) + "
            "coalesce(d.APPD_RTIVA, 0) + coalesce(d.APPD_RTICA, 0) + coalesce(d.APPD_RCREE, 0))"),
          p);
    filas(sql, S("application movement without a live line (application, item)"),
          S("select first 20 b.ABPR_IDORI, b.ABPR_ITEMORI from ABONOS_PROVEEDOR b where "
            "b.ABPR_ORIGEN = 'A' and not exists (select 1 from APLICACION_PROVEEDOR_DETALLE d "
            "join APLICACION_PROVEDOR a on a.APPR_ID = d.APPR_ID where d.APPR_ID = b.ABPR_IDORI "
            "and d.APPD_ITEM = b.ABPR_ITEMORI and a.APPR_ANULADO = 'N' and d.APPD_ANULADO = 'N')"),
          p);
    return p;
}

QStringList documentos_a_medias(const SqlRunner& sql, const ExigenciasCargos& e) {
    QStringList p;
    filas(sql, S("charge applied without its application (id, reference)"),
          S("select first 20 n.NDPR_ID, n.NDPR_NUMAPL from NOTAS_DEBITO_PROVEEDOR n where "
            "n.NDPR_ID > 0 and coalesce(n.NDPR_NUMAPL, '') <> '' and not exists (select 1 from "
            "APLICACION_PROVEEDOR_DETALLE d join APLICACION_PROVEDOR a on a.APPR_ID = d.APPR_ID "
            "where a.APPR_ID > 0 and d.APPD_TIPODOC = 51 and d.APPD_IDDOC = n.NDPR_ID)"),
          p);
    filas(sql, S("application of a missing charge (application, charge)"),
          S("select first 20 d.APPR_ID, d.APPD_IDDOC from APLICACION_PROVEEDOR_DETALLE d where "
            "d.APPD_TIPODOC = 51 and not exists (select 1 from NOTAS_DEBITO_PROVEEDOR n where "
            "n.NDPR_ID = d.APPD_IDDOC)"),
          p);
    filas(sql, S("stored application of a charge without two lines that cancel out"),
          S("select first 20 a.APPR_ID, (select count(*) from APLICACION_PROVEEDOR_DETALLE d "
            "where d.APPR_ID = a.APPR_ID), (select cast(sum(d.APPD_APLICADO) as varchar(24)) "
            "from APLICACION_PROVEEDOR_DETALLE d where d.APPR_ID = a.APPR_ID) from "
            "APLICACION_PROVEDOR a where a.APPR_ID > 0 and a.APPR_CONC starting with "
            "'APLICACION CARGO A ' and ((select count(*) from APLICACION_PROVEEDOR_DETALLE d "
            "where d.APPR_ID = a.APPR_ID) <> 2 or (select sum(d.APPD_APLICADO) from "
            "APLICACION_PROVEEDOR_DETALLE d where d.APPR_ID = a.APPR_ID) <> 0)"),
          p);
    filas(sql, S("cost-centre rows of a missing charge (charge)"),
          S("select first 20 distinct c.CEDO_IDDOC from CENTROS_DOCUMENTO c where c.TIDO_COD = 51 "
            "and not exists (select 1 from NOTAS_DEBITO_PROVEEDOR n where n.NDPR_ID = "
            "c.CEDO_IDDOC)"),
          p);
    if (e.centros)
        filas(sql, S("charge whose cost-centre rows do not add up to its amount (id)"),
              S("select first 20 n.NDPR_ID from NOTAS_DEBITO_PROVEEDOR n where n.NDPR_ID > 0 and "
                "n.NDPR_MONTO is distinct from (select sum(c.CEDO_MONTO) from CENTROS_DOCUMENTO c "
                "where c.TIDO_COD = 51 and c.CEDO_IDDOC = n.NDPR_ID)"),
              p);
    return p;
}

QStringList contabilidad_incompleta(const SqlRunner& sql) {
    QStringList p;
    filas(sql, S("stored charge without ledger voucher (id, prefix, number)"),
          S("select first 20 n.NDPR_ID, n.PREF_PRE, n.NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR n "
            "where n.NDPR_ID > 0 and n.NDPR_ANULADO = 'N' and not exists (select 1 from "
            "COMPROBANTE_ENCABEZADO e where e.ENCO_TIPOREF = 51 and e.ENCO_IDREF = n.NDPR_ID)"),
          p);
    filas(sql, S("ledger voucher of a missing charge (voucher, charge)"),
          S("select first 20 e.ENCO_CONSEC, e.ENCO_IDREF from COMPROBANTE_ENCABEZADO e where "
            "e.ENCO_TIPOREF = 51 and e.ENCO_ANULADO = 'N' and not exists (select 1 from "
            "NOTAS_DEBITO_PROVEEDOR n where n.NDPR_ID = e.ENCO_IDREF)"),
          p);
    for (const char* tabla : {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"}) {
        const QString t = S(tabla);
        filas(
            sql,
            S("charge's voucher without lines or unbalanced in ") + t +
                S(" (charge, lines, debits - credits)"),
            S("select first 20 ENCO_IDREF, LINEAS, cast(DIFERENCIA as varchar(24)) from (select "
              "e.ENCO_IDREF, (select count(*) from ") +
                t +
                S(" d where d.ENCO_CONSEC = e.ENCO_CONSEC) LINEAS, (select "
                  "coalesce(sum(d.CODE_DEBITOS), 0) - coalesce(sum(d.CODE_CREDITOS), 0) from ") +
                t +
                S(" d where d.ENCO_CONSEC = e.ENCO_CONSEC) DIFERENCIA from COMPROBANTE_ENCABEZADO "
                  "e where e.ENCO_TIPOREF = 51) where LINEAS = 0 or DIFERENCIA <> 0"),
            p);
    }
    return p;
}

QStringList problemas_cargos(const SqlRunner& sql, const ExigenciasCargos& e) {
    QStringList p = numeros_repetidos(sql);
    p << libro_descuadrado(sql) << documentos_a_medias(sql, e);
    if (e.contabilizados)
        p << contabilidad_incompleta(sql);
    return p;
}

QStringList medios_de_pago_descuadrados(const SqlRunner& sql) {
    QStringList p;
    filas(
        sql, S("bank line without its live document"),
        S("select first 20 b.EGRE_ID, b.EGBC_TIPOBCO, b.CUBA_COD, b.PRBA_PREF, b.EGBC_NUMERO from "
          "EGREBANCO b "
          "join EGRESOS e on e.EGRE_ID = b.EGRE_ID where b.EGRE_ID <> 0 and e.EGRE_ANULADO = 'N' "
          "and b.EGBC_ANULADO = 'N' and 1 <> iif(b.EGBC_TIPOBCO = 72, "
          "(select count(*) from CHEQUES c where c.CHEQ_TIPOORI = 62 and c.CHEQ_IDORI = b.EGRE_ID "
          "and c.CUBA_COD = b.CUBA_COD and c.PRBA_PREF = b.PRBA_PREF and c.CHEQ_NUMERO = "
          "b.EGBC_NUMERO "
          "and c.CHEQ_ANULADO = 'N' and e.EGRE_TIPOMOVBCO = 'CH' and e.EGRE_IDMOVBCO = c.CHEQ_ID), "
          "(select count(*) from RETIROS r where r.RETI_TIPOORI = 62 and r.RETI_IDORI = b.EGRE_ID "
          "and r.CUBA_COD = b.CUBA_COD and r.PRBA_PREF = b.PRBA_PREF and r.RETI_NUMERO = "
          "b.EGBC_NUMERO "
          "and r.RETI_ANULADO = 'N' and e.EGRE_TIPOMOVBCO = 'RE' and e.EGRE_IDMOVBCO = "
          "r.RETI_ID))"),
        p);
    // An annulled one may outlive its deleted voucher: its number stays spent.
    filas(sql, S("live bank document of a voucher without bank line"),
          S("select first 20 d.TIPO, d.IDORI from (select 72 TIPO, CHEQ_IDORI IDORI from CHEQUES "
            "where CHEQ_TIPOORI = 62 and CHEQ_ANULADO = 'N' union all select 73, RETI_IDORI from "
            "RETIROS where RETI_TIPOORI = 62 and RETI_ANULADO = 'N') d "
            "where not exists (select 1 from EGREBANCO b where b.EGRE_ID = d.IDORI and "
            "b.EGBC_TIPOBCO = d.TIPO)"),
          p);
    filas(
        sql, S("held document handed on without its cash line"),
        S("select first 20 h.DPCA_ID, h.DPCA_IDSAL from DOCUMENTOS_PAGO_CAJA h where "
          "h.DPCA_TIPOSAL = 62 "
          "and not exists (select 1 from EGRECAJA l join EGRESOS e on e.EGRE_ID = l.EGRE_ID "
          "where l.EGRE_ID = h.DPCA_IDSAL and e.EGRE_ANULADO = 'N' and l.EGCA_ANULADO = 'N' "
          "and l.CAJA_ID = h.CAJA_ID and l.FOPA_ID = h.FOPA_ID and l.EGCA_NUMERO = h.DPCA_NUMERO)"),
        p);
    filas(
        sql, S("cash line of a held document not handed on to its voucher"),
        S("select first 20 l.EGRE_ID, l.EGCA_ITEM, l.EGCA_NUMERO from EGRECAJA l "
          "join EGRESOS e on e.EGRE_ID = l.EGRE_ID where l.EGRE_ID <> 0 and l.FOPA_ID <> 1 "
          "and e.EGRE_ANULADO = 'N' and l.EGCA_ANULADO = 'N' and not exists (select 1 from "
          "DOCUMENTOS_PAGO_CAJA h where h.DPCA_TIPOSAL = 62 and h.DPCA_IDSAL = l.EGRE_ID "
          "and h.CAJA_ID = l.CAJA_ID and h.FOPA_ID = l.FOPA_ID and h.DPCA_NUMERO = l.EGCA_NUMERO)"),
        p);
    // Written apart from SALDO_EN_EFECTIVO: every movement in, less every cash line out.
    filas(sql, S("box that checks its cash below zero"),
          S("select first 20 CAJA_ID, EFECTIVO from (select c.CAJA_ID, "
            "(select coalesce(sum(MOCA_VALOR), 0) from MOVIMIENTOS_CAJA m where m.CAJA_ID = "
            "c.CAJA_ID) + "
            "(select coalesce(sum(EGRE_MONTO), 0) from EGRESOS t where t.CAJA_ID = c.CAJA_ID and "
            "t.EGRE_ID <> 0 "
            "and t.EGRE_TIPO = '2' and t.EGRE_ANULADO = 'N') - "
            "(select coalesce(sum(l.EGCA_MONTO), 0) from EGRECAJA l join EGRESOS e on e.EGRE_ID = "
            "l.EGRE_ID "
            "where l.CAJA_ID = c.CAJA_ID and l.EGRE_ID <> 0 and l.FOPA_ID = 1 and l.EGCA_ANULADO = "
            "'N' "
            "and e.EGRE_ANULADO = 'N') EFECTIVO from CAJAS c where c.CAJA_VALEF = 'S') where "
            "EFECTIVO < 0"),
          p);
    return p;
}

}  // namespace ledgrix::test
