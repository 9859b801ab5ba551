#include "maintenance/ui/procedimientos/pie_sumas.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace ledgrix {

namespace {

const QColor kVerdeClaro(0xCC, 0xFF, 0xCC);
constexpr int kMargen = 4;

}  // namespace

PieSumas::PieSumas(QTableView* grilla, QWidget* parent) : QWidget(parent), grilla_(grilla) {
    setAutoFillBackground(false);
    QHeaderView* h = grilla->horizontalHeader();
    const auto repinte = [this] { update(); };
    connect(h, &QHeaderView::sectionResized, this, repinte);
    connect(h, &QHeaderView::sectionMoved, this, repinte);
    connect(h, &QHeaderView::geometriesChanged, this, repinte);
    connect(grilla->horizontalScrollBar(), &QScrollBar::valueChanged, this, repinte);
}

void PieSumas::muestre(const QHash<int, QString>& textos) {
    textos_ = textos;
    // A sum is wider than the rows it adds up: its column widens so that no
    // digit is cut ("110.117.734,00" must not read "10.117.734,00").
    QHeaderView* h = grilla_->horizontalHeader();
    for (auto it = textos_.cbegin(); it != textos_.cend(); ++it) {
        if (it.key() >= h->count())
            continue;
        const int ancho = fontMetrics().horizontalAdvance(it.value()) + 3 * kMargen;
        if (h->sectionSize(it.key()) < ancho)
            h->resizeSection(it.key(), ancho);
    }
    update();
}

QSize PieSumas::sizeHint() const {
    return {0, fontMetrics().height() + 2 * kMargen};
}

void PieSumas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kVerdeClaro);
    p.setPen(palette().color(QPalette::WindowText));
    // Each text right under its column's cells, wherever the grid's
    // viewport starts inside its frame.
    const QHeaderView* h = grilla_->horizontalHeader();
    const int inicio =
        grilla_->viewport()->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
    const int derecha = inicio + grilla_->viewport()->width();
    p.setClipRect(QRect(inicio, 0, derecha - inicio, height()));
    for (auto it = textos_.cbegin(); it != textos_.cend(); ++it) {
        if (it.key() >= h->count() || h->isSectionHidden(it.key()))
            continue;
        const QRect celda(inicio + h->sectionViewportPosition(it.key()), 0,
                          h->sectionSize(it.key()), height());
        p.drawText(celda.adjusted(kMargen, 0, -kMargen, 0), Qt::AlignRight | Qt::AlignVCenter,
                   it.value());
    }
}

}  // namespace ledgrix
