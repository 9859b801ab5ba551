#pragma once

#include "reports/impresos/reporte_periodo.h"
#include "reports/movimiento/saldo_corrido.h"

namespace ledgrix {

// "Movimiento Proveedor" (Tfrepomovprove): what happened to each supplier's
// balance over a period (charges, discounts, payments, withholdings) with
// the running balance SALDOF on every row; "detallado" row by row,
// "consolidado" one line per supplier.
class MovimientoProveedor : public ReportePeriodo {
    Q_OBJECT
  public:
    explicit MovimientoProveedor(Tfdm& dm, QObject* parent = nullptr);

    QString consulta() const override;
    QString proyecto() const override { return QStringLiteral("repomovprove"); }
    QString archivo_exportacion() const override { return QStringLiteral("RepMovProv"); }

  protected:
    // The call of the movement procedure with its eleven arguments.
    static QString llamada(const QStringList& argumentos);

  private:
    // Read when the window opens, as the running balance asks.
    SaldoCorrido saldo_;
};

}  // namespace ledgrix
