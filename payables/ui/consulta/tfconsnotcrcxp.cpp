#include "payables/ui/consulta/tfconsnotcrcxp.h"

#include "payables/consulta/consultas_cxp.h"
#include "payables/ui/consulta/tfconsnotdbcxp.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfconsnotcrcxp::Tfconsnotcrcxp(Tfdm& dm, QWidget* parent)
    : Tfconsulta(dm, new ConsultaDescuento(dm), S("Tfconsnotcrcxp"), S("Consulta de descuento"),
                 parent) {
    const QList<Caja> documento = {
        {S("Prefijo:"), S("PREF_PRE")},
        {S("Número:"), S("NCPR_NUMERO")},
        {S("Fecha:"), S("NCPR_FECHA")},
        {S("Concepto:"), S("NCPR_CONC")},
        {S("Factura proveedor:"), S("NCPR_NUMPROV")},
        {S("Tipo soporte:"), S("TIPODS_NOMBRE")},
        {S("Documento soporte:"), S("NCPR_DOCSOPORTE")},
        {S("Tipo de nota:"), S("TIPONE_NOMBRE")},
        {S("Doc. electrónico:"), S("NCPR_NRONCE")},
        {S("Observaciones:"), S("NCPR_OBS")},
    };
    columnas(QList<QList<Caja>>{documento} + Tfconsnotdbcxp::cifras(S("NCPR")));
    termine();
}

}  // namespace ledgrix
