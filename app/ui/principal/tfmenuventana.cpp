#include "app/ui/principal/tfmenuventana.h"

#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace ledgrix {

Tfmenuventana::Tfmenuventana(const VentanaMenu& menu, Ejecutar ejecutar, QWidget* parent)
    : QWidget(parent), clase_(menu.clase) {
    setObjectName(menu.clase);
    setWindowTitle(menu.titulo);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(4, 4, 4, 4);
    columna->setSpacing(2);
    for (const Boton& b : menu.botones) {
        auto* boton = new QPushButton(b.titulo, this);
        const Destino destino = b.destino;
        connect(boton, &QPushButton::clicked, this, [this, ejecutar, destino] { ejecutar(destino, this); });
        columna->addWidget(boton);
    }
    columna->addStretch();
}

void Tfmenuventana::cierre() {
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()))
        marco->close();
    else
        close();
}

void Tfmenuventana::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cierre();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
