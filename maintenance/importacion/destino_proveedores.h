#pragma once

#include <QSet>
#include <memory>

#include "maintenance/importacion/destino_importacion.h"
#include "maintenance/importacion/sentencia_importacion.h"

namespace ledgrix::importacion {

// Suppliers: the third party and its supplier row. A NIT already stored is
// updated with what the file brings (items it leaves empty keep their
// value), never added twice; a new NIT becomes an active third party marked
// as supplier, with its check digit.
class DestinoProveedores : public DestinoImportacion {
  public:
    DestinoProveedores(QString usuario, const QList<ColumnaDato>& columnas);

    bool cargue(const QSqlDatabase& db) override;
    QString revise(const Registro& r) override;
    bool prepare(const QSqlDatabase& db) override;
    bool escriba(const Registro& r) override;
    QString avance(const Registro& r) const override;

  private:
    QString nombre(const Registro& r) const;

    QString usuario_;
    bool con_banco_ = false;  // bank items are imported
    QSet<QString> terceros_, proveedores_, grupos_, tipos_id_, bancos_;
    std::unique_ptr<Sentencia> inserte_tercero_, cambie_tercero_;
    std::unique_ptr<Sentencia> inserte_proveedor_, cambie_proveedor_;
};

}  // namespace ledgrix::importacion
