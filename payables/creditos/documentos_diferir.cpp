#include "payables/creditos/documentos_diferir.h"

#include "core/sql/sqltext.h"

namespace ledgrix {

SelectorDocumentosDiferir::SelectorDocumentosDiferir(Tfdm& dm, const QString& nit)
    : SelectorLista(dm, QStringLiteral("Tfbuscdocdiferir"), QStringLiteral("Documentos a Diferir"),
                    {QStringLiteral("Clase"), QStringLiteral("Prefijo"), QStringLiteral("Número"),
                     QStringLiteral("Fecha"), QStringLiteral("Vence"),
                     QStringLiteral("No. Proveedor"), QStringLiteral("Saldo")}),
      nit_(nit.trimmed()) {}

QString SelectorDocumentosDiferir::consulta(const QString& texto) const {
    QString sql = QStringLiteral("select first ") + sql::number(kLineas) +
                  QStringLiteral(
                      " mvpr_tiporef, iif(mvpr_tiporef = 21, 'FACTCOMP', 'CARGOACR'), "
                      "mvpr_prefijo, mvpr_numero, mvpr_fecha, mvpr_vence, mvpr_numprov, "
                      "cast(mvpr_saldo as varchar(24)) from movimiento_proveedor "
                      "where mvpr_tiporef in (21, 51) and mvpr_anulado = 'N' and mvpr_saldo > 0 "
                      "and terc_nit = ") +
                  sql::quoted(nit_);
    if (!texto.isEmpty())
        sql += QStringLiteral(" and (mvpr_prefijo || mvpr_numero containing ") +
               sql::quoted(texto) + QStringLiteral(" or mvpr_numprov containing ") +
               sql::quoted(texto) + QStringLiteral(")");
    return sql + QStringLiteral(" order by mvpr_fecha, mvpr_tiporef, mvpr_prefijo, mvpr_numero");
}

std::optional<SelectorDocumentosDiferir::Documento>
SelectorDocumentosDiferir::pregunte_documento() {
    pregunte();
    const QStringList l = linea_elegida(resultado());
    if (l.isEmpty())
        return std::nullopt;
    return Documento{l.value(0).toInt(), l.value(2).trimmed() + l.value(3).trimmed()};
}

}  // namespace ledgrix
