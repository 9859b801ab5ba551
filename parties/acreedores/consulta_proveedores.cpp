#include "parties/acreedores/consulta_proveedores.h"

#include "core/sql/sqltext.h"

namespace ledgrix {

namespace {

const QString kBase = QStringLiteral(
    "select T.TERC_NIT, TERC_NOM, TERC_CIU, TERC_TEL, PROV_COD, PROV_SIMPLIFICADO, "
    "TERC_CONTACTO, TERC_ESTADO, GRPR_COD from terceros T, PROVEEDORES P where t.terc_nit = "
    "P.terc_nit and terc_PROV = 'S' ");

QString columna(CriterioProveedores::Columna c) {
    switch (c) {
        case CriterioProveedores::Columna::Nit:
            return QStringLiteral("t.terc_nit");
        case CriterioProveedores::Columna::Codigo:
            return QStringLiteral("prov_cod");
        case CriterioProveedores::Columna::Contacto:
            return QStringLiteral("terc_contacto");
        case CriterioProveedores::Columna::Nombre:
            break;
    }
    return QStringLiteral("terc_nom");
}

QString contiene(const QString& col, const QString& texto) {
    return QStringLiteral(" and upper(") + col + QStringLiteral(") like upper(") +
           sql::quoted(QStringLiteral("%") + texto + QStringLiteral("%")) + QStringLiteral(") ");
}

QString activos(bool inactivos) {
    return inactivos ? QString() : QStringLiteral("AND TERC_ESTADO = 'S' ");
}

}  // namespace

QString consulta_proveedores(const CriterioProveedores& criterio) {
    const QString col = columna(criterio.columna);
    QString sql = kBase;
    if (!criterio.texto.isEmpty())
        sql += criterio.contiene
                   ? contiene(col, criterio.texto)
                   : QStringLiteral(" and upper(") + col + QStringLiteral(") >= upper(") +
                         sql::quoted(criterio.texto) + QStringLiteral(") ");
    return sql + activos(criterio.inactivos) + QStringLiteral("order by ") + col;
}

QString consulta_proveedores_por_nombre(const QString& texto, bool inactivos) {
    return kBase + contiene(QStringLiteral("TERC_NOM"), texto) + activos(inactivos) +
           QStringLiteral("order by terc_nom");
}

}  // namespace ledgrix
