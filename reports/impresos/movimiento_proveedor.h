#pragma once

#include "reports/impresos/reporte_impreso.h"
#include "reports/movimiento/saldo_corrido.h"

namespace ledgrix {

// "Movimiento Proveedor" (Tfrepomovprove): what happened to each supplier's
// balance over a period (charges, discounts, payments, withholdings) with
// the running balance SALDOF on every row; "detallado" row by row,
// "consolidado" one line per supplier.
class MovimientoProveedor : public ReporteImpreso {
    Q_OBJECT
  public:
    explicit MovimientoProveedor(Tfdm& dm, QObject* parent = nullptr);

    bool detalle = false;  // "Detalle de comprobantes"

    QString consulta() const override;
    QString titulo_predeterminado() const override;
    QString proyecto() const override { return QStringLiteral("repomovprove"); }
    QString nombre_reporte() const override;
    QString archivo_exportacion() const override { return QStringLiteral("RepMovProv"); }

  protected:
    bool valide_propios() override { return valide_periodo(); }
    // The call of the movement procedure with its eleven arguments.
    static QString llamada(const QStringList& argumentos);

  private:
    // Read when the window opens, as the running balance asks.
    SaldoCorrido saldo_;
};

}  // namespace ledgrix
