#pragma once

#include "reports/impresos/reporte_impreso.h"

namespace ledgrix {

// The payables vouchers of the ticked kinds, in consecutive order
// ("Comprobantes Consecutivo", by prefix and number) or in date order
// ("Comprobantes Cronologicos", over a period). Both windows share this
// logic; only the statement and the report's name depend on the order.
class ListadoComprobantes : public ReporteImpreso {
    Q_OBJECT
  public:
    enum class Orden { Consecutivo, Cronologico };
    ListadoComprobantes(Tfdm& dm, Orden orden, QObject* parent = nullptr);

    bool notas_debito = false;   // 1
    bool notas_credito = false;  // 2
    bool aplicaciones = false;   // 4
    bool anticipos = false;      // 8
    // "Detalle de comprobantes": the lines of each application, and only
    // applications have lines, so the mask becomes 4 whatever is ticked.
    bool detalle = false;
    bool anulados = false;
    Rango prefijos;  // "Rango de prefijos"
    Rango numeros;   // "Rango de números" (consecutive order only)

    Orden orden() const { return orden_; }
    int mascara() const;

    QString consulta() const override;
    QString titulo_predeterminado() const override;
    QString proyecto() const override { return QStringLiteral("repocomprobantes"); }
    QString nombre_reporte() const override;
    QString archivo_exportacion() const override;

  protected:
    bool valide_propios() override;

  private:
    QString consecutiva() const;
    QString cronologica() const;
    const Orden orden_;
};

}  // namespace ledgrix
