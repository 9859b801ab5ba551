#pragma once

#include "reports/impresos/reporte_impreso.h"

namespace ledgrix {

// "Proveedores" (Tfrepoproveedor): the supplier directory read straight
// from the supplier tables, by NIT or by name, as an agenda or as the full
// directory with withholdings and accounts.
class DirectorioProveedores : public ReporteImpreso {
    Q_OBJECT
  public:
    explicit DirectorioProveedores(Tfdm& dm, QObject* parent = nullptr);

    bool agenda = false;             // "Agenda": name and ways to reach him only
    bool incluir_inactivos = false;  // "Incluir inactivos"

    QString consulta() const override;
    QString titulo_predeterminado() const override;
    QString proyecto() const override { return QStringLiteral("repoproveedor"); }
    QString nombre_reporte() const override;
    QString archivo_exportacion() const override { return QStringLiteral("RepProveedores"); }

  private:
    Rango rango_grupos() const;
};

}  // namespace ledgrix
