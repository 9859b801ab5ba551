#include "payables/ui/consulta/tfconsnotdbcxp.h"

#include "core/data/client_dataset.h"
#include "payables/consulta/consultas_cxp.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

QList<QList<Tfconsulta::Caja>> Tfconsnotdbcxp::cifras(const QString& raiz) {
    const auto c = [&raiz](const char* etiqueta, const char* sufijo) {
        return Caja{S(etiqueta), raiz + S(sufijo)};
    };
    return {
        {c("Monto:", "_MONTO"), c("IVA %:", "_IVAPORC"), c("IVA:", "_IVAMONTO"),
         c("Extra:", "_EXTRA"), Caja{S("Total:"), S("TOTAL")},
         c("Dto. pronto pago:", "_DTOFMONTO")},
        {c("Ret. fuente %:", "_RTFTEPORC"), c("Ret. fuente:", "_RTFTEMONTO"),
         c("Ret. IVA %:", "_RTIVAPORC"), c("Ret. IVA:", "_RTIVAMONTO"),
         c("Ret. ICA ‰:", "_RTICAPORC"), c("Ret. ICA:", "_RTICAMONTO"),
         c("Ret. CREE %:", "_RTCREE"), c("Ret. CREE:", "_RTCREEM"), Caja{S("Neto:"), S("NETO")}}};
}

Tfconsnotdbcxp::Tfconsnotdbcxp(Tfdm& dm, QWidget* parent)
    : Tfconsulta(dm, new ConsultaCargo(dm), S("Tfconsnotdbcxp"), S("Consulta de cargo"), parent) {
    const QList<Caja> documento = {
        {S("Prefijo:"), S("PREF_PRE")},
        {S("Número:"), S("NDPR_NUMERO")},
        {S("Fecha:"), S("NDPR_FECHA")},
        {S("Vence:"), S("NDPR_VENCE")},
        {S("Concepto:"), S("NDPR_CONC")},
        {S("Factura proveedor:"), S("NDPR_NUMPROV")},
        {S("Doc. electrónico:"), S("NDPR_NRONDE")},
        {S("Observaciones:"), S("NDPR_OBS")},
    };
    columnas(QList<QList<Caja>>{documento} + cifras(S("NDPR")));
    auto& cargo = static_cast<ConsultaCargo&>(consulta());
    lineas(S("Centros de costo"), cargo.centros(),
           {{S("PROY_COD"), S("Proyecto")},
            {S("CENT_COD"), S("Centro")},
            {S("CENT_NOM"), S("Nombre")},
            {S("SUBC_COD"), S("Subcentro")},
            {S("CEDO_MONTO"), S("Valor")}},
           {{S("Distribuido:"),
             [&cargo] { return ConsultaDocumento::suma(cargo.centros(), S("CEDO_MONTO")); }}});
    termine();
}

}  // namespace ledgrix
