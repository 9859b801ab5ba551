#pragma once

#include <memory>

#include "maintenance/recalculo/recalculo_saldos.h"
#include "maintenance/ui/progreso_en_ventana.h"
#include "maintenance/ui/ventana_mantenimiento.h"

class QLabel;
class QLineEdit;
class QStandardItemModel;

namespace ledgrix {

class LedgrixGrid;
class Tfdm;

// "Recálculo de saldos": a range of suppliers whose payables ledger is
// rebuilt from their documents. F5 runs it; what had to be repaired is
// listed under the range, which is emptied for the next run.
class Tfchequeosaldos : public VentanaMantenimiento {
    Q_OBJECT
  public:
    explicit Tfchequeosaldos(Tfdm& dm, QWidget* parent = nullptr);

    QLineEdit* inicial() const { return inicial_; }
    QLineEdit* final_() const { return final_caja_; }
    QWidget* lista() const { return lista_; }
    LedgrixGrid* errores() const { return grilla_; }

    void SBRecalcularClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void muestre(const QList<ErrorSaldo>& errores);

    Tfdm& dm_;
    RecalculoSaldos logica_;
    QLineEdit* inicial_ = nullptr;
    QLineEdit* final_caja_ = nullptr;
    QLabel* progreso_texto_ = nullptr;
    std::unique_ptr<ProgresoEnVentana> progreso_;
    QWidget* lista_ = nullptr;
    LedgrixGrid* grilla_ = nullptr;
    QStandardItemModel* filas_ = nullptr;
};

}  // namespace ledgrix
