#pragma once

#include "reports/impresos/documentos_proveedor.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// "Documentos Por Proveedor".
class TfrepDoc_prov : public TfReporteImpreso {
    Q_OBJECT
  public:
    explicit TfrepDoc_prov(Tfdm& dm, QWidget* parent = nullptr);
    DocumentosProveedor& logica() const { return static_cast<DocumentosProveedor&>(logica_base()); }

  protected:
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;
    QStringList agrupaciones() const override;

  private:
    QComboBox* comprobante_ = nullptr;
    QDateEdit* desde_ = nullptr;
    QDateEdit* hasta_ = nullptr;
    QCheckBox* detalle_ = nullptr;
    QCheckBox* anulados_ = nullptr;
};

}  // namespace ledgrix
