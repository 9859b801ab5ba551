#include "maintenance/ui/progreso_en_ventana.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace ledgrix {

ProgresoEnVentana::ProgresoEnVentana(QLabel* texto, QProgressBar* barra)
    : texto_(texto), barra_(barra) {}

void ProgresoEnVentana::avance(int porcentaje, const QString& texto) {
    if (texto_ && !texto.isEmpty()) {
        texto_->setText(texto);
        texto_->setVisible(true);
    }
    if (barra_)
        barra_->setValue(qBound(0, porcentaje, 100));
    // The run holds the event loop; let the label paint and the cancel button
    // be pressed between records.
    QCoreApplication::processEvents();
}

}  // namespace ledgrix
