#include "app/ui/principal/linea_estado.h"

#include <QLinearGradient>
#include <QPainter>

namespace ledgrix {

LineaEstado::LineaEstado(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("estado"));
    setMinimumHeight(20);
    setContentsMargins(4, 0, 4, 0);
}

void LineaEstado::muestre(const StatusLine& estado) {
    fondo_ = estado.background();
    fin_ = estado.gradientEnd();
    setText(estado.text());
    repaint();
}

QColor LineaEstado::color(StatusLine::Colour c) const {
    switch (c) {
        case StatusLine::Colour::Default: return palette().color(QPalette::Window);
        case StatusLine::Colour::Highlight: return palette().color(QPalette::Highlight);
        case StatusLine::Colour::Red: return QColor(Qt::red);
        case StatusLine::Colour::Maroon: return QColor(128, 0, 0);
        case StatusLine::Colour::Navy: return QColor(0, 0, 128);
        case StatusLine::Colour::Yellow: return QColor(Qt::yellow);
    }
    return palette().color(QPalette::Window);
}

void LineaEstado::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        QLinearGradient degradado(rect().topLeft(), rect().topRight());
        degradado.setColorAt(0, fondo());
        degradado.setColorAt(1, finGradiente());
        p.fillRect(rect(), degradado);
    }
    QLabel::paintEvent(event);
}

}  // namespace ledgrix
