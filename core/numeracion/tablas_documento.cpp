#include "core/numeracion/tablas_documento.h"

#include <QHash>

namespace ledgrix {
namespace {

TablaDocumento fila(const char* tabla, const char* id, const char* prefijo, const char* numero) {
    return {QString::fromLatin1(tabla), QString::fromLatin1(id), QString::fromLatin1(prefijo),
            QString::fromLatin1(numero)};
}

const QHash<int, TablaDocumento>& tablas() {
    static const QHash<int, TablaDocumento> t = {
        {21, fila("facturas_compra", "faco_id", "pref_pre", "faco_numero")},
        // Sales invoices: a payment voucher crosses them against what it pays.
        {31, fila("facturas", "fact_id", "pref_pre", "fact_numero")},
        {24, fila("devoluciones_compras", "deco_id", "pref_pre", "deco_numero")},
        {51, fila("notas_debito_proveedor", "ndpr_id", "pref_pre", "ndpr_numero")},
        {52, fila("notas_credito_proveedor", "ncpr_id", "pref_pre", "ncpr_numero")},
        {53, fila("aplicacion_provedor", "appr_id", "pref_pre", "appr_numero")},
        {54, fila("pagos_proveedor", "papr_id", "pref_pre", "papr_numero")},
        {55, fila("anticipos_proveedor", "anpr_id", "pref_pre", "anpr_numero")},
        {57, fila("credito_cxpagar", "crcx_id", "crcx_pref", "crcx_numero")},
        {62, fila("egresos", "egre_id", "pref_pre", "egre_numero")},
    };
    return t;
}

}  // namespace

std::optional<TablaDocumento> tabla_documento(int tipo) {
    auto it = tablas().constFind(tipo);
    if (it == tablas().constEnd()) return std::nullopt;
    return *it;
}

}  // namespace ledgrix
