#include "reports/ui/movimiento_mes/grafica_meses.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "core/money/formato_numero.h"

namespace ledgrix {

GraficaMeses::GraficaMeses(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("grafica"));
    setRenderHint(QPainter::Antialiasing);
    auto* grafica = new QChart;
    grafica->legend()->setAlignment(Qt::AlignBottom);
    // The axis reads amounts with the separators of the rest of the program.
    grafica->setLocalizeNumbers(true);
    grafica->setLocale(FormatoNumero::instalacion().decimal() == QLatin1Char(',')
                           ? QLocale(QLocale::Spanish, QLocale::Colombia)
                           : QLocale(QLocale::English, QLocale::UnitedStates));
    barras_ = new QBarSeries(grafica);
    saldo_ = new QLineSeries(grafica);
    saldo_->setName(QStringLiteral("Saldo"));
    // The balance stands apart from the bars of what moved it.
    saldo_->setPen(QPen(QColor(0x8b, 0x1a, 0x1a), 2));
    grafica->addSeries(barras_);
    grafica->addSeries(saldo_);
    eje_x_ = new QBarCategoryAxis(grafica);
    eje_y_ = new QValueAxis(grafica);
    eje_y_->setLabelFormat(QStringLiteral("%.0f"));
    grafica->addAxis(eje_x_, Qt::AlignBottom);
    grafica->addAxis(eje_y_, Qt::AlignLeft);
    for (QAbstractSeries* s :
         {static_cast<QAbstractSeries*>(barras_), static_cast<QAbstractSeries*>(saldo_)}) {
        s->attachAxis(eje_x_);
        s->attachAxis(eje_y_);
    }
    setChart(grafica);
    setMinimumHeight(220);
}

void GraficaMeses::muestre(const QString& titulo, const QList<MovimientoMes::Mes>& meses) {
    barras_->clear();
    saldo_->clear();
    eje_x_->clear();
    auto* cargos = new QBarSet(QStringLiteral("Cargos"));
    auto* descuentos = new QBarSet(QStringLiteral("Descuentos"));
    auto* abonos = new QBarSet(QStringLiteral("Abonos"));
    cargos->setColor(QColor(0x2a, 0x7a, 0xc8));
    descuentos->setColor(QColor(0xe8, 0x9a, 0x1c));
    abonos->setColor(QColor(0x3a, 0xa0, 0x5a));
    const QLocale espanol(QLocale::Spanish, QLocale::Colombia);
    QStringList categorias;
    qreal menor = 0;
    qreal mayor = 0;
    for (const MovimientoMes::Mes& m : meses) {
        const MovimientoMes::Cifras& c = m.cifras;
        const qreal valores[] = {c.cargos.toDouble(), c.descuentos.toDouble(), c.abonos.toDouble(),
                                 c.final.toDouble()};
        cargos->append(valores[0]);
        descuentos->append(valores[1]);
        abonos->append(valores[2]);
        saldo_->append(categorias.size(), valores[3]);
        for (const qreal v : valores) {
            menor = std::min(menor, v);
            mayor = std::max(mayor, v);
        }
        categorias << espanol.toString(m.mes, QStringLiteral("MMM yy"));
    }
    barras_->append({cargos, descuentos, abonos});
    eje_x_->append(categorias);
    eje_y_->setRange(menor, mayor > menor ? mayor : menor + 1);
    eje_y_->applyNiceNumbers();
    chart()->setTitle(titulo);
}

QString GraficaMeses::titulo() const {
    return chart()->title();
}

QStringList GraficaMeses::categorias() const {
    return eje_x_->categories();
}

QMap<QString, QList<qreal>> GraficaMeses::series() const {
    QMap<QString, QList<qreal>> s;
    for (const QBarSet* b : barras_->barSets()) {
        QList<qreal>& v = s[b->label()];
        for (int i = 0; i < b->count(); ++i)
            v << b->at(i);
    }
    QList<qreal>& v = s[saldo_->name()];
    for (const QPointF& p : saldo_->points())
        v << p.y();
    return s;
}

}  // namespace ledgrix
