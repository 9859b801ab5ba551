#pragma once

#include "reports/impresos/reporte_impreso.h"

namespace ledgrix {

// "Retención Por Proveedor" (Tfreporelaprov): what was withheld from each
// supplier over a period, document by document or one line per supplier,
// grouped by city or group.
class RetencionProveedor : public ReporteImpreso {
    Q_OBJECT
  public:
    explicit RetencionProveedor(Tfdm& dm, QObject* parent = nullptr);

    bool detalle = false;  // "Detalle de comprobantes"

    QString consulta() const override;
    QString titulo_predeterminado() const override;
    QString proyecto() const override { return QStringLiteral("reporelaprov"); }
    QString nombre_reporte() const override;
    QString archivo_exportacion() const override { return QStringLiteral("RepRetProv"); }

  protected:
    bool valide_propios() override { return valide_periodo(); }

  private:
    Rango rango_grupos() const;
};

}  // namespace ledgrix
