#pragma once

#include <vector>

#include "core/ui/lista/tflista.h"
#include "reports/pivote/cubo.h"

class QStandardItemModel;

namespace ledgrix {

class AnalisisMovimiento;

// The documents behind a cell of the movement analysis. F4 or a double
// click opens the document's consultation, Esc closes.
class Tfdetalleanalisis : public Tflista {
    Q_OBJECT
  public:
    Tfdetalleanalisis(Tfdm& dm, AnalisisMovimiento& analisis,
                      std::vector<MovimientoAnalisis> documentos, QWidget* parent);

    const std::vector<MovimientoAnalisis>& documentos() const { return documentos_; }
    void SBConsultarClick();

  private:
    AnalisisMovimiento& analisis_;
    std::vector<MovimientoAnalisis> documentos_;
    QStandardItemModel* modelo_;
};

}  // namespace ledgrix
