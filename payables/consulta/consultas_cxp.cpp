#include "payables/consulta/consultas_cxp.h"

namespace ledgrix {

namespace {

// TOTAL and NETO as the document windows compute them.
QString cifras(const QString& r) {
    const QString total = QStringLiteral("d.%1_MONTO + d.%1_IVAMONTO + d.%1_EXTRA").arg(r);
    return QStringLiteral(
               ", %2 TOTAL, %2 - d.%1_RTFTEMONTO - d.%1_RTIVAMONTO - d.%1_RTICAMONTO "
               "- d.%1_RTCREEM NETO")
        .arg(r, total);
}

}  // namespace

ConsultaCargo::ConsultaCargo(Tfdm& dm, QObject* parent)
    : ConsultaDocumento(dm,
                        {51,
                         QStringLiteral("NOTAS_DEBITO_PROVEEDOR"),
                         QStringLiteral("NDPR"),
                         cifras(QStringLiteral("NDPR")),
                         {}},
                        parent) {
    centros_ = &agregue_lineas(
        QStringLiteral("Centros"),
        QStringLiteral("select c.PROY_COD, c.CENT_COD, n.CENT_NOM, c.SUBC_COD, c.CEDO_MONTO from "
                       "CENTROS_DOCUMENTO c left join CENTROS n on n.PROY_COD = c.PROY_COD and "
                       "n.CENT_COD = c.CENT_COD where c.TIDO_COD = 51 and c.CEDO_IDDOC = %1 "
                       "order by c.CEDO_ITEM"));
}

ConsultaDescuento::ConsultaDescuento(Tfdm& dm, QObject* parent)
    : ConsultaDocumento(
          dm,
          {52, QStringLiteral("NOTAS_CREDITO_PROVEEDOR"), QStringLiteral("NCPR"),
           cifras(QStringLiteral("NCPR")) +
               QStringLiteral(", s.TIDO_NOMLARGO TIPODS_NOMBRE, k.NCTI_NOMBRE TIPONE_NOMBRE"),
           QStringLiteral(
               "left join TIPO_DOCUMENTO s on s.TIDO_COD = d.NCPR_TIPODS left join "
               "NOTAS_CARTERA_TIPOS k on k.NCTI_ID = d.NCPR_TIPONE and k.TIDO_COD = 52")},
          parent) {}

}  // namespace ledgrix
