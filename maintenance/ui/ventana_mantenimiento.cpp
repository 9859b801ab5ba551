#include "maintenance/ui/ventana_mantenimiento.h"

#include <QAbstractSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ui/ajuste_area.h"
#include "core/ui/teclas_ventana.h"

namespace ledgrix {

VentanaMantenimiento::VentanaMantenimiento(const QString& clase, const QString& titulo,
                                           QWidget* parent)
    : QWidget(parent) {
    setObjectName(clase);
    setWindowTitle(titulo);
    setAttribute(Qt::WA_DeleteOnClose);
}

void VentanaMantenimiento::termine(QVBoxLayout* caja, const QList<Tecla>& teclas,
                                   QWidget* primero) {
    teclas_ = teclas;
    teclas_.append({Qt::Key_Escape, QStringLiteral("ESC: Salir"), [this] { close(); }});
    primero_ = primero;
    auto* barra = new QHBoxLayout;
    barra->addStretch();
    for (const Tecla& t : teclas_) {
        auto* boton = new QPushButton(t.texto, this);
        boton->setFocusPolicy(Qt::NoFocus);
        connect(boton, &QPushButton::clicked, this, t.accion);
        barra->addWidget(boton);
    }
    caja->addLayout(barra);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

bool VentanaMantenimiento::eventFilter(QObject* watched, QEvent* event) {
    const auto propia = [this](int key) {
        return std::any_of(teclas_.cbegin(), teclas_.cend(),
                           [key](const Tecla& t) { return t.key == key; });
    };
    const auto corra = [this](int key) {
        for (const Tecla& t : teclas_)
            if (t.key == key) {
                // The action may close the window: run a copy.
                const auto accion = t.accion;
                accion();
                return true;
            }
        return false;
    };
    if (teclas_de_la_ventana(event, propia, corra))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            (qobject_cast<QLineEdit*>(watched) || qobject_cast<QAbstractSpinBox*>(watched))) {
            focusNextChild();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VentanaMantenimiento::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ajuste_al_area(this);
        if (primero_)
            primero_->setFocus();
    }
}

}  // namespace ledgrix
