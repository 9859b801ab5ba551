#include "payments/consultas/consulta_egreso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// A voucher's settling lines (documents paid, crosses) share their layout
// under their own column prefix. A line stored without the document's prefix
// and number takes them from the ledger, which knows every document it settles.
QString abonos(const char* tabla, const char* r) {
    return S("select l.%2_ITEM, t.TIDO_NOMCORTO, coalesce(nullif(l.%2_PREFIJO, ''), "
             "m.MVPR_PREFIJO) %2_PREFIJO, coalesce(nullif(l.%2_NUMERO, ''), m.MVPR_NUMERO) "
             "%2_NUMERO, l.%2_ABONO, l.%2_DTOF, l.%2_RTFTE, l.%2_RTIVA, l.%2_RTICA, l.%2_RCREE "
             "from %1 l left join TIPO_DOCUMENTO t on t.TIDO_COD = l.%2_TIPODOC left join "
             "MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = l.%2_TIPODOC and m.MVPR_IDREF = "
             "l.%2_IDDOC where l.EGRE_ID = %3 order by l.%2_ITEM")
        .arg(S(tabla), S(r), S("%1"));
}

}  // namespace

ConsultaEgreso::ConsultaEgreso(Tfdm& dm, QObject* parent)
    : ConsultaDocumento(
          dm,
          {62, S("EGRESOS"), S("EGRE"),
           S(", decode(d.EGRE_TIPO, '1', 'CUENTA POR PAGAR', '2', 'TRASLADO A CAJA', '3', "
             "'OTROS EGRESOS', '4', 'PRESTAMOS EMPLEADOS', '5', 'PAGO NOMINA') TIPO_NOMBRE, "
             "k.CLEG_NOMBRE, j.CAJA_NOMBRE, d.EGRE_RTFTEMONTO + d.EGRE_RTIVAMONTO + "
             "d.EGRE_RTICAMONTO + d.EGRE_RTCREE RETENCIONES, decode(b.EGBC_TIPOBCO, 72, "
             "'Cheque', 73, 'Retiro') BANCO_DOC, bn.BANC_NOMBRE, cb.CUBA_NUMERO, "
             "b.PRBA_PREF || b.EGBC_NUMERO BANCO_NUMERO, b.EGBC_FECHA, b.EGBC_BENEF, "
             "b.EGBC_MONTO"),
           S("left join CLASES_EGRESO k on k.CLEG_ID = d.CLEG_ID left join CAJAS j on "
             "j.CAJA_ID = d.CAJA_ID left join EGREBANCO b on b.EGRE_ID = d.EGRE_ID left join "
             "CUENTAS_BANCOS cb on cb.CUBA_COD = b.CUBA_COD left join BANCOS bn on bn.BANC_COD = "
             "cb.BANC_COD")},
          parent) {
    documentos_ = &agregue_lineas(S("Documentos"), abonos("EGRESODETALLE", "EGDE"));
    cruces_ = &agregue_lineas(S("Cruces"), abonos("EGRECRUCES", "EGCC"));
    caja_ = &agregue_lineas(
        S("Caja"),
        S("select c.EGCA_ITEM, j.CAJA_NOMBRE, f.FOPA_NOM, c.EGCA_BANCO, c.EGCA_CUENTA, "
          "c.EGCA_NUMERO, c.EGCA_FECHA, c.EGCA_MONTO from EGRECAJA c left join CAJAS j on "
          "j.CAJA_ID = c.CAJA_ID left join FORMAS_PAGO f on f.FOPA_ID = c.FOPA_ID where "
          "c.EGRE_ID = %1 order by c.EGCA_ITEM"));
}

}  // namespace ledgrix
