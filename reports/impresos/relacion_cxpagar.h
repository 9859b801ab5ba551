#pragma once

#include <QDate>

#include "reports/impresos/reporte_impreso.h"

namespace ledgrix {

// "Reporte Cuentas Por Pagar" (Tfrepocxpaga): every open document of the
// suppliers chosen at the cut-off date, or one line per supplier.
class RelacionCxPagar : public ReporteImpreso {
    Q_OBJECT
  public:
    explicit RelacionCxPagar(Tfdm& dm, QObject* parent = nullptr);

    bool detalle = true;              // "Detalle de comprobantes"
    bool diferencia_cambio = false;   // "Diferencia en cambio a hoy"
    bool rangos_vencimiento = false;  // "Rangos de vencimiento"
    QDate vence_desde, vence_hasta;   // the "Incluir" box
    bool incluir_sin_saldo = false;   // "Incluir acreedores sin saldo"

    QString consulta() const override;
    QString proyecto() const override { return QStringLiteral("repcxpcondet"); }
    QString nombre_reporte() const override;
    QString archivo_exportacion() const override { return QStringLiteral("RepCxp"); }

  protected:
    bool valide_propios() override;
};

}  // namespace ledgrix
