#pragma once

#include "core/ui/lista/tflista.h"
#include "payments/aplicaciones/consulta_aplicacion.h"

namespace ledgrix {

// "Cruces de documentos": what settled the document in
// dm.documento_consultado, newest first; F4 opens the selected row's
// document in its own consultation.
class Tfcrucesdoc : public Tflista {
    Q_OBJECT
  public:
    explicit Tfcrucesdoc(Tfdm& dm, QWidget* parent = nullptr);

    CrucesDocumento& logica() { return logica_; }
    void SBConsultarClick();

  private:
    CrucesDocumento logica_;
};

}  // namespace ledgrix
