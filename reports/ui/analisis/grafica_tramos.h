#pragma once

#include <QChartView>
#include <QStringList>

#include "reports/analisis/analisis_cxp.h"

class QBarSeries;
class QBarCategoryAxis;
class QValueAxis;

namespace ledgrix {

// The five aging buckets as bars, headed as the grid's columns. It only
// draws: the sums come from the analysis, in exact amounts.
class GraficaTramos : public QChartView {
    Q_OBJECT
  public:
    explicit GraficaTramos(QWidget* parent = nullptr);

    void muestre(const QString& titulo, const QStringList& encabezados,
                 const AnalisisCxp::Tramos& tramos);

    QString titulo() const;
    QStringList categorias() const;
    QList<qreal> valores() const;

  private:
    QBarSeries* serie_;
    QBarCategoryAxis* eje_x_;
    QValueAxis* eje_y_;
};

}  // namespace ledgrix
