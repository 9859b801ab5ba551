#pragma once

#include <QTextStream>

#include "maintenance/progreso.h"

namespace ledgrix::tareas {

// Progress as lines on stderr ("[ 40%] Documento: CA000123"), only when the
// text or the percentage changed, so a log does not fill with repeats.
class ProgresoConsola : public Progreso {
  public:
    explicit ProgresoConsola(QTextStream& errores) : errores_(errores) {}
    void avance(int porcentaje, const QString& texto) override;

  private:
    QTextStream& errores_;
    int ultimo_ = -1;
    QString ultimo_texto_;
};

}  // namespace ledgrix::tareas
