#pragma once

#include <QSet>
#include <memory>

#include "maintenance/importacion/destino_importacion.h"
#include "maintenance/importacion/sentencia_importacion.h"

namespace ledgrix::importacion {

// Supplier groups: a code already stored gets the file's name, a new one is
// added.
class DestinoGrupos : public DestinoImportacion {
  public:
    bool cargue(const QSqlDatabase& db) override;
    QString revise(const Registro& r) override;
    bool prepare(const QSqlDatabase& db) override;
    bool escriba(const Registro& r) override;
    QString avance(const Registro& r) const override;

  private:
    QSet<QString> grupos_;
    std::unique_ptr<Sentencia> inserte_;
    std::unique_ptr<Sentencia> cambie_;
};

}  // namespace ledgrix::importacion
