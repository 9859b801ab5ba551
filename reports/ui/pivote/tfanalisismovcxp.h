#pragma once

#include "core/ui/lista/tflista.h"
#include "reports/pivote/analisis_movimiento.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;

namespace ledgrix {

// "Análisis de movimiento de cuentas por pagar": the period's documents in a
// pivot whose rows, columns and measures the user lays out by dragging the
// dimensions between "Filas", "Columnas" and "Sin usar" (or with Ctrl and
// the arrows, or the arrow buttons) and ticking the measures. F2
// calculates, F4 exports the pivot to a spreadsheet, Enter or a double
// click lists a cell's documents, Esc closes.
class Tfanalisismovcxp : public Tflista {
    Q_OBJECT
  public:
    explicit Tfanalisismovcxp(Tfdm& dm, QWidget* parent = nullptr);

    AnalisisMovimiento& logica() { return logica_; }
    QDateEdit* desde() const { return desde_; }
    QDateEdit* hasta() const { return hasta_; }
    QComboBox* ejemplos() const { return ejemplos_; }
    QListWidget* filas() const { return listas_[0]; }
    QListWidget* columnas() const { return listas_[1]; }
    QListWidget* sin_usar() const { return listas_[2]; }
    QListWidget* medidas() const { return medidas_; }

    void SBCalculaClick();
    void SBGrabarClick();
    void SBExportarClick();
    // The documents of the grid's current cell in a list of their own.
    void abra_detalle();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool ubicada_ = false;
    void muestre_disposicion();
    void aplique_disposicion();
    void aplique_luego();
    // Moves the active list's current dimension `paso` lists over, or
    // `orden` places within its list.
    void mueva(int paso, int orden);
    void llene_ejemplos();

    AnalisisMovimiento logica_;
    QDateEdit* desde_;
    QDateEdit* hasta_;
    QComboBox* ejemplos_;
    QLabel* espere_;
    QListWidget* listas_[3];
    QListWidget* medidas_;
    QListWidget* activa_ = nullptr;
    bool llenando_ = false;
    bool pendiente_ = false;
};

}  // namespace ledgrix
