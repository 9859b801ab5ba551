#pragma once

#include "reports/impresos/reporte_impreso.h"

namespace ledgrix {

// "Análisis Cuentas por Pagar" (Tfrepoanalisi): the aging of the suppliers
// chosen at the cut-off date, in buckets of the width asked.
class AnalisisImpreso : public ReporteImpreso {
    Q_OBJECT
  public:
    explicit AnalisisImpreso(Tfdm& dm, QObject* parent = nullptr);

    QString ancho;                     // "Rango días:", as typed
    bool detalle = false;              // "Detalle de comprobantes"
    bool por_vencer = false;           // analyse by days to fall due
    bool solo_vencidos = false;        // "Sólo documentos vencidos"
    bool incluir_sin_cartera = false;  // "Incluir clientes sin cartera"

    QString consulta() const override;
    QString proyecto() const override { return QStringLiteral("repoanalisis"); }
    QString nombre_reporte() const override;
    QString archivo_exportacion() const override { return QStringLiteral("RepoAnalisis"); }
    // The report's title, by detail and by the way of analysing.
    QString titulo_reporte() const;

  protected:
    bool valide_propios() override;
    void ajuste(Reporte& reporte) const override;
};

}  // namespace ledgrix
