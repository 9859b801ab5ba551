#include "payments/ui/consultas/tfconsegreso.h"

#include "payments/consultas/consulta_egreso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// The columns of a settling list (documents paid, crosses) under its prefix.
QList<std::pair<QString, QString>> abonos(const QString& r) {
    return {{S("TIDO_NOMCORTO"), S("Tipo")},  {r + S("_PREFIJO"), S("Prefijo")},
            {r + S("_NUMERO"), S("Número")},  {r + S("_ABONO"), S("Abono")},
            {r + S("_DTOF"), S("Dto. fin.")}, {r + S("_RTFTE"), S("Ret. fuente")},
            {r + S("_RTIVA"), S("Ret. IVA")}, {r + S("_RTICA"), S("Ret. ICA")},
            {r + S("_RCREE"), S("Ret. CREE")}};
}

}  // namespace

Tfconsegreso::Tfconsegreso(Tfdm& dm, QWidget* parent)
    : Tfconsulta(dm, new ConsultaEgreso(dm), S("Tfconsegreso"), S("Consulta de egreso"), parent) {
    columnas({{{S("Prefijo:"), S("PREF_PRE")},
               {S("Número:"), S("EGRE_NUMERO")},
               {S("Fecha:"), S("EGRE_FECHA")},
               {S("Tipo:"), S("TIPO_NOMBRE")},
               {S("Clase:"), S("CLEG_NOMBRE")},
               {S("Beneficiario:"), S("EGRE_NOMTERC")},
               {S("Concepto:"), S("EGRE_CONC")},
               {S("Caja destino:"), S("CAJA_NOMBRE")},
               {S("Observaciones:"), S("EGRE_OBS")}},
              {{S("Total pagado:"), S("EGRE_MONTO")},
               {S("Ret. fuente:"), S("EGRE_RTFTEMONTO")},
               {S("Ret. IVA:"), S("EGRE_RTIVAMONTO")},
               {S("Ret. ICA:"), S("EGRE_RTICAMONTO")},
               {S("Ret. CREE:"), S("EGRE_RTCREE")},
               {S("Retenciones:"), S("RETENCIONES")},
               {S("Dto. financiero:"), S("EGRE_DTOF")},
               {S("Excedente:"), S("EGRE_EXCEDENTE")}},
              {{S("Banco:"), S("BANCO_DOC")},
               {S("Entidad:"), S("BANC_NOMBRE")},
               {S("Cuenta:"), S("CUBA_NUMERO")},
               {S("Número:"), S("BANCO_NUMERO")},
               {S("Fecha banco:"), S("EGBC_FECHA")},
               {S("Girado a:"), S("EGBC_BENEF")},
               {S("Valor banco:"), S("EGBC_MONTO")}}});
    auto& egreso = static_cast<ConsultaEgreso&>(consulta());
    const auto total = [](ClientDataset& ds, const QString& campo) {
        return [&ds, campo] { return ConsultaDocumento::suma(ds, campo); };
    };
    lineas(S("Documentos pagados"), egreso.documentos(), abonos(S("EGDE")),
           {{S("Abonado:"), total(egreso.documentos(), S("EGDE_ABONO"))}});
    lineas(S("Cruces"), egreso.cruces(), abonos(S("EGCC")),
           {{S("Cruzado:"), total(egreso.cruces(), S("EGCC_ABONO"))}});
    lineas(S("Caja"), egreso.caja(),
           {{S("CAJA_NOMBRE"), S("Caja")},
            {S("FOPA_NOM"), S("Forma de pago")},
            {S("EGCA_BANCO"), S("Banco")},
            {S("EGCA_CUENTA"), S("Cuenta")},
            {S("EGCA_NUMERO"), S("Número")},
            {S("EGCA_FECHA"), S("Fecha")},
            {S("EGCA_MONTO"), S("Valor")}},
           {{S("Efectivo y documentos:"), total(egreso.caja(), S("EGCA_MONTO"))}});
    termine();
}

}  // namespace ledgrix
