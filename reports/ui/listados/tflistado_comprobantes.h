#pragma once

#include "reports/listados/listado_comprobantes.h"
#include "reports/ui/impresos/tfreporte_impreso.h"

namespace ledgrix {

// The two voucher listings: the kinds, detail and annulled boxes, the
// prefix range, and the number range (consecutive order) or the period
// (date order). They ask nothing about suppliers: those boxes are hidden.
class TfListadoComprobantes : public TfReporteImpreso {
    Q_OBJECT
  public:
    ListadoComprobantes& logica() const { return static_cast<ListadoComprobantes&>(logica_base()); }
    QLineEdit* prefijo_desde() const { return pref_desde_; }

  protected:
    TfListadoComprobantes(Tfdm& dm, ListadoComprobantes::Orden orden, const QString& clase,
                          const QString& titulo, QWidget* parent);
    void agregue_propios(QVBoxLayout* caja) override;
    void lea_propios() override;
    void showEvent(QShowEvent* event) override;

  private:
    QCheckBox* debito_ = nullptr;
    QCheckBox* credito_ = nullptr;
    QCheckBox* aplicaciones_ = nullptr;
    QCheckBox* anticipos_ = nullptr;
    QCheckBox* detalle_ = nullptr;
    QCheckBox* anulados_ = nullptr;
    QLineEdit* pref_desde_ = nullptr;
    QLineEdit* pref_hasta_ = nullptr;
    QLineEdit* num_desde_ = nullptr;
    QLineEdit* num_hasta_ = nullptr;
    bool enfocada_ = false;
};

// "Comprobantes Consecutivo".
class Tfrepoconsecutivo : public TfListadoComprobantes {
    Q_OBJECT
  public:
    explicit Tfrepoconsecutivo(Tfdm& dm, QWidget* parent = nullptr);
};

// "Comprobantes Cronologicos".
class Tfrepocrono : public TfListadoComprobantes {
    Q_OBJECT
  public:
    explicit Tfrepocrono(Tfdm& dm, QWidget* parent = nullptr);
};

}  // namespace ledgrix
