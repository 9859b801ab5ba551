#include "reports/ui/analisis/grafica_tramos.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>

#include "core/money/formato_numero.h"

namespace ledgrix {

GraficaTramos::GraficaTramos(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("grafica"));
    setRenderHint(QPainter::Antialiasing);
    auto* grafica = new QChart;
    grafica->legend()->hide();
    serie_ = new QBarSeries(grafica);
    grafica->addSeries(serie_);
    eje_x_ = new QBarCategoryAxis(grafica);
    eje_y_ = new QValueAxis(grafica);
    eje_y_->setLabelFormat(QStringLiteral("%.0f"));
    // Amounts on the axis read as everywhere else in the program.
    grafica->setLocalizeNumbers(true);
    grafica->setLocale(FormatoNumero::instalacion().decimal() == QLatin1Char(',')
                           ? QLocale(QLocale::Spanish, QLocale::Colombia)
                           : QLocale(QLocale::English, QLocale::UnitedStates));
    eje_x_->setTitleText(QStringLiteral("días"));
    QFont letra = eje_x_->labelsFont();
    letra.setPointSizeF(letra.pointSizeF() * 0.85);
    eje_x_->setLabelsFont(letra);
    grafica->addAxis(eje_x_, Qt::AlignBottom);
    grafica->addAxis(eje_y_, Qt::AlignLeft);
    serie_->attachAxis(eje_x_);
    serie_->attachAxis(eje_y_);
    setChart(grafica);
    setMinimumWidth(440);
}

void GraficaTramos::muestre(const QString& titulo, const QStringList& encabezados,
                            const AnalisisCxp::Tramos& tramos) {
    serie_->clear();
    auto* barras = new QBarSet(QStringLiteral("Saldo"));
    qreal menor = 0;
    qreal mayor = 0;
    for (const Currency& t : tramos) {
        const qreal v = t.toDouble();
        barras->append(v);
        menor = std::min(menor, v);
        mayor = std::max(mayor, v);
    }
    serie_->append(barras);
    eje_x_->clear();
    // Five headings fit under narrow bars without their unit; the axis
    // carries it once.
    QStringList categorias;
    for (const QString& e : encabezados)
        categorias << QString(e)
                          .remove(QStringLiteral(" dias"))
                          .replace(QStringLiteral(" y más"), QStringLiteral("+"));
    eje_x_->append(categorias);
    eje_y_->setRange(menor, mayor > menor ? mayor : menor + 1);
    eje_y_->applyNiceNumbers();
    chart()->setTitle(titulo);
}

QString GraficaTramos::titulo() const {
    return chart()->title();
}

QStringList GraficaTramos::categorias() const {
    QStringList c = eje_x_->categories();
    for (QString& e : c)
        if (e.front().isDigit())
            e = e.endsWith(QLatin1Char('+')) ? e.chopped(1) + QStringLiteral(" y más dias")
                                             : e + QStringLiteral(" dias");
    return c;
}

QList<qreal> GraficaTramos::valores() const {
    QList<qreal> v;
    if (!serie_->barSets().isEmpty()) {
        const QBarSet* barras = serie_->barSets().first();
        for (int i = 0; i < barras->count(); ++i)
            v.append(barras->at(i));
    }
    return v;
}

}  // namespace ledgrix
