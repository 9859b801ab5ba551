#pragma once

#include <QPointer>

#include "maintenance/progreso.h"

class QLabel;
class QProgressBar;

namespace ledgrix {

// A run's progress on a window: the text on a label, the percentage on a bar
// (either may be absent). Paints at once so a long statement shows what it is
// doing; `cancele()` (the window's cancel button) is read between records.
class ProgresoEnVentana : public Progreso {
  public:
    ProgresoEnVentana(QLabel* texto, QProgressBar* barra);

    void avance(int porcentaje, const QString& texto) override;
    bool cancelado() const override { return cancelado_; }
    void cancele() { cancelado_ = true; }
    void reinicie() { cancelado_ = false; }

  private:
    QPointer<QLabel> texto_;
    QPointer<QProgressBar> barra_;
    bool cancelado_ = false;
};

}  // namespace ledgrix
