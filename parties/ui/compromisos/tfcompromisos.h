#pragma once

#include "core/ui/lista/tflista.h"
#include "parties/compromisos/lista_compromisos.h"

class QCheckBox;

namespace ledgrix {

// "Busqueda de compromisos proveedor": the commitments of the supplier left
// in Tfdmter::entregado (the charge window, the supplier list). F3 deletes,
// F4 consults, F5 adds, F7 marks fulfilled, F9 prints the report.
class Tfcompromisos : public Tflista {
    Q_OBJECT
  public:
    Tfcompromisos(Tfdm& dm, const QString& nit, QWidget* parent = nullptr);
    explicit Tfcompromisos(Tfdm& dm, QWidget* parent = nullptr);
    ListaCompromisos& logica() { return logica_; }
    QCheckBox* cumplidos() const { return cumplidos_; }

    // F4 (id of the current row) and F5 (0).
    void abra_compromiso(qint64 id);

  private:
    ListaCompromisos logica_;
    QCheckBox* cumplidos_;
};

}  // namespace ledgrix
