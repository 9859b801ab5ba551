#include "parties/ui/evaluacion/dialogo_ventana.h"

#include <QDialog>
#include <QVBoxLayout>

namespace ledgrix {

int corra_en_dialogo(QWidget* ventana, QWidget* parent) {
    QDialog dialogo(parent);
    dialogo.setWindowTitle(ventana->windowTitle());
    auto* caja = new QVBoxLayout(&dialogo);
    caja->setContentsMargins(0, 0, 0, 0);
    caja->addWidget(ventana);
    dialogo.resize(ventana->sizeHint().expandedTo(QSize(640, 420)));
    QObject::connect(ventana, &QObject::destroyed, &dialogo, &QDialog::accept);
    return dialogo.exec();
}

}  // namespace ledgrix
