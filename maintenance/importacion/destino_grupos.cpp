#include "maintenance/importacion/destino_grupos.h"

namespace ledgrix::importacion {

bool DestinoGrupos::cargue(const QSqlDatabase& db) {
    QString error;
    return lea_claves(db, QStringLiteral("select GRPR_COD from GRUPOS_PROVEEDORES"), grupos_,
                      error) ||
           falle(error);
}

QString DestinoGrupos::revise(const Registro& r) {
    const QString codigo = texto(r, "GRPR_COD");
    if (codigo.isEmpty())
        return QStringLiteral("Falta el código del grupo.");
    const QString repetido = repetida(codigo, QStringLiteral("El grupo ") + codigo, r.linea);
    if (!repetido.isEmpty())
        return repetido;
    if (!grupos_.contains(codigo) && texto(r, "GRPR_NOM").isEmpty())
        return QStringLiteral("Falta el nombre del grupo ") + codigo + QLatin1Char('.');
    return {};
}

bool DestinoGrupos::prepare(const QSqlDatabase& db) {
    inserte_ = std::make_unique<Sentencia>(db);
    cambie_ = std::make_unique<Sentencia>(db);
    return (inserte_->prepare(QStringLiteral(
                "insert into GRUPOS_PROVEEDORES (GRPR_COD, GRPR_NOM) values (?, ?)")) ||
            falle(inserte_->error())) &&
           (cambie_->prepare(QStringLiteral("update GRUPOS_PROVEEDORES set GRPR_NOM = "
                                            "coalesce(cast(? as varchar(60)), GRPR_NOM) "
                                            "where GRPR_COD = ?")) ||
            falle(cambie_->error()));
}

bool DestinoGrupos::escriba(const Registro& r) {
    const QString codigo = texto(r, "GRPR_COD");
    if (grupos_.contains(codigo))
        return cambie_->ejecute({texto_o_nulo(r, "GRPR_NOM"), codigo}) || falle(cambie_->error());
    return inserte_->ejecute({codigo, texto(r, "GRPR_NOM")}) || falle(inserte_->error());
}

QString DestinoGrupos::avance(const Registro& r) const {
    return QStringLiteral("Grupo: ") + texto(r, "GRPR_COD");
}

}  // namespace ledgrix::importacion
