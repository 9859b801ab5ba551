#pragma once

#include <functional>

#include "reports/impresos/estado_cuenta.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// "Estado de Cuenta": the statements of a NIT range, printed, or F5 one PDF
// per supplier in a folder the user picks (to be sent to each of them).
class Tfrepoestdocuentas : public TfReporteImpreso {
    Q_OBJECT
  public:
    explicit Tfrepoestdocuentas(Tfdm& dm, QWidget* parent = nullptr);
    EstadoCuenta& logica() const { return static_cast<EstadoCuenta&>(logica_base()); }

    // Asks for the folder; empty when the user gave up. Tests install their
    // own instead of the desktop's folder chooser.
    using EligeCarpeta = std::function<QString(QWidget* padre)>;
    static void instale_elector_carpeta(EligeCarpeta elector);

    // F5: the PDFs of the statements; answers the files written.
    QStringList SBPdfProveedorClick();

  protected:
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;
    QStringList agrupaciones() const override { return {}; }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* observaciones_ = nullptr;
};

}  // namespace ledgrix
