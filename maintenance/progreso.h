#pragma once

#include <QString>

namespace ledgrix {

// Long maintenance runs (recalculation, import, the unattended command line)
// say how far they are and learn whether the user asked to stop, without
// knowing who watches: a window's bar or the terminal's stderr.
class Progreso {
  public:
    virtual ~Progreso() = default;
    // `porcentaje` 0..100; `texto` what is being done ("Documento: CA000123").
    virtual void avance(int porcentaje, const QString& texto) = 0;
    virtual bool cancelado() const { return false; }
};

// For callers nobody watches (tests, nested runs).
class SinProgreso : public Progreso {
  public:
    void avance(int porcentaje, const QString& texto) override;
};

}  // namespace ledgrix
