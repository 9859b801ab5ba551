#include "parties/selectores/selector_proveedores.h"

#include "core/sql/sqltext.h"

namespace ledgrix {

SelectorProveedores::SelectorProveedores(Tfdm& dm)
    : SelectorLista(dm, QStringLiteral("Tfbuscprove"), QStringLiteral("Búsqueda de Acreedores"),
                    {QStringLiteral("Nit"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                     QStringLiteral("Teléfono")}) {}

QString SelectorProveedores::consulta(const QString& texto) const {
    QString sql = QStringLiteral("select first ") + sql::number(kLineas) +
                  QStringLiteral(
                      " t.terc_nit, t.terc_nit, t.terc_nom, t.terc_ciu, t.terc_tel "
                      "from terceros t join proveedores p on p.terc_nit = t.terc_nit "
                      "where t.terc_prov = 'S' and t.terc_estado = 'S'");
    if (!texto.isEmpty())
        sql += QStringLiteral(" and (t.terc_nit containing ") + sql::quoted(texto) +
               QStringLiteral(" or t.terc_nom containing ") + sql::quoted(texto) +
               QStringLiteral(")");
    return sql + QStringLiteral(" order by t.terc_nom, t.terc_nit");
}

}  // namespace ledgrix
