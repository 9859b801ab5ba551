#pragma once

#include <QChartView>
#include <QList>
#include <QMap>
#include <QStringList>

#include "reports/movimiento_mes/movimiento_mes.h"

class QBarCategoryAxis;
class QBarSeries;
class QLineSeries;
class QValueAxis;

namespace ledgrix {

// Month by month: what was bought (charges), discounted and paid as bars,
// and the balance at each month's end as a line. It only draws: the figures
// come from the monthly movement, in exact amounts.
class GraficaMeses : public QChartView {
    Q_OBJECT
  public:
    explicit GraficaMeses(QWidget* parent = nullptr);

    void muestre(const QString& titulo, const QList<MovimientoMes::Mes>& meses);

    QString titulo() const;
    QStringList categorias() const;
    // Each series' values by its name ("Cargos", "Descuentos", "Abonos", "Saldo").
    QMap<QString, QList<qreal>> series() const;

  private:
    QBarSeries* barras_;
    QLineSeries* saldo_;
    QBarCategoryAxis* eje_x_;
    QValueAxis* eje_y_;
};

}  // namespace ledgrix
