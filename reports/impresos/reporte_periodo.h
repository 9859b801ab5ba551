#pragma once

#include <QStringList>

#include "reports/impresos/reporte_impreso.h"

namespace ledgrix {

// A report by supplier over a period ("Fecha" Desde/Hasta): "detallado"
// document by document or "consolidado" one line per supplier, grouped by
// city or group. The movement and the withholdings by supplier share it.
class ReportePeriodo : public ReporteImpreso {
    Q_OBJECT
  public:
    bool detalle = false;  // "Detalle de comprobantes"

    QString titulo_predeterminado() const override;
    QString nombre_reporte() const override;

  protected:
    // `grupo_minimo`: the lower group limit when the range is left empty.
    ReportePeriodo(Tfdm& dm, QString grupo_minimo, QObject* parent);
    bool valide_propios() override { return valide_periodo(); }
    Rango grupos_periodo() const;
    // The arguments the period procedures start with: supplier and group
    // ranges, the period, the detail, order and grouping flags.
    QStringList argumentos_periodo() const;

  private:
    QString grupo_minimo_;
};

}  // namespace ledgrix
